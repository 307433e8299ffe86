#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace relay {

// The Linux player's arguments (bytes) for the arguments the relay was given
// as mplayer.exe. "-wid <window>" and "-priority <class>" are dropped: the
// window is a Windows one and the priority class a Windows notion. Other
// options are kept as they are; every other argument is a file, passed by its
// Unix name. nullopt when a file's directory does not exist.
std::optional<std::vector<std::string>>
LinuxPlayerArguments(std::span<const std::wstring> arguments);

} // namespace relay
