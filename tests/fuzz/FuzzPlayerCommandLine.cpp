// Any name, split from the player's command line as the player splits it,
// gives the nine arguments, the last of them the name itself.
#include "CommandLineCases.h"
#include "CommandLineSplitter.h"
#include "FuzzCheck.h"
#include "app/PlayerForms.h"

using namespace sonvella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  const std::wstring name = CodeUnits(data, size);
  Check(SplitCommandLine(PlayerCommandLine(TestPlayer, TestWindow, name)) ==
            ExpectedPlayerArguments(name),
        "the player gets its options and the whole name");
  return 0;
}
