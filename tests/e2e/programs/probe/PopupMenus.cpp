#include "PopupMenus.h"

#include "WindowInfo.h"

namespace {

BOOL CALLBACK CollectMenu(HWND window, LPARAM context) {
  if (IsWindowVisible(window) && ClassOf(window) == L"#32768")
    reinterpret_cast<std::vector<std::string> *>(context)->push_back(
        DescribeWindow(window).Build());
  return TRUE;
}

} // namespace

std::string ListPopupMenus() {
  std::vector<std::string> menus;
  EnumWindows(CollectMenu, reinterpret_cast<LPARAM>(&menus));
  return JsonArray(menus);
}
