// A host of our own: loads an effect module, lists it from its PiPL, and sends it commands with
// in and out data, suites and an OpenGL context of the host's, the way the real host does.
//
// One Host at a time per process: the basic suite's callbacks find the Host through a
// process-wide slot, so constructing a second Host while one lives throws std::logic_error.
// Calls into the host (suites, send) may come from any thread while it lives.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "hostsim/app_suite.h"
#include "hostsim/current_host.h"
#include "hostsim/custom_ui_suite.h"
#include "hostsim/drawbot_host.h"
#include "hostsim/effect_listing.h"
#include "hostsim/effect_streams.h"
#include "hostsim/handle_suite.h"
#include "hostsim/host_gl_context.h"
#include "hostsim/module.h"
#include "hostsim/param_store.h"
#include "hostsim/param_utils_suite.h"
#include "hostsim/pixel_data.h"
#include "hostsim/suite_registry.h"
#include "platform/win32.h"
#include "sdk/ae_effect.h"

namespace ostra::hostsim {

// Which context is current on the calling thread when a command is sent.
enum class HostContext { Own, None };

struct CallResult {
  PF_Err err = PF_Err_NONE;
  // The module left current what the host had made current before the call: its own context
  // and device context (HostContext::Own) or none at all (HostContext::None).
  bool hostContextCurrent = false;
};

class Host {
 public:
  // Throws ModuleError (no module, no PiPL, no such export), PiplError (malformed PiPL) or
  // std::runtime_error (the host's GL context could not be made).
  explicit Host(const std::string& modulePath);
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  const EffectListing& listing() const { return listing_; }
  // The export the PiPL's "8664" property names.
  PF_EntryFunc entry() const { return entry_; }

  // effect_ref points at this Host.
  PF_InData& inData() { return inData_; }
  PF_OutData& outData() { return outData_; }

  // Calls are serialised. The host's context is made current (or none is) on the calling thread
  // for the call, and none is current afterwards, so the next call may come from another thread.
  CallResult send(PF_Cmd cmd, PF_ParamDef** params = nullptr, PF_LayerDef* output = nullptr,
                  void* extra = nullptr);
  void setHostContext(HostContext mode);
  HGLRC hostGLContext() const { return glContext_.context(); }
  HDC hostDC() const { return glContext_.dc(); }

  void registerSuite(const std::string& name, int version, const void* table);
  void refuseSuite(const std::string& name, bool refused = true);
  int outstandingSuites() const;
  std::vector<std::string> acquireLog() const;
  SuiteRegistry& suiteRegistry() { return registry_; }

  // The instance's parameters: what Params Setup declared and the values checkout hands out.
  ParamStore& params() { return params_; }
  const ParamStore& params() const { return params_; }
  // A user's change of one parameter: the new static value, then, for a supervised parameter
  // (PF_ParamFlag_SUPERVISE), PF_Cmd_USER_CHANGED_PARAM with the current records, as the host
  // sends it. Returns that command's result (a default one when none was sent).
  CallResult changeParam(int index, const ParamValue& value);
  // The records of every parameter at in_data's current time, for a command's `params`.
  ParamArray paramArray() const;
  // in_data's current time, in seconds.
  double currentSeconds() const;
  // Renders at 1/`denominator` of full resolution in both directions, as a preview does.
  void setDownsample(A_u_long denominator);

  // "PF Handle Suite" v2 allocations: handles not yet disposed of, and a null from the next
  // host_new_handle. Refuse the suite itself with refuseSuite(kPFHandleSuite).
  int liveHandles() const { return handles_.live(); }
  void failNextHandleAllocation() { handles_.failNextAllocation(); }
  HandleHeap& handleHeap() { return handles_; }

  // utils->get_pixel_data8: after `succeeding` more good calls, the next one returns `err`.
  void failPixelData(PF_Err err, int succeeding = 0) { pixelData_.failAfter(succeeding, err); }
  int pixelDataCalls() const { return pixelData_.calls(); }
  PixelDataService& pixelData() { return pixelData_; }

  // The effect's interface in the host's panels: stream flags (visibility), redraw requests,
  // the panel colour, the contexts of events being sent (see effect_event.h) and Drawbot.
  EffectStreams& effectStreams() { return streams_; }
  bool streamHidden(PF_ParamIndex index) const { return streams_.hidden(index); }
  void setStreamHidden(PF_ParamIndex index, bool hidden) { streams_.setHidden(index, hidden); }
  ParamUIUpdates& paramUIUpdates() { return paramUI_; }
  AppLook& appLook() { return appLook_; }
  void setPanelColor(const PF_App_Color& color) { appLook_.setPanelColor(color); }
  EventContexts& eventContexts() { return eventContexts_; }
  DrawbotHost& drawbot() { return drawbot_; }

 private:
  // Declared in the order they are needed: the claim first and released last; the suites
  // outlive the module, whose unloading may still release one.
  detail::CurrentHostClaim claim_;
  HandleHeap handles_;
  PixelDataService pixelData_;
  ParamStore params_;
  EffectStreams streams_;
  ParamUIUpdates paramUI_;
  AppLook appLook_;
  EventContexts eventContexts_;
  DrawbotHost drawbot_;
  SuiteRegistry registry_;
  PF_UtilCallbacks utils_{};
  SPBasicSuite basic_{};
  Module module_;
  EffectListing listing_;
  PF_EntryFunc entry_ = nullptr;
  PF_InData inData_{};
  PF_OutData outData_{};
  HostGLContext glContext_;
  std::mutex sendMutex_;
  HostContext mode_ = HostContext::Own;
};

}  // namespace ostra::hostsim
