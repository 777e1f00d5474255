#include "hostsim/ansi_suite.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace ostra::hostsim {
namespace {

// The callers pass no buffer size, so the host bounds the write by the size it assumes.
A_long ansiSprintf(A_char* buffer, const A_char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const int written = std::vsnprintf(buffer, kAnsiBufferSize, format, arguments);
  va_end(arguments);
  return written;
}

A_char* ansiStrcpy(A_char* dest, const A_char* src) { return std::strcpy(dest, src); }

constexpr PF_ANSICallbacksSuite1 kAnsiSuite{ansiSprintf, ansiStrcpy};

}  // namespace

const PF_ANSICallbacksSuite1& ansiSuite() { return kAnsiSuite; }

PF_ANSICallbacks ansiCallbacks() { return {ansiSprintf, ansiStrcpy}; }

}  // namespace ostra::hostsim
