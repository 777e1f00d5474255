// One instance of the effect in the host simulator: loaded, set up, its parameters declared.
#pragma once

#include <string>

#include "hostsim/host.h"

namespace ostra::cli {

class EffectSession {
 public:
  // Loads the module and sends Global Setup (unless `gpu` is false: Params Setup needs no
  // OpenGL, and Global Setup prints the module's OpenGL report) and Params Setup; throws
  // std::runtime_error naming the command that failed.
  explicit EffectSession(const std::string& modulePath, bool gpu = true);
  // Sends Global Setdown if Global Setup was sent.
  ~EffectSession();
  EffectSession(const EffectSession&) = delete;
  EffectSession& operator=(const EffectSession&) = delete;

  hostsim::Host& host() { return host_; }

 private:
  hostsim::Host host_;
  bool setUp_ = false;
};

// Throws std::runtime_error naming `what` when the command failed or left the host's context
// changed.
void sendOrThrow(hostsim::Host& host, PF_Cmd cmd, const char* what, PF_ParamDef** params = nullptr,
                 PF_LayerDef* output = nullptr, void* extra = nullptr);

}  // namespace ostra::cli
