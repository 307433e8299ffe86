#include "tools/relay/PlayerArguments.h"

#include "tools/relay/WineHost.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace relay {
namespace {

std::string Utf8(const std::wstring &text) {
  if (text.empty())
    return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(),
                                       static_cast<int>(text.size()), nullptr,
                                       0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                      bytes.data(), size, nullptr, nullptr);
  return bytes;
}

bool TakesWindowsOnlyValue(const std::wstring &option) {
  static const std::array<std::wstring, 2> windowsOnly{L"-wid", L"-priority"};
  return std::ranges::find(windowsOnly, option) != windowsOnly.end();
}

} // namespace

std::optional<std::vector<std::string>>
LinuxPlayerArguments(std::span<const std::wstring> arguments) {
  std::vector<std::string> linuxArguments;
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    const std::wstring &argument = arguments[index];
    if (TakesWindowsOnlyValue(argument)) {
      ++index;
    } else if (argument.starts_with(L'-')) {
      linuxArguments.push_back(Utf8(argument));
    } else {
      auto unixName = UnixFileName(argument);
      if (!unixName)
        return std::nullopt;
      linuxArguments.push_back(std::move(*unixName));
    }
  }
  return linuxArguments;
}

} // namespace relay
