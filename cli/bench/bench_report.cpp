#include "bench/bench_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace ostra::cli {
namespace {

std::string fixed(double value, int decimals = 1) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string padded(const std::string& text, size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

std::string sizeName(int width, int height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

const Measurement* find(const BenchFigures& f, const std::string& group, const std::string& look,
                        int width, int height) {
  for (const Measurement& m : f.measurements) {
    if (m.group == group && m.look == look && m.width == width && m.height == height) return &m;
  }
  return nullptr;
}

void printGroup(const BenchFigures& f, const std::string& group, std::ostream& out) {
  std::vector<std::pair<int, int>> sizes;
  for (const Measurement& m : f.measurements) {
    if (m.group == group &&
        std::find(sizes.begin(), sizes.end(), std::pair(m.width, m.height)) == sizes.end()) {
      sizes.emplace_back(m.width, m.height);
    }
  }
  for (const auto& [width, height] : sizes) {
    out << "\n" << group << " at " << sizeName(width, height);
    for (const SizeReference& r : f.references) {
      if (r.width == width && r.height == height) {
        out << "  (floor copy " << fixed(r.floor.gpuMs, 2) << " ms GPU, "
            << fixed(r.floor.wallMs, 2) << " ms wall; exact CPU distance transform "
            << fixed(r.distanceTransformMs) << " ms)";
      }
    }
    out << "\n"
        << padded("look", 24) << padded("median", 9) << padded("min-max", 14) << padded("first", 8)
        << padded("passes", 9) << padded("x", 6) << padded("queries", 9) << padded("faults", 8);
    for (const char* pass : kPassNames) out << padded(pass, 11);
    out << "\n";
    for (const Measurement& m : f.measurements) {
      if (m.group != group || m.width != width || m.height != height) continue;
      std::string name = m.look;
      if (m.downsample > 1) name += " /" + std::to_string(m.downsample);
      out << padded(name, 24) << padded(fixed(m.medianMs()), 9)
          << padded(fixed(m.minMs()) + "-" + fixed(m.maxMs()), 14) << padded(fixed(m.firstMs), 8)
          << padded(fixed(m.passSumMs()), 9) << padded(fixed(m.overhead(), 2), 6)
          << padded(fixed(m.querySumMs()), 9) << padded(fixed(m.pageFaultsPerFrame, 0), 8);
      for (double ms : m.passes.finishedMs) out << padded(fixed(ms, 2), 11);
      out << "\n";
    }
  }
}

void target(std::ostream& out, const std::string& what, const std::string& figure, bool met) {
  out << "  [" << (met ? "met" : "missed") << "] " << what << ": " << figure << "\n";
}

// Jump-flood steps the design intends for a Bevel End at full quality: one per power of two
// up to it, plus the first.
int intendedSteps(double bevelEnd) {
  return static_cast<int>(std::ceil(std::log2(std::max(2.0, std::ceil(bevelEnd))))) + 1;
}

}  // namespace

void printTables(const BenchFigures& f, std::ostream& out) {
  out << "renderer: " << f.renderer << ", " << f.cpuThreads << " CPU threads\n";
  out << "setup (load, Global Setup, Params Setup) " << fixed(f.setupMs) << " ms; first frame at "
      << sizeName(f.firstFrameWidth, f.firstFrameHeight) << " " << fixed(f.firstFrameMs) << " ms\n";
  out << "times in ms; passes: each pass from a glFinish before it to one after it; x = median "
         "frame / passes; queries: the sum of what GL_TIME_ELAPSED reported; faults: minor page "
         "faults per warm frame\n";
  for (const char* group : {"frame", "scrub", "pixels", "bevel end"}) printGroup(f, group, out);
}

void printTargets(const BenchFigures& f, std::ostream& out) {
  out << "\ntargets\n";
  double worstOverhead = 0;
  std::string worstLook;
  for (const Measurement& m : f.measurements) {
    if (m.group == "frame" && m.overhead() > worstOverhead) {
      worstOverhead = m.overhead();
      worstLook = m.look + " at " + sizeName(m.width, m.height);
    }
  }
  if (worstOverhead > 0) {
    target(out, "a warm frame costs at most 1.25 x its GPU pass times",
           "worst " + fixed(worstOverhead, 2) + " x (" + worstLook + ")", worstOverhead <= 1.25);
  }
  if (const Measurement* m = find(f, "frame", "defaults", 1920, 1080)) {
    target(out, "defaults at 1920x1080 at most 400 ms", fixed(m->medianMs()) + " ms",
           m->medianMs() <= 400);
  }
  double worstScrub = 0;
  std::string scrubLook;
  for (const Measurement& m : f.measurements) {
    if (m.group == "scrub" && m.width == 1920 && m.height == 1080 && m.medianMs() >= worstScrub) {
      worstScrub = m.medianMs();
      scrubLook = m.look;
    }
  }
  if (!scrubLook.empty()) {
    target(out, "scrub (Quality Low, downsample 2) at 1920x1080 at most 80 ms with every look",
           "worst " + fixed(worstScrub) + " ms (" + scrubLook + ")", worstScrub <= 80);
  }
  int64_t peak = -1, growth = 0;
  for (const Measurement& m : f.measurements) {
    if (m.width != 3840 || m.height != 2160 || m.group != "frame") continue;
    peak = std::max(peak, m.atEnd.peakKiB);
    growth = std::max(growth, m.atEnd.currentKiB - m.afterFirst.currentKiB);
  }
  if (peak >= 0) {
    target(out, "3840x2160 peak resident memory under 2 GiB", fixed(peak / 1024.0) + " MiB",
           peak < 2 * 1024 * 1024);
    // Allocator noise of a few pages is not growth; a frame's worth of pixels would be 32 MiB.
    target(out, "memory does not grow from frame to frame at 3840x2160",
           "largest growth over a look's warm frames " + fixed(growth / 1024.0) + " MiB",
           growth <= 4 * 1024);
  }
  std::vector<const Measurement*> pixels;
  for (const Measurement& m : f.measurements) {
    if (m.group == "pixels") pixels.push_back(&m);
  }
  if (pixels.size() >= 2) {
    double mean = 0;
    for (const Measurement* m : pixels) mean += m->medianMs() / m->megapixels();
    mean /= static_cast<double>(pixels.size());
    double worst = 0;
    std::string figure;
    for (const Measurement* m : pixels) {
      const double perMp = m->medianMs() / m->megapixels();
      worst = std::max(worst, std::abs(perMp / mean - 1));
      figure += fixed(perMp) + " ms/MP at " + fixed(m->megapixels(), 2) + " MP; ";
    }
    target(out, "cost linear in pixels within +-15 % per megapixel",
           figure + "worst " + fixed(worst * 100) + " % from the mean", worst <= 0.15);
  }
  std::vector<const Measurement*> bevel;
  for (const Measurement& m : f.measurements) {
    if (m.group == "bevel end") bevel.push_back(&m);
  }
  if (bevel.size() >= 2) {
    std::vector<double> perStep;
    std::string figure;
    for (const Measurement* m : bevel) {
      const double bevelEnd = std::stod(m->look.substr(m->look.rfind(' ') + 1));
      const int steps = intendedSteps(bevelEnd);
      perStep.push_back(m->passes.finishedMs[2] / steps);
      figure += "Bevel End " + fixed(bevelEnd, 0) + ": jump flood " +
                fixed(m->passes.finishedMs[2]) + " ms = " + std::to_string(steps) + " x " +
                fixed(perStep.back(), 2) + " ms, " +
                fixed(100 * m->passes.finishedMs[2] / std::max(1e-9, m->passSumMs()), 0) +
                " % of the GPU; ";
    }
    double mean = 0;
    for (double ms : perStep) mean += ms / static_cast<double>(perStep.size());
    double worst = 0;
    for (double ms : perStep) worst = std::max(worst, std::abs(ms / mean - 1));
    target(out, "the jump flood grows with log2(Bevel End): its time per step within +-20 %",
           figure + "worst " + fixed(worst * 100) + " % from the mean", worst <= 0.2);
  }
  if (f.firstFrameWidth == 1920 && f.firstFrameHeight == 1080) {
    target(out, "first frame after Global Setup at most 1 s at 1920x1080",
           fixed(f.firstFrameMs) + " ms (setup " + fixed(f.setupMs) + " ms before it)",
           f.firstFrameMs <= 1000);
  }
}

nlohmann::json toJson(const BenchFigures& f) {
  nlohmann::json json;
  json["renderer"] = f.renderer;
  json["cpu_threads"] = f.cpuThreads;
  json["setup_ms"] = f.setupMs;
  json["first_frame"] = {
      {"width", f.firstFrameWidth}, {"height", f.firstFrameHeight}, {"ms", f.firstFrameMs}};
  for (const SizeReference& r : f.references) {
    json["references"].push_back({{"width", r.width},
                                  {"height", r.height},
                                  {"floor_copy_gpu_ms", r.floor.gpuMs},
                                  {"floor_copy_wall_ms", r.floor.wallMs},
                                  {"cpu_distance_transform_ms", r.distanceTransformMs}});
  }
  for (const Measurement& m : f.measurements) {
    nlohmann::json passes, queries;
    for (size_t i = 0; i < kPassNames.size(); ++i) {
      passes[kPassNames[i]] = m.passes.finishedMs[i];
      queries[kPassNames[i]] = m.passes.queryMs[i];
    }
    json["measurements"].push_back({{"group", m.group},
                                    {"look", m.look},
                                    {"width", m.width},
                                    {"height", m.height},
                                    {"downsample", m.downsample},
                                    {"first_ms", m.firstMs},
                                    {"frame_ms", m.frameMs},
                                    {"median_ms", m.medianMs()},
                                    {"pass_ms", passes},
                                    {"pass_query_ms", queries},
                                    {"pass_sum_ms", m.passSumMs()},
                                    {"overhead", m.overhead()},
                                    {"rss_kib_after_first", m.afterFirst.currentKiB},
                                    {"rss_kib_at_end", m.atEnd.currentKiB},
                                    {"peak_rss_kib", m.atEnd.peakKiB},
                                    {"page_faults_per_frame", m.pageFaultsPerFrame}});
  }
  return json;
}

}  // namespace ostra::cli
