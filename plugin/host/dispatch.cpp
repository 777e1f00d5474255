#include <exception>
#include <new>

#include "plugin/host/commands.h"

namespace Kestrix::Bevel {

// Every failure ends at this boundary: an exception that reached the host would take the whole
// application down. Integer codes become PF_Err_BAD_CALLBACK_PARAM; memory exhaustion becomes
// PF_Err_OUT_OF_MEMORY; a context fault, a Drawbot failure or any other exception becomes
// PF_Err_INTERNAL_STRUCT_DAMAGED. The handlers' context guards have restored the host's OpenGL
// contexts by the time the exception arrives here.
PF_Err dispatchCommand(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                       PF_LayerDef* output, void* extra) {
  try {
    switch (cmd) {
      case PF_Cmd_ABOUT:
        return HandleAbout(in_data, out_data);
      case PF_Cmd_GLOBAL_SETUP:
        return HandleGlobalSetup(in_data, out_data);
      case PF_Cmd_GLOBAL_SETDOWN:
        return HandleGlobalSetdown(in_data, out_data);
      case PF_Cmd_PARAMS_SETUP:
        return HandleParamsSetup(in_data, out_data, params, output);
      case PF_Cmd_RENDER:
        return HandleRender(in_data, out_data, params, output);
      case PF_Cmd_USER_CHANGED_PARAM:
        return HandleUserChangedParam(in_data, out_data, params, extra);
      case PF_Cmd_UPDATE_PARAMS_UI:
        return HandleUpdateParamsUI(in_data, out_data, params, output);
      case PF_Cmd_EVENT:
        return HandleEvent(in_data, out_data, params, output, extra);
      default:
        return PF_Err_NONE;
    }
  } catch (int) {
    return PF_Err_BAD_CALLBACK_PARAM;
  } catch (const std::bad_alloc&) {
    return PF_Err_OUT_OF_MEMORY;
  } catch (...) {
    return PF_Err_INTERNAL_STRUCT_DAMAGED;
  }
}

}  // namespace Kestrix::Bevel
