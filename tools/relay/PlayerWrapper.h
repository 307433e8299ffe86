#pragma once

#include <optional>
#include <string>
#include <vector>

namespace relay {

// Runs the Linux player through the wrapper script mplayer-relay.sh that lies
// next to the relay, and waits until the player ends by itself; returns the
// player's exit status, or nullopt when the wrapper could not be started.
//
// The wrapper watches this process and stops the player as soon as it is
// gone, so terminating the relay stops the playback. It tells the relay that
// the player ended by writing the exit status to a status file.
std::optional<int>
RunPlayerThroughWrapper(const std::vector<std::string> &playerArguments);

} // namespace relay
