#include "CommandLineSplitter.h"

#include <cstddef>

namespace sonvella {

namespace {

bool IsBlank(wchar_t character) {
  return character == L' ' || character == L'\t';
}

} // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
  std::vector<std::wstring> arguments;
  std::size_t at = 0;
  if (!line.empty() && line[0] == L'"') {
    const std::size_t close = line.find(L'"', 1);
    const std::size_t end =
        close == std::wstring_view::npos ? line.size() : close;
    arguments.emplace_back(line.substr(1, end - 1));
    at = close == std::wstring_view::npos ? line.size() : close + 1;
  } else {
    while (at < line.size() && !IsBlank(line[at]))
      ++at;
    arguments.emplace_back(line.substr(0, at));
  }
  while (true) {
    while (at < line.size() && IsBlank(line[at]))
      ++at;
    if (at == line.size())
      return arguments;
    std::wstring argument;
    bool quoted = false;
    for (; at < line.size() && (quoted || !IsBlank(line[at])); ++at) {
      std::size_t backslashes = 0;
      while (at < line.size() && line[at] == L'\\') {
        ++backslashes;
        ++at;
      }
      if (at < line.size() && line[at] == L'"') {
        argument.append(backslashes / 2, L'\\');
        if (backslashes % 2 == 1)
          argument += L'"';
        else
          quoted = !quoted;
      } else {
        argument.append(backslashes, L'\\');
        if (at == line.size() || (!quoted && IsBlank(line[at])))
          break;
        argument += line[at];
      }
    }
    arguments.push_back(std::move(argument));
  }
}

} // namespace sonvella
