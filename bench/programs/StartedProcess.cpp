#include "StartedProcess.h"

std::optional<StartedProcess> StartProcess(const std::wstring &program,
                                           std::wstring commandLine,
                                           const StartOptions &options) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = options.startupFlags;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
                      options.inheritHandles, options.creationFlags, nullptr,
                      options.currentDirectory, &startup, &started))
    return std::nullopt;
  return StartedProcess{UniqueHandle(started.hProcess),
                        UniqueHandle(started.hThread), started.dwProcessId};
}
