// The "processes" and "terminate" commands: every process of the prefix
// with its parent and executable name, and ending one by its id.
#pragma once

#include <windows.h>

#include <string>

std::string ListProcesses();
std::string TerminateById(DWORD pid);
