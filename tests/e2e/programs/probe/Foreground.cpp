#include "Foreground.h"

#include "WindowInfo.h"

namespace {

// Activation reaches the window's thread as a message; it takes a moment.
bool BecomesForeground(HWND window) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (GetForegroundWindow() == window)
      return true;
    Sleep(20);
  }
  return false;
}

// Windows lets only some processes set the foreground window; a thread
// attached to the foreground thread's input may.
void SetForegroundAttached(HWND window) {
  const DWORD foreground =
      GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  const DWORD self = GetCurrentThreadId();
  const bool attached = foreground != 0 && foreground != self &&
                        AttachThreadInput(self, foreground, TRUE) != FALSE;
  BringWindowToTop(window);
  SetForegroundWindow(window);
  if (attached)
    AttachThreadInput(self, foreground, FALSE);
}

} // namespace

std::wstring BringToFront(HWND window) {
  if (!IsWindow(window))
    return L"no such window";
  if (GetForegroundWindow() == window)
    return {};
  SetForegroundWindow(window);
  if (BecomesForeground(window))
    return {};
  SetForegroundAttached(window);
  if (BecomesForeground(window))
    return {};
  const HWND front = GetForegroundWindow();
  return L"window " + std::to_wstring(HandleNumber(window)) + L" \"" +
         TextOf(window) + L"\" is not in front; the foreground window is " +
         std::to_wstring(HandleNumber(front)) + L" \"" + TextOf(front) + L"\"";
}
