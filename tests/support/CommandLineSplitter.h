// Splits a Windows command line into its arguments the way a started program
// reads it: CommandLineToArgvW, and the C runtime's own splitting, which
// agree on every line without "" inside quotes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sonvella {

// The first argument, the program, runs to the next quote when it starts
// with one, else to the first blank, backslashes and all. After it, blanks
// (space, tab) outside quotes end an argument; 2n backslashes and a quote
// give n backslashes and open or close the quotes; 2n+1 backslashes and a
// quote give n backslashes and a literal quote; any other backslash is
// literal.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line);

} // namespace sonvella
