// The benchmark's figures as tables, as JSON, and held against the targets.
#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "bench/copy_floor.h"
#include "bench/measurement.h"

namespace ostra::cli {

struct SizeReference {
  int width = 0;
  int height = 0;
  FloorTime floor;
  double distanceTransformMs = 0;  // exact, one core
};

struct BenchFigures {
  std::string renderer;
  int cpuThreads = 0;
  double setupMs = 0;       // module load, Global Setup and Params Setup
  double firstFrameMs = 0;  // the first Render after them
  int firstFrameWidth = 0;
  int firstFrameHeight = 0;
  std::vector<SizeReference> references;
  std::vector<Measurement> measurements;
};

void printTables(const BenchFigures& figures, std::ostream& out);
// Each target with its figure and "met" or "missed"; targets the run has no figure for are
// left out.
void printTargets(const BenchFigures& figures, std::ostream& out);
nlohmann::json toJson(const BenchFigures& figures);

}  // namespace ostra::cli
