// Basic scalar types, error codes, command numbers and flags of the host's effect protocol.
// Our own declarations, written from the published names; the layout is ours.
#pragma once

#include <cstdint>

using A_char = char;
using A_u_char = uint8_t;
using A_short = int16_t;
using A_u_short = uint16_t;
using A_long = int32_t;
using A_u_long = uint32_t;
using A_longlong = int64_t;
using A_u_longlong = uint64_t;
using A_Boolean = uint8_t;
using A_Err = int32_t;
using PF_Err = int32_t;
using PF_Fixed = int32_t;
using PF_ParamIndex = A_long;
using PF_ParamType = A_long;
using PF_ParamFlags = A_long;
using PF_ParamUIFlags = A_long;
using PF_OutFlags = A_long;
using PF_OutFlags2 = A_long;
using PF_ProgPtr = void*;
using PF_Handle = void**;
using AEGP_PluginID = A_long;

// Error codes.
enum : PF_Err {
  PF_Err_NONE = 0,
  PF_Err_OUT_OF_MEMORY = 4,
  A_Err_MISSING_SUITE = 13,
  PF_Err_INTERNAL_STRUCT_DAMAGED = 512,
  PF_Err_INVALID_INDEX = 513,
  PF_Err_UNRECOGNIZED_PARAM_TYPE = 514,
  PF_Err_INVALID_CALLBACK = 515,
  PF_Err_BAD_CALLBACK_PARAM = 516,
};

// Command numbers.
enum PF_Cmd : A_long {
  PF_Cmd_ABOUT = 0,
  PF_Cmd_GLOBAL_SETUP = 1,
  PF_Cmd_UNUSED_0 = 2,
  PF_Cmd_GLOBAL_SETDOWN = 3,
  PF_Cmd_PARAMS_SETUP = 4,
  PF_Cmd_SEQUENCE_SETUP = 5,
  PF_Cmd_SEQUENCE_RESETUP = 6,
  PF_Cmd_SEQUENCE_FLATTEN = 7,
  PF_Cmd_SEQUENCE_SETDOWN = 8,
  PF_Cmd_DO_DIALOG = 9,
  PF_Cmd_FRAME_SETUP = 10,
  PF_Cmd_RENDER = 11,
  PF_Cmd_FRAME_SETDOWN = 12,
  PF_Cmd_USER_CHANGED_PARAM = 13,
  PF_Cmd_UPDATE_PARAMS_UI = 14,
  PF_Cmd_EVENT = 15,
  PF_Cmd_GET_EXTERNAL_DEPENDENCIES = 16,
  PF_Cmd_COMPLETELY_GENERAL = 17,
  PF_Cmd_QUERY_DYNAMIC_FLAGS = 18,
  PF_Cmd_AUDIO_RENDER = 19,
  PF_Cmd_AUDIO_SETUP = 20,
};

// Global out flags.
enum : PF_OutFlags {
  PF_OutFlag_NONE = 0,
  PF_OutFlag_DISPLAY_ERROR_MESSAGE = 1 << 10,
  PF_OutFlag_CUSTOM_UI = 1 << 15,
};
enum : PF_OutFlags2 {
  PF_OutFlag2_NONE = 0,
  PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG = 1 << 3,
};

// Parameter types.
enum : PF_ParamType {
  PF_Param_LAYER = 0,
  PF_Param_SLIDER = 1,
  PF_Param_FIX_SLIDER = 2,
  PF_Param_ANGLE = 3,
  PF_Param_CHECKBOX = 4,
  PF_Param_COLOR = 5,
  PF_Param_POINT = 6,
  PF_Param_POPUP = 7,
  PF_Param_NO_DATA = 9,
  PF_Param_FLOAT_SLIDER = 10,
  PF_Param_GROUP_START = 13,
  PF_Param_GROUP_END = 14,
};

// Parameter flags and user-interface flags.
enum : PF_ParamFlags {
  PF_ParamFlag_CANNOT_TIME_VARY = 1 << 1,
  PF_ParamFlag_CANNOT_INTERP = 1 << 2,
  PF_ParamFlag_SUPERVISE = 1 << 6,
  PF_ParamFlag_START_COLLAPSED = 1 << 7,
};
enum : PF_ParamUIFlags {
  PF_PUI_NONE = 0,
  PF_PUI_TOPIC = 1 << 0,
  PF_PUI_CONTROL = 1 << 1,
  PF_PUI_INVISIBLE = 1 << 9,
};
enum : A_short {
  PF_ValueDisplayFlag_NONE = 0,
  PF_ValueDisplayFlag_PERCENT = 1,
};

// Custom interface event flags.
enum : A_long {
  PF_CustomEFlag_NONE = 0,
  PF_CustomEFlag_COMP = 1 << 0,
  PF_CustomEFlag_LAYER = 1 << 1,
  PF_CustomEFlag_EFFECT = 1 << 2,
};

// Dynamic stream flags.
using AEGP_DynStreamFlags = A_long;
enum : AEGP_DynStreamFlags {
  AEGP_DynStreamFlag_ACTIVE_EYEBALL = 1 << 0,
  AEGP_DynStreamFlag_HIDDEN = 1 << 1,
  AEGP_DynStreamFlag_DISABLED = 1 << 4,
};
