// The least a Windows program does to show a window: registers a class,
// creates an empty top-level window, shows it and runs the message loop.
// Sonvella's start-up is measured against this.
#include "TopLevelWindow.h"

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  return RunTopLevelWindow(instance, L"BareWindow", L"Bare window", WindowProc,
                           showCommand);
}
