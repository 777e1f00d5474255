// The host suites an effect acquires by name and version (Drawbot's are in drawbot.h).
#pragma once

#include "ae_effect.h"
#include "drawbot.h"

struct _AEGP_EffectRefH;
using AEGP_EffectRefH = _AEGP_EffectRefH*;
struct _AEGP_StreamRefH;
using AEGP_StreamRefH = _AEGP_StreamRefH*;

inline constexpr const char* kPFANSISuite = "PF ANSI Suite";
inline constexpr int32_t kPFANSISuiteVersion1 = 1;
inline constexpr const char* kPFParamUtilsSuite = "PF Param Utils Suite";
inline constexpr int32_t kPFParamUtilsSuiteVersion3 = 3;
inline constexpr const char* kAEGPPFInterfaceSuite = "AEGP PF Interface Suite";
inline constexpr int32_t kAEGPPFInterfaceSuiteVersion1 = 1;
inline constexpr const char* kAEGPEffectSuite = "AEGP Effect Suite";
inline constexpr int32_t kAEGPEffectSuiteVersion2 = 2;
inline constexpr const char* kAEGPStreamSuite = "AEGP Stream Suite";
inline constexpr int32_t kAEGPStreamSuiteVersion7 = 7;
inline constexpr const char* kAEGPDynamicStreamSuite = "AEGP Dynamic Stream Suite";
inline constexpr int32_t kAEGPDynamicStreamSuiteVersion2 = 2;
inline constexpr const char* kPFHandleSuite = "PF Handle Suite";
inline constexpr int32_t kPFHandleSuiteVersion2 = 2;
inline constexpr const char* kPFAppSuite = "PF AE App Suite";
inline constexpr int32_t kPFAppSuiteVersion6 = 6;
inline constexpr const char* kPFEffectCustomUISuite = "PF Effect Custom UI Suite";
inline constexpr int32_t kPFEffectCustomUISuiteVersion1 = 1;

struct PF_ANSICallbacksSuite1 {
  A_long (*sprintf)(A_char* buffer, const A_char* format, ...);
  A_char* (*strcpy)(A_char* dest, const A_char* src);
};

struct PF_ParamUtilsSuite3 {
  PF_Err (*PF_UpdateParamUI)(PF_ProgPtr effect_ref, PF_ParamIndex param_index,
                             const PF_ParamDef* defP);
};

struct AEGP_PFInterfaceSuite1 {
  A_Err (*AEGP_GetNewEffectForEffect)(AEGP_PluginID aegp_plugin_id, PF_ProgPtr effect_ref,
                                      AEGP_EffectRefH* effectPH);
};

struct AEGP_EffectSuite2 {
  A_Err (*AEGP_DisposeEffect)(AEGP_EffectRefH effectH);
};

struct AEGP_StreamSuite7 {
  A_Err (*AEGP_GetNewEffectStreamByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effectH,
                                          PF_ParamIndex param_index, AEGP_StreamRefH* streamPH);
  A_Err (*AEGP_DisposeStream)(AEGP_StreamRefH streamH);
};

struct AEGP_DynamicStreamSuite2 {
  A_Err (*AEGP_GetDynamicStreamFlags)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags* flagsP);
  A_Err (*AEGP_SetDynamicStreamFlag)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags one_flag,
                                     A_Boolean undoableB, A_Boolean setB);
};

struct PF_HandleSuite2 {
  PF_Handle (*host_new_handle)(A_u_longlong size);
  void* (*host_lock_handle)(PF_Handle pf_handle);
  void (*host_unlock_handle)(PF_Handle pf_handle);
  void (*host_dispose_handle)(PF_Handle pf_handle);
  A_u_longlong (*host_get_handle_size)(PF_Handle pf_handle);
};

struct PF_App_Color {
  A_u_short red;
  A_u_short green;
  A_u_short blue;
};

struct PFAppSuite6 {
  PF_Err (*PF_AppGetBgColor)(PF_App_Color* bg_colorP);
};

struct PF_EffectCustomUISuite1 {
  PF_Err (*PF_GetDrawingReference)(const PF_ContextH effect_contextH, DRAWBOT_DrawRef* referenceP0);
};
