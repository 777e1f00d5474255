// Shows and hides parameters through the host's dynamic stream flags, holding the five suites
// that takes for the length of one command.
#pragma once

#include "plugin/host/suite_scope.h"
#include "sdk/ae_suites.h"

namespace Kestrix::Bevel {

class StreamVisibility {
 public:
  // `params` holds every parameter's record, as the host passes them.
  // Acquires the suites in the order the host expects them and takes the effect handle. A
  // refused suite throws A_Err_MISSING_SUITE; those acquired before it are released.
  StreamVisibility(PF_InData* in_data, PF_ParamDef* params[]);
  // Disposes of the effect handle, then releases the suites in reverse order.
  ~StreamVisibility();
  StreamVisibility(const StreamVisibility&) = delete;
  StreamVisibility& operator=(const StreamVisibility&) = delete;

  AEGP_EffectRefH effect() const { return effect_; }

  // Sets or clears the stream's hidden flag only when it differs from the wish, then always
  // tells the host to redraw the parameter. The host's errors are not acted on: a parameter
  // whose stream cannot be had keeps its state, and the others are still served.
  void setParamVisible(AEGP_EffectRefH effect, PF_ParamIndex index, bool visible);

 private:
  PF_InData* in_data_;
  PF_ParamDef** params_;
  // Declared in acquisition order, so that destruction releases them in reverse.
  SuiteScope<PF_ParamUtilsSuite3> paramUtils_;
  SuiteScope<AEGP_EffectSuite2> effects_;
  SuiteScope<AEGP_PFInterfaceSuite1> pfInterface_;
  SuiteScope<AEGP_DynamicStreamSuite2> dynamicStreams_;
  SuiteScope<AEGP_StreamSuite7> streams_;
  AEGP_EffectRefH effect_ = nullptr;
};

}  // namespace Kestrix::Bevel
