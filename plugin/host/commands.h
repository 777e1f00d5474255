// The command handlers the entry point routes to.
#pragma once

#include "sdk/ae_effect.h"

namespace Kestrix::Bevel {

// Routes one host command; never lets an exception out (see dispatch.cpp for the codes).
PF_Err dispatchCommand(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                       PF_LayerDef* output, void* extra);

PF_Err HandleAbout(PF_InData* in_data, PF_OutData* out_data);
PF_Err HandleGlobalSetup(PF_InData* in_data, PF_OutData* out_data);
PF_Err HandleGlobalSetdown(PF_InData* in_data, PF_OutData* out_data);
PF_Err HandleParamsSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                         PF_LayerDef* output);
PF_Err HandleRender(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                    PF_LayerDef* output);
PF_Err HandleUserChangedParam(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                              void* extra);
PF_Err HandleUpdateParamsUI(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                            PF_LayerDef* output);
PF_Err HandleEvent(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                   PF_LayerDef* output, void* extra);

}  // namespace Kestrix::Bevel
