// The records of one command: in data with its callbacks, out data, and the extras.
#pragma once

#include "ae_params.h"
#include "sp_basic.h"

struct PF_ANSICallbacks {
  A_long (*sprintf)(A_char* buffer, const A_char* format, ...);
  A_char* (*strcpy)(A_char* dest, const A_char* src);
};

struct PF_UtilCallbacks {
  PF_ANSICallbacks ansi;
  PF_Err (*get_pixel_data8)(PF_EffectWorld* world, PF_PixelPtr pixels, PF_Pixel8** pixPP);
};

struct PF_InteractCallbacks {
  PF_Err (*checkout_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long what_time,
                           A_long time_step, A_u_long time_scale, PF_ParamDef* param);
  PF_Err (*checkin_param)(PF_ProgPtr effect_ref, PF_ParamDef* param);
  PF_Err (*add_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDefPtr def);
  PF_Err (*register_ui)(PF_ProgPtr effect_ref, PF_CustomUIInfo* cust_info);
};

struct PF_InData {
  PF_InteractCallbacks inter;
  PF_UtilCallbacks* utils;
  PF_ProgPtr effect_ref;
  A_long version_major;
  A_long version_minor;
  A_long appl_id;
  A_long num_params;
  A_long what_cpu;
  A_long what_fpu;
  A_long current_time;
  A_long time_step;
  A_long total_time;
  A_long local_time_step;
  A_u_long time_scale;
  A_long width;
  A_long height;
  PF_RationalScale downsample_x;
  PF_RationalScale downsample_y;
  PF_RationalScale pixel_aspect_ratio;
  SPBasicSuite* pica_basicP;
};

struct PF_OutData {
  A_u_long my_version;
  A_char name[32];
  void* global_data;
  A_long num_params;
  void* sequence_data;
  A_long flat_sdata_size;
  void* frame_data;
  A_long width;
  A_long height;
  A_long origin_h;
  A_long origin_v;
  PF_OutFlags out_flags;
  A_char return_msg[256];
  PF_OutFlags2 out_flags2;
};

struct PF_UserChangedParamExtra {
  PF_ParamIndex param_index;
};

// Event extras.
enum : A_long {
  PF_Window_COMP = 0,
  PF_Window_LAYER = 1,
  PF_Window_EFFECT = 2,
};
enum : A_long {
  PF_Event_NEW_CONTEXT = 0,
  PF_Event_ACTIVATE = 1,
  PF_Event_DO_CLICK = 2,
  PF_Event_DRAG = 3,
  PF_Event_DRAW = 4,
  PF_Event_DEACTIVATE = 5,
  PF_Event_CLOSE_CONTEXT = 6,
  PF_Event_IDLE = 7,
  PF_Event_ADJUST_CURSOR = 9,
  PF_Event_KEYDOWN = 10,
};
enum : A_long {
  PF_EA_NONE = 0,
  PF_EA_TITLE = 1,
  PF_EA_CONTROL = 2,
};
enum : A_long {
  PF_EO_NONE = 0,
  PF_EO_HANDLED_EVENT = 1,
};
enum : A_long {
  PF_Cursor_NONE = 0,
  PF_Cursor_FINGER_POINTER = 23,
};

struct PF_Context {
  A_u_long magic;
  A_long w_type;
  A_long reserved_flt;
  void* reserved_contextH;
};
using PF_ContextH = PF_Context**;

struct PF_Point {
  A_long h;
  A_long v;
};

struct PF_DoClickEventInfo {
  PF_Point screen_point;
  A_long modifiers;
  A_long num_clicks;
};

struct PF_DrawEventInfo {
  PF_Rect update_rect;
  A_long depth;
};

struct PF_AdjustCursorEventInfo {
  PF_Point screen_point;
  A_long modifiers;
  A_long set_cursor;
};

union PF_EventUnion {
  PF_DoClickEventInfo do_click;
  PF_DrawEventInfo draw;
  PF_AdjustCursorEventInfo adjust_cursor;
};

struct PF_EffectWindowInfo {
  PF_ParamIndex index;
  A_long area;
  PF_Rect current_frame;
  PF_Rect param_title_frame;
  A_long horiz_offset;
};

struct PF_EventExtra {
  PF_ContextH contextH;
  A_long e_type;
  PF_EventUnion u;
  PF_EffectWindowInfo effect_win;
  A_long evt_in_flags;
  A_long evt_out_flags;
};

// The one function an effect exports.
using PF_EntryFunc = PF_Err (*)(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                PF_ParamDef* params[], PF_LayerDef* output, void* extra);
