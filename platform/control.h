// Test control surface of the Linux platform library: fail a call, drop an extension, count
// live objects, read the shell calls. Only tests and the host simulator include it.
#pragma once

#include <string>
#include <vector>

#if defined(OSTRA_PLATFORM_BUILD)
#define OSTRA_CONTROL_API __attribute__((visibility("default")))
#else
#define OSTRA_CONTROL_API
#endif

namespace ostra::platform {

// Calls that a test can make fail.
enum class Call {
  RegisterClassExA,
  CreateWindowExA,
  GetDC,
  ChoosePixelFormat,
  SetPixelFormat,
  wglCreateContext,
  wglCreateContextAttribsARB,
  wglMakeCurrent,
  wglShareLists,
  wglGetProcAddress,
};

struct ShellCall {
  std::string operation;  // empty for a null verb
  std::string file;
  std::string parameters;
  std::string directory;
  int showCommand = 0;
};

struct Counts {
  int liveContexts = 0;
  int liveWindows = 0;
  int liveClasses = 0;
  int contextsCreated = 0;
  int contextsDeleted = 0;
  int makeCurrentCalls = 0;
};

// The next `skip` calls succeed, the one after fails; every later call succeeds again.
OSTRA_CONTROL_API void failCall(Call call, int skip = 0);
// Drops "WGL_ARB_create_context" from the WGL extension string while set.
OSTRA_CONTROL_API void dropCreateContextExtension(bool dropped);
OSTRA_CONTROL_API Counts counts();
OSTRA_CONTROL_API std::vector<std::string> liveClassNames();
OSTRA_CONTROL_API std::vector<ShellCall> shellCalls();
// Forgets every injected failure, the extension drop and the shell calls; counts stay.
OSTRA_CONTROL_API void reset();

}  // namespace ostra::platform
