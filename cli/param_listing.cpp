#include "param_listing.h"

#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace ostra::cli {
namespace {

using nlohmann::json;
constexpr double kFixed = 65536.0;

struct Range {
  double min, max;
};

// Everything a listing shows of one parameter, in the user's units.
struct Row {
  int index = 0;
  A_long id = 0;
  std::string name;
  std::string type;
  json dephault;  // null where the type has no value
  std::string defaultText = "-";
  json valid;
  json slider;
  bool percent = false;
  std::vector<std::string> choices;
  PF_ParamFlags flags = 0;
  PF_ParamUIFlags uiFlags = 0;
};

std::string number(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

json range(double min, double max) { return json::array({min, max}); }

std::string rangeText(const json& r, bool percent) {
  if (r.is_null()) return "-";
  const std::string unit = percent ? "%" : "";
  return number(r[0].get<double>()) + unit + ".." + number(r[1].get<double>()) + unit;
}

Row describe(const hostsim::ParamStore& store, int index) {
  const PF_ParamDef& def = store.declared(index);
  Row row;
  row.index = index;
  row.id = def.uu.id;
  row.name = index == 0 ? "(input layer)" : def.name;
  row.type = hostsim::paramTypeName(def.param_type);
  row.flags = def.flags;
  row.uiFlags = def.ui_flags;
  const PF_ParamDefUnion& u = def.u;
  switch (def.param_type) {
    case PF_Param_SLIDER:
      row.dephault = u.sd.dephault;
      row.valid = range(u.sd.valid_min, u.sd.valid_max);
      row.slider = range(u.sd.slider_min, u.sd.slider_max);
      break;
    case PF_Param_FIX_SLIDER:
      row.dephault = u.fd.dephault / kFixed;
      row.valid = range(u.fd.valid_min / kFixed, u.fd.valid_max / kFixed);
      row.slider = range(u.fd.slider_min / kFixed, u.fd.slider_max / kFixed);
      row.percent = u.fd.display_flags == PF_ValueDisplayFlag_PERCENT;
      break;
    case PF_Param_FLOAT_SLIDER:
      row.dephault = u.fs_d.value;
      row.valid = range(u.fs_d.valid_min, u.fs_d.valid_max);
      row.slider = range(u.fs_d.slider_min, u.fs_d.slider_max);
      row.percent = u.fs_d.display_flags == PF_ValueDisplayFlag_PERCENT;
      break;
    case PF_Param_ANGLE:
      row.dephault = u.ad.dephault / kFixed;
      row.defaultText = number(u.ad.dephault / kFixed) + " deg";
      break;
    case PF_Param_CHECKBOX:
      row.dephault = u.bd.dephault != 0;
      row.defaultText = u.bd.dephault != 0 ? "on" : "off";
      break;
    case PF_Param_COLOR: {
      const PF_Pixel& c = u.cd.dephault;
      row.dephault = json::array({c.red, c.green, c.blue});
      row.defaultText =
          std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
      break;
    }
    case PF_Param_POINT:
      // Declared as percentages of the layer; values are set in layer pixels.
      row.dephault = json::array({u.td.x_dephault / kFixed, u.td.y_dephault / kFixed});
      row.defaultText =
          number(u.td.x_dephault / kFixed) + "%," + number(u.td.y_dephault / kFixed) + "% of layer";
      break;
    case PF_Param_POPUP:
      row.choices = store.choices(index);
      if (u.pd.dephault >= 1 && u.pd.dephault <= static_cast<A_long>(row.choices.size())) {
        row.dephault = row.choices[static_cast<std::size_t>(u.pd.dephault - 1)];
        row.defaultText = row.dephault.get<std::string>();
      }
      break;
    case PF_Param_LAYER:
      row.defaultText = "none";
      break;
    default:
      break;
  }
  if (row.dephault.is_number() && row.defaultText == "-") {
    row.defaultText = number(row.dephault.get<double>()) + (row.percent ? "%" : "");
  }
  return row;
}

std::string hex(A_long value) {
  std::ostringstream text;
  text << "0x" << std::hex << value;
  return text.str();
}

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    text += (i == 0 ? "" : " | ") + std::to_string(i + 1) + " " + items[i];
  }
  return text;
}

}  // namespace

void printParams(const hostsim::Host& host, std::ostream& out) {
  const hostsim::ParamStore& store = host.params();
  out << std::left << std::setw(4) << "idx" << std::setw(7) << "id" << std::setw(18) << "name"
      << std::setw(14) << "type" << std::setw(20) << "default" << std::setw(14) << "valid"
      << std::setw(14) << "slider"
      << "flags/ui  shown  choices\n";
  for (int index = 0; index < store.size(); ++index) {
    const Row row = describe(store, index);
    out << std::setw(4) << row.index << std::setw(7) << row.id << std::setw(18) << row.name
        << std::setw(14) << row.type << std::setw(20) << row.defaultText << std::setw(14)
        << rangeText(row.valid, row.percent) << std::setw(14) << rangeText(row.slider, row.percent)
        << std::setw(10) << (hex(row.flags) + "/" + hex(row.uiFlags)) << std::setw(7)
        << (host.streamHidden(index) ? "hidden" : "yes") << joined(row.choices) << '\n';
  }
}

void printParamsJson(const hostsim::Host& host, std::ostream& out) {
  const hostsim::ParamStore& store = host.params();
  json list = json::array();
  for (int index = 0; index < store.size(); ++index) {
    const Row row = describe(store, index);
    list.push_back({{"index", row.index},
                    {"id", row.id},
                    {"name", row.name},
                    {"type", row.type},
                    {"default", row.dephault},
                    {"valid", row.valid},
                    {"slider", row.slider},
                    {"percent", row.percent},
                    {"choices", row.choices},
                    {"flags", row.flags},
                    {"ui_flags", row.uiFlags},
                    {"hidden", host.streamHidden(index)}});
  }
  out << list.dump(2) << '\n';
}

}  // namespace ostra::cli
