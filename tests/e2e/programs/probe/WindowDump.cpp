#include "WindowDump.h"

#include "ListViewReader.h"
#include "WindowInfo.h"

#include <commctrl.h>

std::string ListWindows(DWORD pid) {
  std::vector<std::string> windows;
  for (HWND window : TopLevelWindows(pid))
    windows.push_back(DescribeWindow(window).Build());
  return JsonArray(windows);
}

std::string DumpWindow(HWND window) {
  if (!IsWindow(window))
    return JsonObject().Text("error", L"no such window").Build();

  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT *>(&client), 2);

  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);

  std::vector<std::string> children;
  for (HWND child : ChildWindows(window)) {
    JsonObject description = DescribeWindow(child);
    if (ClassOf(child) == WC_LISTVIEWW)
      description.Raw("list", DumpListView(child));
    children.push_back(description.Build());
  }

  return DescribeWindow(window)
      .Raw("client",
           JsonRect(client.left, client.top, client.right, client.bottom))
      .Flag("iconic", IsIconic(window) != FALSE)
      .Flag("zoomed", IsZoomed(window) != FALSE)
      .Number("focus", HandleNumber(thread.hwndFocus))
      .Number("active", HandleNumber(thread.hwndActive))
      .Number("foreground", HandleNumber(GetForegroundWindow()))
      .Raw("children", JsonArray(children))
      .Build();
}
