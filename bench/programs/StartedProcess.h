// Starting a program with CreateProcessW and owning what it hands back.
#pragma once

#include "tests/e2e/programs/UniqueHandle.h"

#include <windows.h>

#include <optional>
#include <string>

struct StartedProcess {
  UniqueHandle process;
  UniqueHandle thread;
  DWORD id = 0;
};

struct StartOptions {
  bool inheritHandles = false;
  DWORD creationFlags = 0;
  // STARTUPINFOW's flags; the rest of it stays zero.
  DWORD startupFlags = 0;
  const wchar_t *currentDirectory = nullptr;
};

// Starts `program` with `commandLine`; nothing when CreateProcessW fails.
std::optional<StartedProcess> StartProcess(const std::wstring &program,
                                           std::wstring commandLine,
                                           const StartOptions &options);
