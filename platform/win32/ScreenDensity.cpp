#include "platform/win32/ScreenDensity.h"

#include "platform/win32/Handles.h"
#include "platform/win32/SystemLibraries.h"

namespace sonvella::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI *)(RECT *, DWORD, BOOL,
                                                        DWORD, UINT);

// user32 is loaded with the program, so looking in it loads nothing; the
// few calls are rare enough to look up each time.
template <typename Function> Function User32Function(const char *name) {
  return SystemFunction<Function>(GetModuleHandleW(L"user32.dll"), name);
}

} // namespace

int WindowDensity(HWND window) {
  const auto getDpiForWindow =
      User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (getDpiForWindow != nullptr) {
    if (const UINT density = getDpiForWindow(window); density != 0)
      return static_cast<int>(density);
  }
  const ScreenDc screen;
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

PixelSize FrameSize(PixelSize client, DWORD style, int density) {
  const auto adjustForDpi = User32Function<AdjustWindowRectExForDpiFunction>(
      "AdjustWindowRectExForDpi");
  RECT frame{0, 0, client.width, client.height};
  if (adjustForDpi == nullptr ||
      !adjustForDpi(&frame, style, FALSE, 0, static_cast<UINT>(density)))
    AdjustWindowRectEx(&frame, style, FALSE, 0);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace sonvella::win32
