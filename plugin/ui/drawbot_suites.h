// The four Drawbot suites, acquired together up to the first refusal and released together.
// A refusal is reported to the user through return_msg, as the host shows that message.
#pragma once

#include "sdk/ae_effect.h"
#include "sdk/drawbot.h"

namespace Kestrix::Bevel {

// Fills `suites` in the order Draw, Supplier, Surface, Path and stops at the first suite the
// host does not lend; the members not acquired stay null. Returns PF_Err_BAD_CALLBACK_PARAM
// for a missing suite, PF_Err_UNRECOGNIZED_PARAM_TYPE for a null `suites`.
PF_Err AEFX_AcquireDrawbotSuites(PF_InData* in_data, PF_OutData* out_data, DRAWBOT_Suites* suites);
// Releases the acquired (non-null) members in the same order and clears them; returns 0.
PF_Err AEFX_ReleaseDrawbotSuites(PF_InData* in_data, PF_OutData* out_data, DRAWBOT_Suites* suites);

// The set held for one draw; released by release() or, as a failure passes, the destructor.
class DrawbotSuiteSet {
 public:
  DrawbotSuiteSet(PF_InData* in_data, PF_OutData* out_data);
  ~DrawbotSuiteSet() { release(); }
  DrawbotSuiteSet(const DrawbotSuiteSet&) = delete;
  DrawbotSuiteSet& operator=(const DrawbotSuiteSet&) = delete;

  // The acquisition's result; the suites are all there only when it is 0.
  PF_Err error() const { return error_; }
  const DRAWBOT_Suites& suites() const { return suites_; }
  void release();

 private:
  PF_InData* in_data_;
  PF_OutData* out_data_;
  DRAWBOT_Suites suites_{};
  PF_Err error_;
};

}  // namespace Kestrix::Bevel
