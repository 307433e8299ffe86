// The player's command line: its executable, its fixed options and the file
// name as one argument.
#include "app/PlayerForms.h"

#include <cstddef>

namespace sonvella {

namespace {

// The argument between double quotes, written so that the player's own
// splitting (CommandLineToArgvW, or the C runtime's, which agree here) gives
// it back whole: a backslash run before a quote, or before the closing one,
// is doubled, and each quote in it is preceded by one more backslash. Every
// other character is copied as it is, so a file-system path, which holds no
// quote and never ends in a backslash, comes through unchanged.
std::wstring QuotedArgument(const std::wstring &argument) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t character : argument) {
    if (character == L'"')
      quoted.append(backslashes + 1, L'\\');
    backslashes = character == L'\\' ? backslashes + 1 : 0;
    quoted += character;
  }
  quoted.append(backslashes, L'\\');
  quoted += L'"';
  return quoted;
}

} // namespace

std::wstring PlayerCommandLine(const std::wstring &player, std::uint32_t window,
                               const std::wstring &fileName) {
  return L"\"" + player + L"\" -wid " + DecimalText(window) +
         L" -slave -quiet -identify -priority abovenormal " +
         QuotedArgument(fileName);
}

} // namespace sonvella
