// Holds one host suite for the length of a scope: acquired by name and version, released on
// every way out. A refusal throws the integer A_Err_MISSING_SUITE.
#pragma once

#include <cstdint>

#include "plugin/host/host_error.h"
#include "sdk/ae_effect.h"

namespace Kestrix::Bevel {

template <typename Suite>
class SuiteScope {
 public:
  SuiteScope(const PF_InData* in_data, const char* name, int32_t version)
      : basic_(in_data ? in_data->pica_basicP : nullptr), name_(name), version_(version) {
    if (!basic_ || !basic_->AcquireSuite) throwHostError(A_Err_MISSING_SUITE);
    const void* table = nullptr;
    if (basic_->AcquireSuite(name_, version_, &table) != 0) throwHostError(A_Err_MISSING_SUITE);
    suite_ = static_cast<const Suite*>(table);
    // A host that reports success with no table still lent the suite; give it back and refuse.
    if (!suite_) {
      basic_->ReleaseSuite(name_, version_);
      throwHostError(A_Err_MISSING_SUITE);
    }
  }
  ~SuiteScope() {
    if (suite_) basic_->ReleaseSuite(name_, version_);
  }
  SuiteScope(const SuiteScope&) = delete;
  SuiteScope& operator=(const SuiteScope&) = delete;

  const Suite* operator->() const { return suite_; }
  const Suite& get() const { return *suite_; }

 private:
  const Suite* suite_ = nullptr;
  SPBasicSuite* basic_;
  const char* name_;
  int32_t version_;
};

}  // namespace Kestrix::Bevel
