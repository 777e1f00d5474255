// A Drawbot object the host would not create.
#pragma once

#include <exception>

#include "sdk/ae_basic.h"

namespace Kestrix::Bevel {

class DRAWBOT_Exception : public std::exception {
 public:
  explicit DRAWBOT_Exception(A_Err code) : code_(code) {}
  ~DRAWBOT_Exception() override;
  const char* what() const noexcept override;

  A_Err code() const { return code_; }

 private:
  A_Err code_;
};

}  // namespace Kestrix::Bevel
