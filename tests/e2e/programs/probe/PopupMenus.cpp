#include "PopupMenus.h"

#include "WindowInfo.h"

namespace {

constexpr UINT GetMenuHandle = 0x01E1; // MN_GETHMENU

BOOL CALLBACK CollectMenu(HWND window, LPARAM context) {
  if (IsWindowVisible(window) && ClassOf(window) == L"#32768")
    reinterpret_cast<std::vector<HWND> *>(context)->push_back(window);
  return TRUE;
}

std::string DescribeEntries(HWND window) {
  const auto menu =
      reinterpret_cast<HMENU>(SendMessageW(window, GetMenuHandle, 0, 0));
  std::vector<std::string> entries;
  const int count = menu == nullptr ? 0 : GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE;
    info.dwTypeData = text;
    info.cch = 256;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    RECT rect{};
    GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &rect);
    entries.push_back(
        JsonObject()
            .Text("text", text)
            .Flag("separator", (info.fType & MFT_SEPARATOR) != 0)
            .Flag("highlighted", (info.fState & MFS_HILITE) != 0)
            .Raw("rect", JsonRect(rect.left, rect.top, rect.right, rect.bottom))
            .Build());
  }
  return JsonArray(entries);
}

} // namespace

std::string ListPopupMenus() {
  std::vector<HWND> menus;
  EnumWindows(CollectMenu, reinterpret_cast<LPARAM>(&menus));
  std::vector<std::string> described;
  for (HWND window : menus)
    described.push_back(
        DescribeWindow(window).Raw("entries", DescribeEntries(window)).Build());
  return JsonArray(described);
}
