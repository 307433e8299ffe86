// row_watch LIST ROWS gone WINDOW
// row_watch LIST ROWS post WINDOW CODE
// Watches another process's report list until it holds ROWS rows, printing
// the system clock at each step: "watching <ticks>" once it is ready, then
// with "gone" "gone <ticks>" once WINDOW (a dialog) is hidden or destroyed,
// or with "post" "posted <ticks>" just before it posts WM_APP with CODE to
// list_filler's WINDOW (having had it empty its list first, with WM_APP + 1
// sent), and last "full <ticks>".
#include "Report.h"
#include "SystemClock.h"
#include "WindowNumber.h"

#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <string_view>

namespace {

// Nothing watched takes longer than this.
constexpr DWORD GiveUpMilliseconds = 600'000;

// Calls `done` about every millisecond until it holds; false on giving up.
template <typename Condition> bool Await(Condition done) {
  const ULONGLONG start = GetTickCount64();
  while (!done()) {
    if (GetTickCount64() - start > GiveUpMilliseconds)
      return false;
    Sleep(1);
  }
  return true;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  if (argc != 5 && argc != 6)
    return 2;
  const HWND list = WindowFromText(argv[1]);
  const LRESULT rows = std::wcstol(argv[2], nullptr, 10);
  const std::wstring_view mode = argv[3];
  const HWND window = WindowFromText(argv[4]);

  Report("watching", SystemClockNow());
  if (mode == L"gone") {
    if (!Await([&] { return !IsWindowVisible(window); }))
      return 1;
    Report("gone", SystemClockNow());
  } else if (mode == L"post" && argc == 6) {
    SendMessageW(window, WM_APP + 1, 0, 0);
    Report("posted", SystemClockNow());
    if (!PostMessageW(window, WM_APP, std::wcstoul(argv[5], nullptr, 10), 0))
      return 1;
  } else {
    return 2;
  }
  // The list answers only between the commands of its program, so the
  // answer that counts every row comes as soon as the adding is over.
  if (!Await(
          [&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) >= rows; }))
    return 1;
  Report("full", SystemClockNow());
  return 0;
}
