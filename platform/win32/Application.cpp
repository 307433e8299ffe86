#include "platform/win32/Application.h"

#include "platform/win32/SystemLibraries.h"

#include <commctrl.h>
#include <objbase.h>

namespace sonvella::win32 {

Application::Application()
    : comInitialised_(SUCCEEDED(CoInitializeEx(
          nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))),
      // Loaded here rather than imported: its start-up may load the theme
      // library (Wine's does), which must come after the search is limited
      // to System32. Loaded by name, so that the manifest's redirect to
      // version 6 applies; the redirect comes before any folder is searched.
      commonControls_(LoadLibraryW(L"comctl32.dll")) {
  const auto initCommonControls =
      SystemFunction<decltype(&InitCommonControlsEx)>(commonControls_.get(),
                                                      "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_LISTVIEW_CLASSES |
                                          ICC_STANDARD_CLASSES};
  if (initCommonControls != nullptr)
    initCommonControls(&controls);
}

Application::~Application() {
  if (comInitialised_)
    CoUninitialize();
}

void Application::Run(MainWindow &window) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.PreTranslateKey(message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

} // namespace sonvella::win32
