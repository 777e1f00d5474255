#include "hostsim/host.h"

#include <stdexcept>

#include "hostsim/ansi_suite.h"
#include "hostsim/basic_suite.h"
#include "hostsim/default_suites.h"
#include "hostsim/interact_callbacks.h"

namespace ostra::hostsim {
namespace {

EffectListing readListing(const Module& module) {
  return listingFromPipl(decodePipl(module.piplBytes()));
}

// Whatever happens in the call, the context is let go on this thread afterwards.
struct ReleaseCurrentOnExit {
  ~ReleaseCurrentOnExit() { wglMakeCurrent(nullptr, nullptr); }
};

}  // namespace

Host::Host(const std::string& modulePath)
    : claim_(*this),
      streams_(this),
      paramUI_(this),
      module_(modulePath),
      listing_(readListing(module_)),
      entry_(module_.entryPoint(listing_.entryPoint)) {
  registerDefaultSuites(registry_);
  utils_.ansi = ansiCallbacks();
  utils_.get_pixel_data8 = getPixelData8;
  basic_ = basicSuite();

  inData_.inter = interactCallbacks();
  inData_.num_params = params_.size();
  inData_.utils = &utils_;
  inData_.effect_ref = this;
  inData_.pica_basicP = &basic_;
  inData_.version_major = 13;
  inData_.version_minor = 28;
  inData_.current_time = 0;
  inData_.time_step = 1;
  inData_.local_time_step = 1;
  inData_.time_scale = 30;
  inData_.width = 0;
  inData_.height = 0;
  inData_.downsample_x = {1, 1};
  inData_.downsample_y = {1, 1};
  inData_.pixel_aspect_ratio = {1, 1};
}

Host::~Host() = default;

CallResult Host::send(PF_Cmd cmd, PF_ParamDef** params, PF_LayerDef* output, void* extra) {
  std::lock_guard lock(sendMutex_);
  const bool own = mode_ == HostContext::Own;
  ReleaseCurrentOnExit releaseOnExit;
  // Releasing with nothing current fails under Wine's WGL, so only a current context is let go.
  const bool set = own ? wglMakeCurrent(hostDC(), hostGLContext())
                       : wglGetCurrentContext() == nullptr || wglMakeCurrent(nullptr, nullptr);
  if (!set) throw std::runtime_error("host could not set its GL context before the call");

  CallResult result;
  result.err = entry_(cmd, &inData_, &outData_, params, output, extra);
  const HGLRC expectedContext = own ? hostGLContext() : nullptr;
  const HDC expectedDC = own ? hostDC() : nullptr;
  result.hostContextCurrent =
      wglGetCurrentContext() == expectedContext && wglGetCurrentDC() == expectedDC;
  return result;
}

CallResult Host::changeParam(int index, const ParamValue& value) {
  params_.setValue(index, value);
  if ((params_.declared(index).flags & PF_ParamFlag_SUPERVISE) == 0) {
    CallResult none;
    none.hostContextCurrent = true;
    return none;
  }
  ParamArray records = paramArray();
  PF_UserChangedParamExtra changed{static_cast<PF_ParamIndex>(index)};
  return send(PF_Cmd_USER_CHANGED_PARAM, records.data(), nullptr, &changed);
}

ParamArray Host::paramArray() const { return params_.arrayAt(currentSeconds()); }

double Host::currentSeconds() const {
  return inData_.time_scale == 0 ? 0.0
                                 : static_cast<double>(inData_.current_time) / inData_.time_scale;
}

void Host::setDownsample(A_u_long denominator) {
  inData_.downsample_x = {1, denominator};
  inData_.downsample_y = {1, denominator};
}

void Host::setHostContext(HostContext mode) {
  std::lock_guard lock(sendMutex_);
  mode_ = mode;
}

void Host::registerSuite(const std::string& name, int version, const void* table) {
  registry_.registerSuite(name, version, table);
}

void Host::refuseSuite(const std::string& name, bool refused) {
  registry_.refuseSuite(name, refused);
}

int Host::outstandingSuites() const { return registry_.outstanding(); }

std::vector<std::string> Host::acquireLog() const { return registry_.log(); }

}  // namespace ostra::hostsim
