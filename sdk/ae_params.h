// Parameter records exchanged at Params Setup and at every checkout.
#pragma once

#include "ae_world.h"

struct PF_SliderDef {
  A_long value;
  A_long valid_min;
  A_long valid_max;
  A_long slider_min;
  A_long slider_max;
  A_long dephault;
};

struct PF_FixedSliderDef {
  PF_Fixed value;
  PF_Fixed valid_min;
  PF_Fixed valid_max;
  PF_Fixed slider_min;
  PF_Fixed slider_max;
  PF_Fixed dephault;
  A_short precision;
  A_short display_flags;
};

struct PF_FloatSliderDef {
  double value;
  float valid_min;
  float valid_max;
  float slider_min;
  float slider_max;
  float dephault;
  A_short precision;
  A_short display_flags;
  A_u_long fs_flags;
  float curve_tolerance;
};

struct PF_AngleDef {
  PF_Fixed value;
  PF_Fixed dephault;
  PF_Fixed valid_min;
  PF_Fixed valid_max;
};

struct PF_ColorDef {
  PF_Pixel value;
  PF_Pixel dephault;
};

struct PF_PointDef {
  PF_Fixed x_value;
  PF_Fixed y_value;
  A_char restrict_bounds;
  PF_Fixed x_dephault;
  PF_Fixed y_dephault;
};

struct PF_PopupDef {
  A_long value;
  A_short num_choices;
  A_short dephault;
  union {
    const A_char* namesptr;
  } u;
};

struct PF_CheckBoxDef {
  A_long value;
  A_long dephault;
};

union PF_ParamDefUnion {
  PF_LayerDef ld;
  PF_SliderDef sd;
  PF_FixedSliderDef fd;
  PF_AngleDef ad;
  PF_CheckBoxDef bd;
  PF_ColorDef cd;
  PF_PointDef td;
  PF_PopupDef pd;
  PF_FloatSliderDef fs_d;
};

struct PF_ParamDef {
  union {
    A_long id;
    A_long change_flags;
  } uu;
  PF_ParamUIFlags ui_flags;
  A_short ui_width;
  A_short ui_height;
  PF_ParamType param_type;
  A_char name[32];
  PF_ParamFlags flags;
  A_long unused;
  PF_ParamDefUnion u;
};
using PF_ParamDefPtr = PF_ParamDef*;
using PF_ParamList = PF_ParamDef**;

// The custom interface an effect registers at Params Setup.
struct PF_CustomUIInfo {
  A_long reserved;
  A_long events;
  A_long comp_ui_width;
  A_long comp_ui_height;
  A_long comp_ui_alignment;
  A_long layer_ui_width;
  A_long layer_ui_height;
  A_long layer_ui_alignment;
  A_long preview_ui_width;
  A_long preview_ui_height;
  A_long preview_ui_alignment;
};
