#include "MessageBoxReader.h"

#include "IconColour.h"
#include "WindowInfo.h"

namespace {

bool IsIconStatic(HWND control) {
  return (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

std::string DescribeBox(HWND box) {
  std::vector<std::string> texts;
  std::vector<std::string> buttons;
  const wchar_t *icon = L"none";
  for (HWND control : ChildWindows(box)) {
    if (!IsWindowVisible(control))
      continue;
    const std::wstring kind = ClassOf(control);
    if (kind == L"Static" && IsIconStatic(control))
      icon = IconKindOnScreen(control);
    else if (kind == L"Static")
      texts.push_back(JsonString(TextOf(control)));
    else if (kind == L"Button")
      buttons.push_back(DescribeWindow(control).Build());
  }
  return DescribeWindow(box)
      .Raw("texts", JsonArray(texts))
      .Text("icon", icon)
      .Raw("buttons", JsonArray(buttons))
      .Build();
}

} // namespace

std::string ListMessageBoxes(DWORD pid) {
  std::vector<std::string> boxes;
  for (HWND window : TopLevelWindows(pid))
    if (IsWindowVisible(window) && ClassOf(window) == L"#32770")
      boxes.push_back(DescribeBox(window));
  return JsonArray(boxes);
}
