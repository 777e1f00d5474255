// The Win32, GDI, WGL and shell calls the plug-in and the host simulator make.
// On Windows these are the system's own; on Linux the platform library implements the same
// names over EGL (Mesa surfaceless), so every caller is written once for both builds.
// Keep this header out of files that include glbinding: the system GL headers clash with it.
#pragma once

#if defined(_WIN32)

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#else

#include <cstdint>

#define WINAPI
#define CALLBACK

#if defined(OSTRA_PLATFORM_BUILD)
#define OSTRA_PLATFORM_API __attribute__((visibility("default")))
#else
#define OSTRA_PLATFORM_API
#endif

using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = unsigned int;
using LONG = int32_t;
using ATOM = WORD;
using LPCSTR = const char*;
using LPSTR = char*;
using LPVOID = void*;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using INT_PTR = intptr_t;

#define OSTRA_DECLARE_HANDLE(name) \
  struct name##__;                 \
  using name = name##__*
OSTRA_DECLARE_HANDLE(HWND);
OSTRA_DECLARE_HANDLE(HDC);
OSTRA_DECLARE_HANDLE(HGLRC);
OSTRA_DECLARE_HANDLE(HINSTANCE);
OSTRA_DECLARE_HANDLE(HICON);
OSTRA_DECLARE_HANDLE(HCURSOR);
OSTRA_DECLARE_HANDLE(HBRUSH);
OSTRA_DECLARE_HANDLE(HMENU);
OSTRA_DECLARE_HANDLE(HGDIOBJ);
#undef OSTRA_DECLARE_HANDLE
using HMODULE = HINSTANCE;

#ifndef FALSE
#define FALSE 0
#endif
#ifndef TRUE
#define TRUE 1
#endif

using WNDPROC = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);
using PROC = INT_PTR(WINAPI*)();

struct WNDCLASSEXA {
  UINT cbSize;
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
  HICON hIconSm;
};

struct PIXELFORMATDESCRIPTOR {
  WORD nSize;
  WORD nVersion;
  DWORD dwFlags;
  BYTE iPixelType;
  BYTE cColorBits;
  BYTE cRedBits;
  BYTE cRedShift;
  BYTE cGreenBits;
  BYTE cGreenShift;
  BYTE cBlueBits;
  BYTE cBlueShift;
  BYTE cAlphaBits;
  BYTE cAlphaShift;
  BYTE cAccumBits;
  BYTE cAccumRedBits;
  BYTE cAccumGreenBits;
  BYTE cAccumBlueBits;
  BYTE cAccumAlphaBits;
  BYTE cDepthBits;
  BYTE cStencilBits;
  BYTE cAuxBuffers;
  BYTE iLayerType;
  BYTE bReserved;
  DWORD dwLayerMask;
  DWORD dwVisibleMask;
  DWORD dwDamageMask;
};

inline constexpr UINT CS_VREDRAW = 0x0001;
inline constexpr UINT CS_HREDRAW = 0x0002;
inline constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr DWORD PFD_DRAW_TO_WINDOW = 0x00000004;
inline constexpr DWORD PFD_SUPPORT_OPENGL = 0x00000020;
inline constexpr DWORD PFD_DOUBLEBUFFER = 0x00000001;
inline constexpr BYTE PFD_TYPE_RGBA = 0;
inline constexpr BYTE PFD_MAIN_PLANE = 0;
#define IDC_ARROW (reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(32512)))

extern "C" {
OSTRA_PLATFORM_API HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);
OSTRA_PLATFORM_API HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR cursorName);
OSTRA_PLATFORM_API HGDIOBJ WINAPI GetStockObject(int object);
OSTRA_PLATFORM_API LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM w, LPARAM l);
OSTRA_PLATFORM_API ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass);
OSTRA_PLATFORM_API BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE instance);
OSTRA_PLATFORM_API HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName,
                                               DWORD style, int x, int y, int width, int height,
                                               HWND parent, HMENU menu, HINSTANCE instance,
                                               LPVOID param);
OSTRA_PLATFORM_API BOOL WINAPI DestroyWindow(HWND window);
OSTRA_PLATFORM_API HDC WINAPI GetDC(HWND window);
OSTRA_PLATFORM_API int WINAPI ReleaseDC(HWND window, HDC dc);
OSTRA_PLATFORM_API int WINAPI ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* descriptor);
OSTRA_PLATFORM_API BOOL WINAPI SetPixelFormat(HDC dc, int format,
                                              const PIXELFORMATDESCRIPTOR* descriptor);
OSTRA_PLATFORM_API HGLRC WINAPI wglCreateContext(HDC dc);
OSTRA_PLATFORM_API BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC context);
OSTRA_PLATFORM_API BOOL WINAPI wglDeleteContext(HGLRC context);
OSTRA_PLATFORM_API HGLRC WINAPI wglGetCurrentContext();
OSTRA_PLATFORM_API HDC WINAPI wglGetCurrentDC();
OSTRA_PLATFORM_API PROC WINAPI wglGetProcAddress(LPCSTR name);
OSTRA_PLATFORM_API BOOL WINAPI wglShareLists(HGLRC first, HGLRC second);
OSTRA_PLATFORM_API HINSTANCE WINAPI ShellExecuteA(HWND window, LPCSTR operation, LPCSTR file,
                                                  LPCSTR parameters, LPCSTR directory,
                                                  int showCommand);
}

#endif

// The two WGL extension entry points, looked up with wglGetProcAddress.
using OstraWglGetExtensionsStringARB = const char*(WINAPI*)(HDC dc);
using OstraWglCreateContextAttribsARB = HGLRC(WINAPI*)(HDC dc, HGLRC shareContext,
                                                       const int* attributes);
inline constexpr int OSTRA_WGL_CONTEXT_MAJOR_VERSION_ARB = 0x2091;
inline constexpr int OSTRA_WGL_CONTEXT_MINOR_VERSION_ARB = 0x2092;
