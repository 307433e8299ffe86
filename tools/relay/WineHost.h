// What the relay needs from the Linux system under Wine: Unix names for
// Windows paths and its own identity as a Linux process.
#pragma once

#include <optional>
#include <string>

namespace relay {

// True when Wine's kernel32 extensions are there. Everything else in this
// file is only meaningful under Wine.
bool RunningUnderWine();

// The Unix file name (bytes as on disk) for a Windows path; nullopt when the
// path's directory does not exist.
std::optional<std::string> UnixFileName(const std::wstring &windowsName);

// A Linux process told apart from any later one with the same id: the start
// time is field 22 of /proc/<id>/stat, exactly as the kernel writes it.
struct LinuxProcess {
  long long id = 0;
  std::string startTime;
};

// This very process as Linux sees it.
std::optional<LinuxProcess> OwnLinuxProcess();

} // namespace relay
