// probe.exe: reads what another process's windows show and prints it as
// JSON (UTF-8) for the end-to-end tests. One command per run:
//   probe windows PID        top-level windows of a process
//   probe window HWND        one window with its controls and lists
//   probe boxes PID          visible dialog windows (message boxes) of PID
//   probe handles PID        number of kernel handles PID holds
//   probe processes          every process with parent and executable
//   probe terminate PID      ends a process the tests started
//   probe metrics FACE H     screen size, ppi, digit height of a font
//   probe hittest HWND CODE  where the window answers WM_NCHITTEST with CODE
//   probe menus              popup menu windows on screen
//   probe density HWND PPI   moves a window to a screen of another density
//   probe pixels L T W H     the screen's pixels in that rectangle
//   probe keys HWND K...     brings HWND to the front, presses (K > 0) and
//                            releases (K < 0) virtual keys
//   probe type HWND TEXT     brings HWND to the front, types TEXT
//   probe move X Y           moves the pointer
//   probe click X Y B N      moves the pointer there, clicks button B N times
//   probe button B down|up   presses or releases button B where it is
//   probe cursor             where the pointer is
// or "probe serve": the same commands, one per line with tab-separated
// arguments on standard input, each answered by one line.
#include "../JsonWriter.h"
#include "DensityChange.h"
#include "HandleCount.h"
#include "HitTest.h"
#include "MessageBoxReader.h"
#include "PopupMenus.h"
#include "Processes.h"
#include "ScreenMetrics.h"
#include "ScreenPixels.h"
#include "SendInputs.h"
#include "WindowDump.h"
#include "WindowInfo.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

using Arguments = std::vector<std::wstring>;

std::uint32_t NumberArgument(const Arguments &arguments, std::size_t index) {
  return index < arguments.size() ? static_cast<std::uint32_t>(std::wcstoul(
                                        arguments[index].c_str(), nullptr, 10))
                                  : 0;
}

std::string Run(const Arguments &arguments) {
  const std::wstring command = arguments.empty() ? L"" : arguments[0];
  const auto number = [&](std::size_t index) {
    return NumberArgument(arguments, index);
  };
  // Screen positions and released keys are negative.
  const auto signedNumber = [&](std::size_t index) {
    return index < arguments.size()
               ? static_cast<int>(
                     std::wcstol(arguments[index].c_str(), nullptr, 10))
               : 0;
  };
  if (command == L"windows")
    return ListWindows(number(1));
  if (command == L"window")
    return DumpWindow(WindowFromNumber(number(1)));
  if (command == L"boxes")
    return ListMessageBoxes(number(1));
  if (command == L"handles")
    return CountHandles(number(1));
  if (command == L"processes")
    return ListProcesses();
  if (command == L"terminate")
    return TerminateById(number(1));
  if (command == L"metrics" && arguments.size() == 3)
    return DescribeScreen(arguments[1], static_cast<int>(number(2)));
  if (command == L"hittest")
    return FindHitTestArea(WindowFromNumber(number(1)),
                           static_cast<int>(number(2)));
  if (command == L"menus")
    return ListPopupMenus();
  if (command == L"density")
    return ChangeDensity(WindowFromNumber(number(1)),
                         static_cast<int>(number(2)));
  if (command == L"pixels")
    return ReadPixels(signedNumber(1), signedNumber(2), signedNumber(3),
                      signedNumber(4));
  if (command == L"keys") {
    std::vector<int> strokes;
    for (std::size_t index = 2; index < arguments.size(); ++index)
      strokes.push_back(signedNumber(index));
    return PressKeys(WindowFromNumber(number(1)), strokes);
  }
  if (command == L"type" && arguments.size() == 3)
    return TypeText(WindowFromNumber(number(1)), arguments[2]);
  if (command == L"move")
    return MovePointer(signedNumber(1), signedNumber(2));
  if (command == L"click")
    return ClickAt(signedNumber(1), signedNumber(2), signedNumber(3),
                   signedNumber(4));
  if (command == L"button" && arguments.size() == 3)
    return SetButton(signedNumber(1), arguments[2] == L"down");
  if (command == L"cursor")
    return PointerPosition();
  return JsonObject().Text("error", L"unknown command: " + command).Build();
}

void WriteLine(const std::string &text) {
  const std::string line = text + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(),
            static_cast<DWORD>(line.size()), &written, nullptr);
}

std::wstring Wide(const std::string &utf8) {
  if (utf8.empty())
    return {};
  const int length = static_cast<int>(utf8.size());
  std::wstring text(static_cast<std::size_t>(MultiByteToWideChar(
                        CP_UTF8, 0, utf8.data(), length, nullptr, 0)),
                    L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, text.data(),
                      static_cast<int>(text.size()));
  return text;
}

Arguments SplitAtTabs(const std::string &line) {
  Arguments arguments;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    arguments.push_back(Wide(line.substr(start, tab - start)));
    if (tab == std::string::npos)
      return arguments;
    start = tab + 1;
  }
}

// Answers commands until standard input ends.
void Serve() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  std::string pending;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(input, chunk, sizeof chunk, &read, nullptr) && read > 0) {
    pending.append(chunk, read);
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
      std::string line = pending.substr(0, end);
      pending.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r')
        line.pop_back();
      WriteLine(Run(SplitAtTabs(line)));
    }
  }
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  const Arguments arguments(argv + 1, argv + argc);
  if (arguments.size() == 1 && arguments[0] == L"serve") {
    Serve();
    return 0;
  }
  WriteLine(Run(arguments));
  return 0;
}
