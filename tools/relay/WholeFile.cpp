#include "tools/relay/WholeFile.h"

#include "tools/relay/Ownership.h"

#include <windows.h>

#include <array>

namespace relay {

std::optional<std::string> ReadWholeFile(const std::wstring &name) {
  const UniqueHandle file = OwnFileHandle(
      CreateFileW(name.c_str(), GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file)
    return std::nullopt;
  std::string content;
  std::array<char, 512> buffer{};
  DWORD read = 0;
  while (ReadFile(file.get(), buffer.data(), buffer.size(), &read, nullptr) &&
         read > 0)
    content.append(buffer.data(), read);
  return content;
}

} // namespace relay
