// Commands whose handlers are still to come answer 0, as unserved commands do.
#include "plugin/host/commands.h"

namespace Kestrix::Bevel {

PF_Err HandleUserChangedParam(PF_InData*, PF_OutData*, PF_ParamDef*[], void*) {
  return PF_Err_NONE;
}
PF_Err HandleUpdateParamsUI(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) {
  return PF_Err_NONE;
}
PF_Err HandleEvent(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*, void*) {
  return PF_Err_NONE;
}

}  // namespace Kestrix::Bevel
