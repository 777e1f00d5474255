// Commands whose handlers are still to come answer 0, as unserved commands do.
#include "plugin/host/commands.h"

namespace Kestrix::Bevel {

PF_Err HandleParamsSetup(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) {
  return PF_Err_NONE;
}
PF_Err HandleRender(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) { return PF_Err_NONE; }

}  // namespace Kestrix::Bevel
