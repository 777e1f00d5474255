#include "param_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace ostra::cli {
namespace {

using hostsim::ParamValue;

std::string trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

[[noreturn]] void invalid(const hostsim::ParamStore& store, int index, std::string_view text,
                          const std::string& expected) {
  throw std::invalid_argument("\"" + std::string(text) + "\" is not a value for " +
                              store.declared(index).name + ": expected " + expected);
}

bool toNumber(std::string_view text, double* value) {
  const std::string clean = trim(text);
  if (clean.empty()) return false;
  const char* end = clean.data() + clean.size();
  const auto [ptr, ec] = std::from_chars(clean.data(), end, *value);
  return ec == std::errc() && ptr == end && std::isfinite(*value);
}

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> items;
  std::string_view::size_type start = 0;
  while (true) {
    const auto at = text.find(separator, start);
    items.push_back(trim(text.substr(start, at == std::string_view::npos ? at : at - start)));
    if (at == std::string_view::npos) return items;
    start = at + 1;
  }
}

ParamValue numbers(const hostsim::ParamStore& store, int index, std::string_view text, int count,
                   const std::string& expected) {
  const std::vector<std::string> items = split(text, ',');
  ParamValue value;
  if (static_cast<int>(items.size()) != count) invalid(store, index, text, expected);
  for (int i = 0; i < count; ++i) {
    if (!toNumber(items[static_cast<std::size_t>(i)], &value.v[static_cast<std::size_t>(i)])) {
      invalid(store, index, text, expected);
    }
  }
  return value;
}

ParamValue colorValue(const hostsim::ParamStore& store, int index, std::string_view text) {
  const std::string clean = trim(text);
  const std::string expected = "\"R,G,B\" with each 0 to 255, or \"#RRGGBB\"";
  ParamValue value;
  if (!clean.empty() && clean[0] == '#') {
    unsigned rgb = 0;
    const char* end = clean.data() + clean.size();
    const auto [ptr, ec] = std::from_chars(clean.data() + 1, end, rgb, 16);
    if (clean.size() != 7 || ec != std::errc() || ptr != end) invalid(store, index, text, expected);
    value.v = {double((rgb >> 16) & 0xFF), double((rgb >> 8) & 0xFF), double(rgb & 0xFF), 255};
    return value;
  }
  value = numbers(store, index, text, 3, expected);
  for (int i = 0; i < 3; ++i) {
    const double c = value.v[static_cast<std::size_t>(i)];
    if (c < 0 || c > 255) invalid(store, index, text, expected);
  }
  value.v[3] = 255;
  return value;
}

ParamValue popupValue(const hostsim::ParamStore& store, int index, std::string_view text) {
  const std::vector<std::string> choices = store.choices(index);
  std::string expected = "a choice number 1 to " + std::to_string(choices.size()) + " or one of";
  for (const std::string& choice : choices) expected += " \"" + choice + "\"";
  ParamValue value;
  const std::string wanted = lower(trim(text));
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (lower(choices[i]) == wanted) {
      value.v[0] = static_cast<double>(i + 1);
      return value;
    }
  }
  double number = 0;
  if (!toNumber(text, &number) || number != std::floor(number) || number < 1 ||
      number > static_cast<double>(choices.size())) {
    invalid(store, index, text, expected);
  }
  value.v[0] = number;
  return value;
}

}  // namespace

int settableIndex(const hostsim::ParamStore& store, std::string_view name) {
  const int index = store.indexOf(trim(name));
  if (index < 0) throw std::invalid_argument("no parameter named \"" + std::string(name) + "\"");
  switch (store.declared(index).param_type) {
    case PF_Param_NO_DATA:
    case PF_Param_GROUP_START:
    case PF_Param_GROUP_END:
      throw std::invalid_argument("\"" + std::string(name) + "\" takes no value");
    default:
      return index;
  }
}

ParamValue parseValue(const hostsim::ParamStore& store, int index, std::string_view text) {
  switch (store.declared(index).param_type) {
    case PF_Param_SLIDER:
    case PF_Param_FIX_SLIDER:
    case PF_Param_FLOAT_SLIDER:
      return numbers(store, index, text, 1, "a number");
    case PF_Param_ANGLE:
      return numbers(store, index, text, 1, "an angle in degrees");
    case PF_Param_POINT:
      return numbers(store, index, text, 2, "\"X,Y\" in layer pixels");
    case PF_Param_COLOR:
      return colorValue(store, index, text);
    case PF_Param_POPUP:
      return popupValue(store, index, text);
    case PF_Param_CHECKBOX: {
      const std::string word = lower(trim(text));
      ParamValue value;
      if (word == "on" || word == "true" || word == "1") {
        value.v[0] = 1;
      } else if (!(word == "off" || word == "false" || word == "0")) {
        invalid(store, index, text, "on or off");
      }
      return value;
    }
    case PF_Param_LAYER:
      invalid(store, index, text, "a layer, given with --map-layer FILE.png");
    default:
      invalid(store, index, text, "nothing: it takes no value");
  }
}

ParamValue jsonValue(const hostsim::ParamStore& store, int index, const nlohmann::json& value) {
  if (value.is_string()) return parseValue(store, index, value.get<std::string>());
  if (value.is_number()) return parseValue(store, index, value.dump());
  if (value.is_boolean()) return parseValue(store, index, value.get<bool>() ? "on" : "off");
  if (value.is_array()) {
    std::string joined;
    for (const auto& item : value) {
      if (!item.is_number()) invalid(store, index, value.dump(), "numbers in the array");
      joined += (joined.empty() ? "" : ",") + item.dump();
    }
    return parseValue(store, index, joined);
  }
  invalid(store, index, value.dump(), "a number, a string or an array of numbers");
}

std::pair<std::string, std::string> splitAssignment(std::string_view text) {
  const auto equals = text.find('=');
  if (equals == std::string_view::npos || trim(text.substr(0, equals)).empty()) {
    throw std::invalid_argument("\"" + std::string(text) + "\" is not NAME=VALUE");
  }
  return {trim(text.substr(0, equals)), trim(text.substr(equals + 1))};
}

void applyAssignment(hostsim::ParamStore& store, std::string_view assignment) {
  const auto [name, text] = splitAssignment(assignment);
  const int index = settableIndex(store, name);
  store.setValue(index, parseValue(store, index, text));
}

std::vector<Keyframe> parseKeyframes(const hostsim::ParamStore& store, int index,
                                     std::string_view text) {
  std::vector<std::string> keys;
  for (const std::string& item : split(text, ',')) {
    if (item.find(':') != std::string::npos || keys.empty()) {
      keys.push_back(item);
    } else {
      keys.back() += "," + item;
    }
  }
  std::vector<Keyframe> frames;
  for (const std::string& key : keys) {
    const auto colon = key.find(':');
    double seconds = 0;
    if (colon == std::string::npos || !toNumber(std::string_view(key).substr(0, colon), &seconds)) {
      throw std::invalid_argument("\"" + key + "\" is not a keyframe TIME:VALUE");
    }
    frames.push_back({seconds, parseValue(store, index, std::string_view(key).substr(colon + 1))});
  }
  return frames;
}

}  // namespace ostra::cli
