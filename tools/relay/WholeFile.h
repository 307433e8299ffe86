#pragma once

#include <optional>
#include <string>

namespace relay {

// The bytes of a small file, read to its end rather than to its reported
// size, which is 0 for the files in /proc; nullopt when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::wstring &name);

} // namespace relay
