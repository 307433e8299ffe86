// The "windows" and "window" commands: the top-level windows of a process,
// and everything one window shows (caption, client area, focus, controls,
// and the contents of its report lists).
#pragma once

#include <windows.h>

#include <string>

std::string ListWindows(DWORD pid);
std::string DumpWindow(HWND window);
