// controls_window: the least a program does to show Sonvella's window with
// its controls. It carries Sonvella's manifest and imports its DLLs, sets
// up the common controls, and creates, before the window first shows,
// Sonvella's report list (styles, theme and columns) and five push buttons
// in Sonvella's font. Sonvella's start-up is measured against this too: the
// difference to bare_window is what Wine takes for the calls the window's
// controls require.
#include "SonvellaList.h"
#include "TopLevelWindow.h"
#include "app/PlayerFormDescription.h"
#include "platform/win32/FormFont.h"
#include "platform/win32/PushButton.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <optional>

namespace {

sonvella::win32::FontOwner Font;
std::optional<sonvella::win32::ReportList> List;

bool CreateControls(HWND parent) noexcept {
  try {
    List = CreateSonvellaList(parent, Font.get());
    if (!List)
      return false;
    for (int i = 0; i < 5; ++i) {
      const sonvella::win32::PixelRect rect{8 + 86 * i, 272, 88 + 86 * i, 297};
      if (sonvella::win32::CreatePushButton(parent, 101 + i, rect, Font.get(),
                                            L"Button") == nullptr)
        return false;
    }
    return true;
  } catch (...) {
    return false;
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam) {
  if (message == WM_CREATE)
    return CreateControls(window) ? 0 : -1;
  if (message == WM_DESTROY)
    PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // Never true: it only makes the program import shell32 as Sonvella does.
  if (showCommand == -1)
    ShellExecuteW(nullptr, nullptr, L"", nullptr, nullptr, SW_SHOWNORMAL);
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED |
                                                  COINIT_DISABLE_OLE1DDE);
  const INITCOMMONCONTROLSEX controls{
      sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const int pixelsPerInch = [] {
    const sonvella::win32::ScreenDc screen;
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
  }();
  Font = sonvella::win32::CreateFormFont(sonvella::PlayerFormDescription(),
                                         pixelsPerInch);
  const int exitCode = RunTopLevelWindow(
      instance, L"ControlsWindow", L"Controls window", WindowProc, showCommand);
  if (SUCCEEDED(com))
    CoUninitialize();
  return exitCode;
}
