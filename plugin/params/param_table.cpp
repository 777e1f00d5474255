#include "plugin/params/param_table.h"

#include <array>
#include <cstring>

#include "plugin/host/effect_identity.h"

namespace Kestrix::Bevel {
namespace {

constexpr PF_Fixed fixed(int whole) { return static_cast<PF_Fixed>(whole * 65536); }

struct Range {
  double validMin, validMax, sliderMin, sliderMax;
};

ParamDeclaration blank(PF_ParamType type, A_long id, const char* name) {
  ParamDeclaration d;
  std::memset(&d.record, 0, sizeof(d.record));
  d.record.param_type = type;
  d.record.uu.id = id;
  d.name = name;
  return d;
}

ParamDeclaration header() {
  ParamDeclaration d = blank(PF_Param_NO_DATA, 10000, kSiteName);
  d.record.ui_flags = PF_PUI_CONTROL;
  d.record.ui_width = 200;
  d.record.ui_height = 50;
  d.record.flags =
      PF_ParamFlag_CANNOT_TIME_VARY | PF_ParamFlag_CANNOT_INTERP | PF_ParamFlag_SUPERVISE;
  return d;
}

ParamDeclaration groupStart(A_long id, const char* name) {
  return blank(PF_Param_GROUP_START, id, name);
}

ParamDeclaration groupEnd(A_long id) { return blank(PF_Param_GROUP_END, id, ""); }

ParamDeclaration floatSlider(A_long id, const char* name, double dephault, Range r, int precision,
                             bool percent = false) {
  ParamDeclaration d = blank(PF_Param_FLOAT_SLIDER, id, name);
  PF_FloatSliderDef& fs = d.record.u.fs_d;
  fs.value = dephault;
  fs.valid_min = static_cast<float>(r.validMin);
  fs.valid_max = static_cast<float>(r.validMax);
  fs.slider_min = static_cast<float>(r.sliderMin);
  fs.slider_max = static_cast<float>(r.sliderMax);
  fs.dephault = static_cast<float>(dephault);
  fs.precision = static_cast<A_short>(precision);
  fs.display_flags = percent ? PF_ValueDisplayFlag_PERCENT : PF_ValueDisplayFlag_NONE;
  fs.fs_flags = 0;
  fs.curve_tolerance = 0.05f;
  return d;
}

ParamDeclaration fixSlider(A_long id, const char* name, int dephault, int validMin, int validMax,
                           int sliderMin, int sliderMax, int precision, bool percent) {
  ParamDeclaration d = blank(PF_Param_FIX_SLIDER, id, name);
  PF_FixedSliderDef& fd = d.record.u.fd;
  fd.value = fd.dephault = fixed(dephault);
  fd.valid_min = fixed(validMin);
  fd.valid_max = fixed(validMax);
  fd.slider_min = fixed(sliderMin);
  fd.slider_max = fixed(sliderMax);
  fd.precision = static_cast<A_short>(precision);
  fd.display_flags = percent ? PF_ValueDisplayFlag_PERCENT : PF_ValueDisplayFlag_NONE;
  return d;
}

ParamDeclaration slider(A_long id, const char* name, A_long dephault, A_long validMax,
                        A_long sliderMax) {
  ParamDeclaration d = blank(PF_Param_SLIDER, id, name);
  PF_SliderDef& sd = d.record.u.sd;
  sd.value = sd.dephault = dephault;
  sd.valid_min = 0;
  sd.valid_max = validMax;
  sd.slider_min = 0;
  sd.slider_max = sliderMax;
  return d;
}

// Percentages of the layer's width and height.
ParamDeclaration point(A_long id, const char* name, int xPercent, int yPercent,
                       PF_ParamUIFlags uiFlags = PF_PUI_NONE) {
  ParamDeclaration d = blank(PF_Param_POINT, id, name);
  d.record.ui_flags = uiFlags;
  PF_PointDef& td = d.record.u.td;
  td.x_value = td.x_dephault = fixed(xPercent);
  td.y_value = td.y_dephault = fixed(yPercent);
  td.restrict_bounds = 0;
  return d;
}

ParamDeclaration color(A_long id, const char* name, A_u_char red, A_u_char green, A_u_char blue) {
  ParamDeclaration d = blank(PF_Param_COLOR, id, name);
  const PF_Pixel pixel{255, red, green, blue};
  d.record.u.cd.value = d.record.u.cd.dephault = pixel;
  return d;
}

ParamDeclaration popup(A_long id, const char* name, const char* choices, int count,
                       PF_ParamFlags flags = 0) {
  ParamDeclaration d = blank(PF_Param_POPUP, id, name);
  d.record.flags = flags;
  PF_PopupDef& pd = d.record.u.pd;
  pd.value = pd.dephault = 1;
  pd.num_choices = static_cast<A_short>(count);
  pd.u.namesptr = choices;
  return d;
}

ParamDeclaration angle(A_long id, const char* name) {
  return blank(PF_Param_ANGLE, id, name);  // 0 degrees, no range
}

ParamDeclaration layer(A_long id, const char* name) {
  return blank(PF_Param_LAYER, id, name);  // no layer chosen
}

constexpr const char* kMapTypes = "Color|Custom Layer|Golden|Cyber Punk|Rainbow";
constexpr const char* kQualities = "High|Medium|Low";
constexpr const char* kLightTypes = "Point Light|Parallel Light";
constexpr Range kPercent{0, 100, 0, 100};

std::array<ParamDeclaration, 42> makeTable() {
  return {
      header(),
      groupStart(1, "Bevel"),
      floatSlider(2, "Bevel Start", 0, kPercent, 1),
      floatSlider(3, "Bevel End", 100, kPercent, 1),
      fixSlider(4, "Bevel Height", 100, 0, 100, 0, 100, 1, true),
      floatSlider(5, "Gamma", 2.2, {0.1, 10, 0.1, 10}, 2),
      slider(6, "Smooth", 0, 40, 20),
      slider(7, "Extrude", 0, 40, 20),
      point(8, "Extrude Center", 50, 50),
      groupEnd(9),
      groupStart(10, "Refine Edge"),
      floatSlider(11, "Edge Clip", 0, kPercent, 1, true),
      floatSlider(12, "Edge Feather", 0, kPercent, 1, true),
      groupEnd(13),
      groupStart(14, "Render"),
      popup(15, "Map Type", kMapTypes, 5, PF_ParamFlag_SUPERVISE),
      color(16, "Color", 155, 155, 155),
      layer(17, "Map Layer"),
      floatSlider(18, "Map Size", 100, {10, 1000, 10, 100}, 0, true),
      angle(19, "Map Evolution"),
      floatSlider(20, "Metallic", 100, kPercent, 0, true),
      floatSlider(21, "Roughness", 45, {5, 100, 5, 100}, 0, true),
      floatSlider(22, "Ambient", 55, kPercent, 0, true),
      floatSlider(23, "Extrusion Darken", 20, kPercent, 0, true),
      popup(24, "Quality", kQualities, 3),
      groupStart(25, "Light 1"),
      popup(38, "L1 Type", kLightTypes, 2, PF_ParamFlag_SUPERVISE),
      point(26, "L1 Position", 10, 0),
      floatSlider(27, "L1 Height", 36, {0, 400, 0, 100}, 0, true),
      point(39, "L1 Target", 50, 50, PF_PUI_INVISIBLE),
      color(28, "L1 Color", 83, 66, 49),
      floatSlider(29, "L1 Intensity", 100, {0, 200, 0, 200}, 0, true),
      groupEnd(30),
      groupStart(31, "Light 2"),
      popup(40, "L2 Type", kLightTypes, 2, PF_ParamFlag_SUPERVISE),
      point(32, "L2 Position", 90, 100),
      floatSlider(33, "L2 Height", 80, {0, 400, 0, 100}, 0, true),
      point(41, "L2 Target", 50, 50, PF_PUI_INVISIBLE),
      color(34, "L2 Color", 10, 30, 80),
      floatSlider(35, "L2 Intensity", 100, {0, 200, 0, 200}, 0, true),
      groupEnd(36),
      groupEnd(37),
  };
}

}  // namespace

std::span<const ParamDeclaration> paramDeclarations() {
  static const std::array<ParamDeclaration, 42> table = makeTable();
  return table;
}

}  // namespace Kestrix::Bevel
