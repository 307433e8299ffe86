#include "WindowInfo.h"

std::uint32_t HandleNumber(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

HWND WindowFromNumber(std::uint32_t number) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(number));
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  constexpr UINT TimeoutMs = 2000;
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG,
                           TimeoutMs, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(),
                           reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, TimeoutMs, &copied))
    return {};
  text.resize(copied);
  return text;
}

std::string ScreenRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return JsonRect(rect.left, rect.top, rect.right, rect.bottom);
}

namespace {

struct WindowsOfProcess {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectIfOwnedBy(HWND window, LPARAM context) {
  auto &search = *reinterpret_cast<WindowsOfProcess *>(context);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search.pid)
    search.found.push_back(window);
  return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD pid) {
  WindowsOfProcess search{pid, {}};
  EnumWindows(CollectIfOwnedBy, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

JsonObject DescribeWindow(HWND window) {
  JsonObject description;
  description.Number("hwnd", HandleNumber(window))
      .Text("class", ClassOf(window))
      .Text("text", TextOf(window))
      .Flag("visible", IsWindowVisible(window) != FALSE)
      .Flag("enabled", IsWindowEnabled(window) != FALSE)
      .Raw("rect", ScreenRectOf(window))
      .Number("style",
              static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE)))
      .Number("exStyle",
              static_cast<std::uint32_t>(GetWindowLongW(window, GWL_EXSTYLE)))
      .Number("id", GetDlgCtrlID(window))
      .Number("owner", HandleNumber(GetWindow(window, GW_OWNER)));
  return description;
}
