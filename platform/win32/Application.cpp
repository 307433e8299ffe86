#include "platform/win32/Application.h"

#include <commctrl.h>
#include <objbase.h>

namespace sonvella::win32 {

Application::Application()
    : comInitialised_(SUCCEEDED(CoInitializeEx(
          nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_LISTVIEW_CLASSES |
                                          ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
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
