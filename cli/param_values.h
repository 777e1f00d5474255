// Parameter values as a user writes them on the command line or in a JSON file, turned into the
// host's values: numbers as the slider shows them (percent sliders in percent), popups by
// choice name or number, colours as "R,G,B" (0 to 255) or "#RRGGBB", points as "X,Y" in layer
// pixels, angles in degrees, checkboxes as on/off.
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "hostsim/param_store.h"

namespace ostra::cli {

// The index of the parameter named `name` (case-insensitive); throws std::invalid_argument
// naming it when there is none or it takes no value.
int settableIndex(const hostsim::ParamStore& store, std::string_view name);

// Throws std::invalid_argument with a message naming the parameter and what it expects.
hostsim::ParamValue parseValue(const hostsim::ParamStore& store, int index, std::string_view text);
hostsim::ParamValue jsonValue(const hostsim::ParamStore& store, int index,
                              const nlohmann::json& value);

// "NAME=VALUE" split at the first '='.
std::pair<std::string, std::string> splitAssignment(std::string_view text);

// Sets "NAME=VALUE" as a static value; throws std::invalid_argument.
void applyAssignment(hostsim::ParamStore& store, std::string_view assignment);

struct Keyframe {
  double seconds;
  hostsim::ParamValue value;
};
// "T0:V0,T1:V1,...": a key starts at each item holding a colon, so values with commas
// (colours, points) need no quoting.
std::vector<Keyframe> parseKeyframes(const hostsim::ParamStore& store, int index,
                                     std::string_view text);

}  // namespace ostra::cli
