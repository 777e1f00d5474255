// A tiny effect module for the host simulator's tests: About through the ANSI suite, a GL
// context of its own from Global Setup to Global Setdown, and the probe command.
#include <atomic>
#include <thread>

#include "fake_probe.h"
#include "sdk/ae_suites.h"

namespace {

using ostra::hostsim::test::FakeProbe;
using ostra::hostsim::test::ProbeAction;

constexpr const char* kClassName = "FakeEffectGLWindow";

struct OwnContext {
  HWND window = nullptr;
  HDC dc = nullptr;
  HGLRC context = nullptr;
};
OwnContext own;
std::atomic<int> callsInside{0};

PF_Err about(PF_InData* in, PF_OutData* out) {
  const void* table = nullptr;
  if (in->pica_basicP->AcquireSuite(kPFANSISuite, kPFANSISuiteVersion1, &table) != 0 ||
      table == nullptr) {
    return PF_Err_BAD_CALLBACK_PARAM;
  }
  const auto* ansi = static_cast<const PF_ANSICallbacksSuite1*>(table);
  ansi->sprintf(out->return_msg, "%s v%d.%d\r%s", "Fake Effect", 1, 0, "by hostsim");
  in->pica_basicP->ReleaseSuite(kPFANSISuite, kPFANSISuiteVersion1);
  return PF_Err_NONE;
}

PF_Err globalSetup() {
  HGLRC hostContext = wglGetCurrentContext();
  HDC hostDC = wglGetCurrentDC();
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassExA(&windowClass);
  own.window = CreateWindowExA(0, kClassName, "fake", 0, 0, 0, 16, 16, nullptr, nullptr,
                               windowClass.hInstance, nullptr);
  own.dc = GetDC(own.window);
  PIXELFORMATDESCRIPTOR format{};
  format.nSize = sizeof(format);
  format.nVersion = 1;
  format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  SetPixelFormat(own.dc, ChoosePixelFormat(own.dc, &format), &format);
  own.context = wglCreateContext(own.dc);
  wglMakeCurrent(hostDC, hostContext);
  return own.context != nullptr ? PF_Err_NONE : PF_Err_BAD_CALLBACK_PARAM;
}

PF_Err globalSetdown() {
  wglDeleteContext(own.context);
  ReleaseDC(own.window, own.dc);
  DestroyWindow(own.window);
  UnregisterClassA(kClassName, GetModuleHandleA(nullptr));
  own = {};
  return PF_Err_NONE;
}

PF_Err probe(FakeProbe* request) {
  if (callsInside.fetch_add(1) != 0) request->overlapped = true;
  request->seenContext = wglGetCurrentContext();
  request->seenDC = wglGetCurrentDC();
  // Give a second caller the chance to come in while this one is inside.
  for (int i = 0; i < 100; ++i) std::this_thread::yield();
  const bool switched = wglMakeCurrent(own.dc, own.context) != 0;
  switch (request->action) {
    case ProbeAction::Restore:
      wglMakeCurrent(request->seenDC, request->seenContext);
      break;
    case ProbeAction::LeaveOwnCurrent:
      break;
    case ProbeAction::LeaveNoneCurrent:
      wglMakeCurrent(nullptr, nullptr);
      break;
  }
  if (callsInside.fetch_sub(1) != 1) request->overlapped = true;
  return switched ? static_cast<PF_Err>(ostra::hostsim::test::kProbeCmd)
                  : PF_Err_BAD_CALLBACK_PARAM;
}

}  // namespace

#if defined(_WIN32)
#define FAKE_EFFECT_EXPORT __declspec(dllexport)
#else
#define FAKE_EFFECT_EXPORT __attribute__((visibility("default")))
#endif

extern "C" FAKE_EFFECT_EXPORT PF_Err EntryPointFunc(PF_Cmd cmd, PF_InData* in_data,
                                                    PF_OutData* out_data, PF_ParamDef* /*params*/[],
                                                    PF_LayerDef* /*output*/, void* extra) {
  switch (cmd) {
    case PF_Cmd_ABOUT:
      return about(in_data, out_data);
    case PF_Cmd_GLOBAL_SETUP:
      return globalSetup();
    case PF_Cmd_GLOBAL_SETDOWN:
      return globalSetdown();
    case ostra::hostsim::test::kProbeCmd:
      return probe(static_cast<FakeProbe*>(extra));
    default:
      return PF_Err_NONE;
  }
}
