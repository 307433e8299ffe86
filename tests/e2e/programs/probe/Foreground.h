// Puts a window in front before keys are sent to it: keyboard input goes to
// the foreground window's thread, whichever window was meant.
#pragma once

#include <windows.h>

#include <string>

// Empty when `window` is the foreground window, else why it is not.
std::wstring BringToFront(HWND window);
