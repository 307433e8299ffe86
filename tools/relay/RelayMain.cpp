// mplayer.exe for running Sonvella under Wine on Linux: it takes the player
// command line Sonvella gives and plays the file with the Linux mplayer, for
// as long as this process lives.

#include "tools/relay/Ownership.h"
#include "tools/relay/PlayerArguments.h"
#include "tools/relay/PlayerWrapper.h"
#include "tools/relay/WineHost.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

constexpr int RelayFailed = 1;

// The arguments after the program name, split as Windows programs do.
std::vector<std::wstring> ProgramArguments() {
  int count = 0;
  const relay::LocalMemory<wchar_t *> arguments(
      CommandLineToArgvW(GetCommandLineW(), &count));
  if (!arguments || count < 1)
    return {};
  return std::vector<std::wstring>(arguments.get() + 1,
                                   arguments.get() + count);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (!relay::RunningUnderWine())
    return RelayFailed;
  const auto playerArguments = relay::LinuxPlayerArguments(ProgramArguments());
  if (!playerArguments)
    return RelayFailed;
  return relay::RunPlayerThroughWrapper(*playerArguments).value_or(RelayFailed);
}
