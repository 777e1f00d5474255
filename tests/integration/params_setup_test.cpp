// Params Setup through the host: the declared list, its records and the custom interface.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "tests/integration/module_fixture.h"

namespace {

constexpr PF_ParamFlags kSupervise = 0x40;

// One row of the published parameter list. For colours d0..d2 are red, green, blue; for
// points d0, d1 are the default percentages; for popups d0 is the default choice.
struct Row {
  int index;
  A_long id;
  PF_ParamType type;
  const char* name;
  double d0 = 0, d1 = 0, d2 = 0;
  double validMin = 0, validMax = 0, sliderMin = 0, sliderMax = 0;
  int precision = 0;
  bool percent = false;
  PF_ParamFlags flags = 0;
  PF_ParamUIFlags uiFlags = 0;
  const char* choices = nullptr;
};

Row floatRow(int index, A_long id, const char* name, double d, double vmin, double vmax,
             double smin, double smax, int precision, bool percent) {
  return {index,     id,     PF_Param_FLOAT_SLIDER, name, d, 0, 0, vmin, vmax, smin, smax,
          precision, percent};
}
Row groupRow(int index, A_long id, PF_ParamType type, const char* name) {
  return {index, id, type, name};
}
Row pointRow(int index, A_long id, const char* name, double x, double y, PF_ParamUIFlags ui = 0) {
  Row row{index, id, PF_Param_POINT, name, x, y};
  row.uiFlags = ui;
  return row;
}
Row colorRow(int index, A_long id, const char* name, int r, int g, int b) {
  return {index, id, PF_Param_COLOR, name, double(r), double(g), double(b)};
}
Row popupRow(int index, A_long id, const char* name, const char* choices, PF_ParamFlags flags) {
  Row row{index, id, PF_Param_POPUP, name, 1};
  row.choices = choices;
  row.flags = flags;
  return row;
}
Row intRow(int index, A_long id, const char* name, int vmax, int smax) {
  return {index, id, PF_Param_SLIDER, name, 0, 0, 0, 0, double(vmax), 0, double(smax)};
}

const char* const kMaps = "Color|Custom Layer|Golden|Cyber Punk|Rainbow";
const char* const kLights = "Point Light|Parallel Light";

const Row kRows[] = {
    {1, 10000, PF_Param_NO_DATA, "kestrix.example", 0, 0, 0, 0, 0, 0, 0, 0, false, 0x46, 0x2},
    groupRow(2, 1, PF_Param_GROUP_START, "Bevel"),
    floatRow(3, 2, "Bevel Start", 0, 0, 100, 0, 100, 1, false),
    floatRow(4, 3, "Bevel End", 100, 0, 100, 0, 100, 1, false),
    {5, 4, PF_Param_FIX_SLIDER, "Bevel Height", 100, 0, 0, 0, 100, 0, 100, 1, true},
    floatRow(6, 5, "Gamma", 2.2, 0.1, 10, 0.1, 10, 2, false),
    intRow(7, 6, "Smooth", 40, 20),
    intRow(8, 7, "Extrude", 40, 20),
    pointRow(9, 8, "Extrude Center", 50, 50),
    groupRow(10, 9, PF_Param_GROUP_END, ""),
    groupRow(11, 10, PF_Param_GROUP_START, "Refine Edge"),
    floatRow(12, 11, "Edge Clip", 0, 0, 100, 0, 100, 1, true),
    floatRow(13, 12, "Edge Feather", 0, 0, 100, 0, 100, 1, true),
    groupRow(14, 13, PF_Param_GROUP_END, ""),
    groupRow(15, 14, PF_Param_GROUP_START, "Render"),
    popupRow(16, 15, "Map Type", kMaps, kSupervise),
    colorRow(17, 16, "Color", 155, 155, 155),
    groupRow(18, 17, PF_Param_LAYER, "Map Layer"),
    floatRow(19, 18, "Map Size", 100, 10, 1000, 10, 100, 0, true),
    groupRow(20, 19, PF_Param_ANGLE, "Map Evolution"),
    floatRow(21, 20, "Metallic", 100, 0, 100, 0, 100, 0, true),
    floatRow(22, 21, "Roughness", 45, 5, 100, 5, 100, 0, true),
    floatRow(23, 22, "Ambient", 55, 0, 100, 0, 100, 0, true),
    floatRow(24, 23, "Extrusion Darken", 20, 0, 100, 0, 100, 0, true),
    popupRow(25, 24, "Quality", "High|Medium|Low", 0),
    groupRow(26, 25, PF_Param_GROUP_START, "Light 1"),
    popupRow(27, 38, "L1 Type", kLights, kSupervise),
    pointRow(28, 26, "L1 Position", 10, 0),
    floatRow(29, 27, "L1 Height", 36, 0, 400, 0, 100, 0, true),
    pointRow(30, 39, "L1 Target", 50, 50, 0x200),
    colorRow(31, 28, "L1 Color", 83, 66, 49),
    floatRow(32, 29, "L1 Intensity", 100, 0, 200, 0, 200, 0, true),
    groupRow(33, 30, PF_Param_GROUP_END, ""),
    groupRow(34, 31, PF_Param_GROUP_START, "Light 2"),
    popupRow(35, 40, "L2 Type", kLights, kSupervise),
    pointRow(36, 32, "L2 Position", 90, 100),
    floatRow(37, 33, "L2 Height", 80, 0, 400, 0, 100, 0, true),
    pointRow(38, 41, "L2 Target", 50, 50, 0x200),
    colorRow(39, 34, "L2 Color", 10, 30, 80),
    floatRow(40, 35, "L2 Intensity", 100, 0, 200, 0, 200, 0, true),
    groupRow(41, 36, PF_Param_GROUP_END, ""),
    groupRow(42, 37, PF_Param_GROUP_END, ""),
};

PF_Fixed fixed(double whole) { return static_cast<PF_Fixed>(whole * 65536); }

bool allZero(const void* bytes, std::size_t size) {
  const auto* p = static_cast<const unsigned char*>(bytes);
  return std::all_of(p, p + size, [](unsigned char b) { return b == 0; });
}

class ParamsSetupTest : public ostra::test::ModuleTest {
 protected:
  PF_Err setup() { return host().send(PF_Cmd_PARAMS_SETUP).err; }
};

TEST_F(ParamsSetupTest, DeclaresFortyTwoParametersAfterTheInputLayer) {
  ASSERT_EQ(setup(), PF_Err_NONE);
  EXPECT_EQ(host().params().size(), 43);
  EXPECT_EQ(host().outData().num_params, 43);
  EXPECT_STREQ(host().params().declared(16).name, "Map Type");
  EXPECT_EQ(host().params().declared(16).uu.id, 15);
  EXPECT_STREQ(host().params().declared(27).name, "L1 Type");
  EXPECT_EQ(host().params().declared(27).uu.id, 38);
  EXPECT_STREQ(host().params().declared(30).name, "L1 Target");
  EXPECT_EQ(host().params().declared(30).uu.id, 39);

  ASSERT_TRUE(host().params().customUi().has_value());
  const PF_CustomUIInfo ui = *host().params().customUi();
  EXPECT_EQ(ui.reserved, 0);
  EXPECT_EQ(ui.events, 7);
  EXPECT_TRUE(allZero(&ui.comp_ui_width, sizeof(ui) - offsetof(PF_CustomUIInfo, comp_ui_width)));
}

TEST_F(ParamsSetupTest, EveryRecordMatchesThePublishedList) {
  ASSERT_EQ(setup(), PF_Err_NONE);
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string("index ") + std::to_string(row.index) + " " + row.name);
    const PF_ParamDef& p = host().params().declared(row.index);
    EXPECT_EQ(p.uu.id, row.id);
    EXPECT_EQ(p.param_type, row.type);
    EXPECT_STREQ(p.name, row.name);
    EXPECT_EQ(p.flags, row.flags);
    EXPECT_EQ(p.ui_flags, row.uiFlags);
    EXPECT_EQ(p.ui_width, row.index == 1 ? 200 : 0);
    EXPECT_EQ(p.ui_height, row.index == 1 ? 50 : 0);
    EXPECT_EQ(p.unused, 0);
    const PF_ParamDefUnion& u = p.u;
    switch (row.type) {
      case PF_Param_FLOAT_SLIDER:
        EXPECT_EQ(u.fs_d.value, row.d0);
        EXPECT_EQ(u.fs_d.dephault, static_cast<float>(row.d0));
        EXPECT_EQ(u.fs_d.valid_min, static_cast<float>(row.validMin));
        EXPECT_EQ(u.fs_d.valid_max, static_cast<float>(row.validMax));
        EXPECT_EQ(u.fs_d.slider_min, static_cast<float>(row.sliderMin));
        EXPECT_EQ(u.fs_d.slider_max, static_cast<float>(row.sliderMax));
        EXPECT_EQ(u.fs_d.precision, row.precision);
        EXPECT_EQ(u.fs_d.display_flags, row.percent ? 1 : 0);
        EXPECT_EQ(u.fs_d.fs_flags, 0u);
        EXPECT_EQ(u.fs_d.curve_tolerance, 0.05f);
        break;
      case PF_Param_FIX_SLIDER:
        EXPECT_EQ(u.fd.value, fixed(row.d0));
        EXPECT_EQ(u.fd.dephault, fixed(row.d0));
        EXPECT_EQ(u.fd.valid_min, fixed(row.validMin));
        EXPECT_EQ(u.fd.valid_max, fixed(row.validMax));
        EXPECT_EQ(u.fd.slider_min, fixed(row.sliderMin));
        EXPECT_EQ(u.fd.slider_max, fixed(row.sliderMax));
        EXPECT_EQ(u.fd.precision, row.precision);
        EXPECT_EQ(u.fd.display_flags, row.percent ? 1 : 0);
        break;
      case PF_Param_SLIDER:
        EXPECT_EQ(u.sd.value, row.d0);
        EXPECT_EQ(u.sd.dephault, row.d0);
        EXPECT_EQ(u.sd.valid_min, row.validMin);
        EXPECT_EQ(u.sd.valid_max, row.validMax);
        EXPECT_EQ(u.sd.slider_min, row.sliderMin);
        EXPECT_EQ(u.sd.slider_max, row.sliderMax);
        break;
      case PF_Param_POINT:
        EXPECT_EQ(u.td.x_dephault, fixed(row.d0));
        EXPECT_EQ(u.td.y_dephault, fixed(row.d1));
        EXPECT_EQ(u.td.x_value, fixed(row.d0));
        EXPECT_EQ(u.td.y_value, fixed(row.d1));
        EXPECT_EQ(u.td.restrict_bounds, 0);
        break;
      case PF_Param_COLOR:
        for (const PF_Pixel& c : {u.cd.value, u.cd.dephault}) {
          EXPECT_EQ(c.alpha, 255);
          EXPECT_EQ(c.red, row.d0);
          EXPECT_EQ(c.green, row.d1);
          EXPECT_EQ(c.blue, row.d2);
        }
        break;
      case PF_Param_POPUP:
        EXPECT_EQ(u.pd.value, row.d0);
        EXPECT_EQ(u.pd.dephault, row.d0);
        EXPECT_STREQ(u.pd.u.namesptr, row.choices);
        EXPECT_EQ(u.pd.num_choices,
                  std::count(row.choices, row.choices + std::strlen(row.choices), '|') + 1);
        break;
      default:  // layer (no layer chosen), angle (0 degrees, no range), no data, groups
        EXPECT_TRUE(allZero(&u, sizeof(u))) << "union data where none belongs";
        break;
    }
  }
}

