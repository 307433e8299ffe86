// window_timer RUNS PROGRAM...: starts the programs one after the other,
// RUNS rounds, and reports for each start the microseconds from just before
// CreateProcessW until a visible top-level window of the new process exists,
// as "<program index> <microseconds>". Each program is ended once measured.
#include "Report.h"
#include "StartedProcess.h"

#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

// A program that shows nothing in this long counts as failed.
constexpr std::int64_t GiveUpSeconds = 60;

struct WindowSearch {
  DWORD processId;
  bool found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM parameter) {
  auto &search = *reinterpret_cast<WindowSearch *>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window)) {
    search.found = true;
    return FALSE;
  }
  return TRUE;
}

bool HasVisibleWindow(DWORD processId) {
  WindowSearch search{processId, false};
  EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::int64_t Counter() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

// Microseconds until the program's window showed, or nothing when it could
// not be started, ended first or showed nothing in time.
std::optional<std::int64_t> TimeToWindow(const std::wstring &program) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const std::int64_t start = Counter();
  const auto started = StartProcess(program, L"\"" + program + L"\"", {});
  if (!started)
    return std::nullopt;
  const HANDLE process = started->process.get();
  std::optional<std::int64_t> elapsed;
  // Waiting on the process for a millisecond is the pause between looks.
  while (WaitForSingleObject(process, 1) == WAIT_TIMEOUT) {
    if (HasVisibleWindow(started->id)) {
      elapsed = (Counter() - start) * 1'000'000 / frequency.QuadPart;
      break;
    }
    if (Counter() - start > GiveUpSeconds * frequency.QuadPart)
      break;
  }
  TerminateProcess(process, 0);
  WaitForSingleObject(process, INFINITE);
  return elapsed;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  if (argc < 3)
    return 2;
  const long runs = std::wcstol(argv[1], nullptr, 10);
  const std::vector<std::wstring> programs(argv + 2, argv + argc);
  for (long run = 0; run < runs; ++run) {
    for (std::size_t i = 0; i < programs.size(); ++i) {
      const auto elapsed = TimeToWindow(programs[i]);
      if (!elapsed)
        return 1;
      Report(std::to_string(i), *elapsed);
    }
  }
  return 0;
}
