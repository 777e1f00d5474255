// The module's one export.
#include "plugin/host/commands.h"

#if defined(_WIN32)
#define OSTRA_EXPORT
#else
#define OSTRA_EXPORT __attribute__((visibility("default")))
#endif

extern "C" OSTRA_EXPORT PF_Err EntryPointFunc(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                              PF_ParamDef* params[], PF_LayerDef* output,
                                              void* extra) {
  return Kestrix::Bevel::dispatchCommand(cmd, in_data, out_data, params, output, extra);
}