TEST_F(ParamsSetupTest, OnlyTheHeaderAndTheTwoTargetsCarryInterfaceFlags) {
  ASSERT_EQ(setup(), PF_Err_NONE);
  for (int index = 1; index < 43; ++index) {
    const PF_ParamUIFlags flags = host().params().declared(index).ui_flags;
    if (index == 30 || index == 38) {
      EXPECT_EQ(flags, PF_PUI_INVISIBLE) << index;
    } else if (index != 1) {
      EXPECT_EQ(flags, 0) << index;
    }
  }
  // A fresh instance's popups: Color, High, and Point Light twice.
  const auto choice = [&](int index) {
    const PF_ParamDef record = host().params().recordAt(index, 0);
    return host().params().choices(index).at(static_cast<std::size_t>(record.u.pd.value - 1));
  };
  EXPECT_EQ(choice(16), "Color");
  EXPECT_EQ(choice(25), "High");
  EXPECT_EQ(choice(27), "Point Light");
  EXPECT_EQ(choice(35), "Point Light");
}

TEST_F(ParamsSetupTest, ARefusedParameterEndsTheDeclarationWithTheHostsOwnError) {
  constexpr PF_Err kHostError = 0x1234;
  host().params().failAddParam(5, kHostError);
  EXPECT_EQ(setup(), kHostError);
  EXPECT_EQ(host().params().size(), 1 + 4);
  EXPECT_EQ(host().params().registerUiCalls(), 0);
  EXPECT_EQ(host().outData().num_params, 43);
}

}  // namespace
