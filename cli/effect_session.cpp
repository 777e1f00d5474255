#include "effect_session.h"

#include <stdexcept>

namespace ostra::cli {

void sendOrThrow(hostsim::Host& host, PF_Cmd cmd, const char* what, PF_ParamDef** params,
                 PF_LayerDef* output, void* extra) {
  const hostsim::CallResult result = host.send(cmd, params, output, extra);
  if (result.err != PF_Err_NONE) {
    throw std::runtime_error(std::string(what) + " failed with error " +
                             std::to_string(result.err));
  }
  if (!result.hostContextCurrent) {
    throw std::runtime_error(std::string(what) + " left the host's OpenGL context changed");
  }
}

EffectSession::EffectSession(const std::string& modulePath, bool gpu) : host_(modulePath) {
  if (gpu) {
    sendOrThrow(host_, PF_Cmd_GLOBAL_SETUP, "Global Setup");
    setUp_ = true;
  }
  try {
    sendOrThrow(host_, PF_Cmd_PARAMS_SETUP, "Params Setup");
  } catch (...) {
    if (setUp_) host_.send(PF_Cmd_GLOBAL_SETDOWN);
    throw;
  }
}

EffectSession::~EffectSession() {
  if (!setUp_) return;
  try {
    host_.send(PF_Cmd_GLOBAL_SETDOWN);
  } catch (...) {
    // The process is about to report its own result; a failed setdown must not end it.
  }
}

}  // namespace ostra::cli
