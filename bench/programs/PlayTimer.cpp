// play_timer click RUNS WINDOW
//   Clicks Play in WINDOW, Sonvella's main window or play_window's (posts
//   the command its button sends), finds the player process that starts and
//   reports the ticks from the click to the player's creation ("play
//   <ticks>"); then clicks Stop and waits for the player to end. RUNS times;
//   in Sonvella a row must be selected.
// play_timer bare RUNS PLAYER FILE
//   Starts PLAYER on FILE with CreateProcessW as Sonvella does and reports
//   the ticks from just before the call to the process's creation
//   ("start <ticks>"), then ends it. RUNS times.
// Creation times are the system's own stamps (GetProcessTimes).
#include "Report.h"
#include "StartedProcess.h"
#include "SystemClock.h"
#include "WindowNumber.h"
#include "tests/e2e/programs/UniqueHandle.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cwchar>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace {

constexpr wchar_t PlayerName[] = L"mplayer.exe";
constexpr DWORD GiveUpMilliseconds = 30'000;
// Looking for the player loads the system's process list; looked for too
// often, it would slow down the start it is timing.
constexpr DWORD LookInterval = 20;
constexpr DWORD SettleMilliseconds = 100;

std::set<DWORD> PlayerIds() {
  std::set<DWORD> ids;
  const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  if (snapshot.valid() && Process32FirstW(snapshot.get(), &entry)) {
    do {
      if (_wcsicmp(entry.szExeFile, PlayerName) == 0)
        ids.insert(entry.th32ProcessID);
    } while (Process32NextW(snapshot.get(), &entry));
  }
  return ids;
}

std::int64_t CreationTicks(HANDLE process) {
  FILETIME creation{}, exit{}, kernel{}, user{};
  GetProcessTimes(process, &creation, &exit, &kernel, &user);
  return Ticks(creation);
}

// The player that is not one of `known`, opened, once it exists.
std::optional<UniqueHandle> AwaitNewPlayer(const std::set<DWORD> &known) {
  const ULONGLONG start = GetTickCount64();
  while (GetTickCount64() - start < GiveUpMilliseconds) {
    for (DWORD id : PlayerIds()) {
      if (known.contains(id))
        continue;
      UniqueHandle player(OpenProcess(
          PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id));
      if (player.valid())
        return player;
    }
    Sleep(LookInterval);
  }
  return std::nullopt;
}

class WindowButtons {
public:
  explicit WindowButtons(HWND window) : window_(window) {}

  bool Click(const wchar_t *caption) const {
    const HWND button = FindWindowExW(window_, nullptr, L"Button", caption);
    return button != nullptr &&
           PostMessageW(window_, WM_COMMAND,
                        MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button));
  }

private:
  HWND window_;
};

bool TimeClicks(long runs, HWND window) {
  const WindowButtons buttons(window);
  for (long run = 0; run < runs; ++run) {
    const std::set<DWORD> known = PlayerIds();
    const std::int64_t clicked = SystemClockNow();
    if (!buttons.Click(L"Play"))
      return false;
    const auto player = AwaitNewPlayer(known);
    if (!player)
      return false;
    Report("play", CreationTicks(player->get()) - clicked);
    if (!buttons.Click(L"Stop") ||
        WaitForSingleObject(player->get(), GiveUpMilliseconds) != WAIT_OBJECT_0)
      return false;
    // Stop's own work (the new caption painted) must not delay the next Play.
    Sleep(SettleMilliseconds);
  }
  return true;
}

bool TimeBareStart(long runs, const std::wstring &player,
                   const std::wstring &file) {
  const std::wstring folder = player.substr(0, player.find_last_of(L'\\') + 1);
  for (long run = 0; run < runs; ++run) {
    // What Sonvella passes, with no window to name.
    const std::wstring commandLine =
        L"\"" + player +
        L"\" -wid 0 -slave -quiet -identify -priority abovenormal \"" + file +
        L"\"";
    const std::int64_t before = SystemClockNow();
    const auto started = StartProcess(player, commandLine,
                                      {.inheritHandles = true,
                                       .creationFlags = DETACHED_PROCESS,
                                       .startupFlags = STARTF_USESTDHANDLES,
                                       .currentDirectory = folder.c_str()});
    if (!started)
      return false;
    const HANDLE process = started->process.get();
    Report("start", CreationTicks(process) - before);
    TerminateProcess(process, 0);
    WaitForSingleObject(process, GiveUpMilliseconds);
  }
  return true;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  if (argc < 4)
    return 2;
  const std::wstring_view mode = argv[1];
  const long runs = std::wcstol(argv[2], nullptr, 10);
  bool measured = false;
  if (mode == L"click" && argc == 4)
    measured = TimeClicks(runs, WindowFromText(argv[3]));
  else if (mode == L"bare" && argc == 5)
    measured = TimeBareStart(runs, argv[3], argv[4]);
  else
    return 2;
  return measured ? 0 : 1;
}
