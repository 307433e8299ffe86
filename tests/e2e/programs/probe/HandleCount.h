// The "handles" command: how many kernel handles a process holds, from the
// system-wide handle table (GetProcessHandleCount answers 0 under Wine).
#pragma once

#include <windows.h>

#include <string>

std::string CountHandles(DWORD pid);
