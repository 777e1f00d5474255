#include "plugin/ui/drawbot_suites.h"

#include <cstdarg>
#include <cstdio>

namespace Kestrix::Bevel {
namespace {

// printf-style, so that the compiler checks every message against its arguments.
__attribute__((format(printf, 2, 3))) void reportToUser(PF_OutData* out_data, const char* format,
                                                        ...) {
  if (out_data == nullptr) return;
  va_list args;
  va_start(args, format);
  std::vsnprintf(out_data->return_msg, sizeof out_data->return_msg, format, args);
  va_end(args);
  out_data->out_flags |= PF_OutFlag_DISPLAY_ERROR_MESSAGE;
}

// One suite of the set; false, with the user told, when the host does not lend it. A table
// lent as null is handed straight back: the set keeps only suites it can call.
template <typename Suite>
bool acquireOne(SPBasicSuite* basic, PF_OutData* out_data, const char* name, int32_t version,
                Suite*& slot) {
  const void* table = nullptr;
  const SPErr err = basic != nullptr ? basic->AcquireSuite(name, version, &table) : 1;
  if (err == 0 && table == nullptr) basic->ReleaseSuite(name, version);
  if (err != 0 || table == nullptr) {
    reportToUser(out_data, "Not able to acquire AEFX Suite-%s-%d", name, static_cast<int>(version));
    return false;
  }
  // The host's tables are ours to call, never to write; the SDK's record is simply not const.
  slot = static_cast<Suite*>(const_cast<void*>(table));
  return true;
}

template <typename Suite>
void releaseOne(SPBasicSuite* basic, PF_OutData* out_data, const char* name, int32_t version,
                Suite*& slot) {
  if (slot == nullptr) return;
  if (basic != nullptr) {
    basic->ReleaseSuite(name, version);
  } else {
    reportToUser(out_data, "Not able to release AEFX Suite.");
  }
  slot = nullptr;
}

SPBasicSuite* basicOf(PF_InData* in_data) {
  return in_data != nullptr ? in_data->pica_basicP : nullptr;
}

}  // namespace

PF_Err AEFX_AcquireDrawbotSuites(PF_InData* in_data, PF_OutData* out_data, DRAWBOT_Suites* suites) {
  if (suites == nullptr) {
    reportToUser(out_data, "NULL suite pointer passed to AEFX_AcquireDrawbotSuites");
    return PF_Err_UNRECOGNIZED_PARAM_TYPE;
  }
  *suites = {};
  SPBasicSuite* basic = basicOf(in_data);
  const bool all = acquireOne(basic, out_data, kDRAWBOT_DrawSuite, kDRAWBOT_DrawSuite_Version1,
                              suites->drawbot_suiteP) &&
                   acquireOne(basic, out_data, kDRAWBOT_SupplierSuite,
                              kDRAWBOT_SupplierSuite_Version1, suites->supplier_suiteP) &&
                   acquireOne(basic, out_data, kDRAWBOT_SurfaceSuite,
                              kDRAWBOT_SurfaceSuite_Version2, suites->surface_suiteP) &&
                   acquireOne(basic, out_data, kDRAWBOT_PathSuite, kDRAWBOT_PathSuite_Version1,
                              suites->path_suiteP);
  return all ? PF_Err_NONE : PF_Err_BAD_CALLBACK_PARAM;
}

PF_Err AEFX_ReleaseDrawbotSuites(PF_InData* in_data, PF_OutData* out_data, DRAWBOT_Suites* suites) {
  if (suites == nullptr) return PF_Err_NONE;
  SPBasicSuite* basic = basicOf(in_data);
  releaseOne(basic, out_data, kDRAWBOT_DrawSuite, kDRAWBOT_DrawSuite_Version1,
             suites->drawbot_suiteP);
  releaseOne(basic, out_data, kDRAWBOT_SupplierSuite, kDRAWBOT_SupplierSuite_Version1,
             suites->supplier_suiteP);
  releaseOne(basic, out_data, kDRAWBOT_SurfaceSuite, kDRAWBOT_SurfaceSuite_Version2,
             suites->surface_suiteP);
  releaseOne(basic, out_data, kDRAWBOT_PathSuite, kDRAWBOT_PathSuite_Version1, suites->path_suiteP);
  return PF_Err_NONE;
}

DrawbotSuiteSet::DrawbotSuiteSet(PF_InData* in_data, PF_OutData* out_data)
    : in_data_(in_data),
      out_data_(out_data),
      error_(AEFX_AcquireDrawbotSuites(in_data, out_data, &suites_)) {}

void DrawbotSuiteSet::release() { AEFX_ReleaseDrawbotSuites(in_data_, out_data_, &suites_); }

}  // namespace Kestrix::Bevel
