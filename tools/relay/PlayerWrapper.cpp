#include "tools/relay/PlayerWrapper.h"

#include "tools/relay/Ownership.h"
#include "tools/relay/PercentEncoding.h"
#include "tools/relay/WholeFile.h"
#include "tools/relay/WineHost.h"

#include <windows.h>

#include <array>
#include <charconv>

namespace relay {
namespace {

constexpr DWORD StatusPollMilliseconds = 100;

std::wstring OwnDirectory() {
  std::array<wchar_t, 32768> path{};
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), path.size());
  const std::wstring_view name(path.data(), length);
  return std::wstring(name.substr(0, name.find_last_of(L'\\') + 1));
}

std::wstring TempDirectory() {
  std::array<wchar_t, MAX_PATH + 1> path{};
  const DWORD length = GetTempPathW(path.size(), path.data());
  return std::wstring(path.data(), length);
}

std::wstring Quoted(const std::wstring &argument) {
  return L"\"" + argument + L"\"";
}

// mplayer-relay.sh RELAY_ID RELAY_START_TIME STATUS_FILE PLAYER_ARGUMENT...
bool StartWrapper(const LinuxProcess &relay, const std::string &statusFile,
                  const std::vector<std::string> &playerArguments) {
  const std::wstring wrapper = OwnDirectory() + L"mplayer-relay.sh";
  std::wstring commandLine =
      Quoted(wrapper) + L" " + std::to_wstring(relay.id) + L" " +
      std::wstring(relay.startTime.begin(), relay.startTime.end()) + L" " +
      Quoted(PercentEncoded(statusFile));
  for (const std::string &argument : playerArguments)
    commandLine += L" " + Quoted(PercentEncoded(argument));

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(wrapper.c_str(), commandLine.data(), nullptr, nullptr,
                      FALSE, 0, nullptr, nullptr, &startup, &started))
    return false;
  // Wine gives no working handles for a Linux process; close what came.
  const UniqueHandle process(started.hProcess);
  const UniqueHandle thread(started.hThread);
  return true;
}

// The exit status once the status file exists. The wrapper renames the
// file into place complete, so one that can be read is whole.
int WaitForStatus(const std::wstring &statusFile) {
  for (;;) {
    Sleep(StatusPollMilliseconds);
    const auto status = ReadWholeFile(statusFile);
    if (!status)
      continue;
    DeleteFileW(statusFile.c_str());
    int exitStatus = 1;
    std::from_chars(status->data(), status->data() + status->size(),
                    exitStatus);
    return exitStatus;
  }
}

} // namespace

std::optional<int>
RunPlayerThroughWrapper(const std::vector<std::string> &playerArguments) {
  const auto self = OwnLinuxProcess();
  if (!self)
    return std::nullopt;
  // Process ids are unique among running processes; a file left by an
  // earlier relay with the same id is stale.
  const std::wstring statusFile = TempDirectory() + L"mplayer-relay-" +
                                  std::to_wstring(GetCurrentProcessId()) +
                                  L".status";
  DeleteFileW(statusFile.c_str());
  const auto unixStatusFile = UnixFileName(statusFile);
  if (!unixStatusFile || !StartWrapper(*self, *unixStatusFile, playerArguments))
    return std::nullopt;
  return WaitForStatus(statusFile);
}

} // namespace relay
