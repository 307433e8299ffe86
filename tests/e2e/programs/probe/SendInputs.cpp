#include "SendInputs.h"

#include "../JsonWriter.h"
#include "Foreground.h"

namespace {

std::string Failure(const std::wstring &why) {
  return JsonObject().Text("error", why).Build();
}

std::string Send(std::vector<INPUT> &inputs) {
  const auto count = static_cast<UINT>(inputs.size());
  const UINT sent = SendInput(count, inputs.data(), sizeof(INPUT));
  if (sent != count)
    return Failure(L"SendInput inserted " + std::to_wstring(sent) + L" of " +
                   std::to_wstring(count) +
                   L" events: another thread blocked the input (error " +
                   std::to_wstring(GetLastError()) + L")");
  return JsonObject().Number("sent", sent).Build();
}

bool IsExtendedKey(WORD key) {
  return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT ||
         key == VK_DELETE || key == VK_APPS;
}

INPUT Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0U) |
                     (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0U);
  return input;
}

INPUT UnicodeKey(wchar_t unit, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = unit;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0U);
  return input;
}

// Absolute positions are given in 1/65536 of the desktop: the value that
// lands on pixel x, rounded up so that Windows' truncation stays on it.
LONG Normalised(int position, int origin, int extent) {
  return static_cast<LONG>(((position - origin) * 65536LL + extent - 1) /
                           extent);
}

INPUT Pointer(DWORD flags, int x, int y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  input.mi.dx = Normalised(x, GetSystemMetrics(SM_XVIRTUALSCREEN),
                           GetSystemMetrics(SM_CXVIRTUALSCREEN));
  input.mi.dy = Normalised(y, GetSystemMetrics(SM_YVIRTUALSCREEN),
                           GetSystemMetrics(SM_CYVIRTUALSCREEN));
  return input;
}

DWORD ButtonFlag(int button, bool down) {
  switch (button) {
  case 2:
    return down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
  case 3:
    return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
  default:
    return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
}

INPUT Button(int button, bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = ButtonFlag(button, down);
  return input;
}

} // namespace

std::string PressKeys(HWND window, const std::vector<int> &strokes) {
  if (const std::wstring why = BringToFront(window); !why.empty())
    return Failure(why);
  std::vector<INPUT> inputs;
  for (const int stroke : strokes)
    inputs.push_back(
        Key(static_cast<WORD>(stroke < 0 ? -stroke : stroke), stroke < 0));
  return Send(inputs);
}

std::string TypeText(HWND window, const std::wstring &text) {
  if (const std::wstring why = BringToFront(window); !why.empty())
    return Failure(why);
  std::vector<INPUT> inputs;
  for (const wchar_t unit : text) {
    inputs.push_back(UnicodeKey(unit, false));
    inputs.push_back(UnicodeKey(unit, true));
  }
  return Send(inputs);
}

std::string MovePointer(int x, int y) {
  std::vector<INPUT> inputs{Pointer(MOUSEEVENTF_MOVE, x, y)};
  return Send(inputs);
}

std::string ClickAt(int x, int y, int button, int count) {
  std::vector<INPUT> inputs{Pointer(MOUSEEVENTF_MOVE, x, y)};
  for (int click = 0; click < count; ++click) {
    inputs.push_back(Button(button, true));
    inputs.push_back(Button(button, false));
  }
  return Send(inputs);
}

std::string SetButton(int button, bool down) {
  std::vector<INPUT> inputs{Button(button, down)};
  return Send(inputs);
}

std::string PointerPosition() {
  POINT point{};
  GetCursorPos(&point);
  return JsonObject().Number("x", point.x).Number("y", point.y).Build();
}
