// The pixels per inch a window is drawn at and the frame around a client
// area at a given density. The functions Windows 10 added for screens of
// different densities are looked up in user32 when first needed, so the
// program still runs on Windows 7 and 8, which draw every window at the
// system's density.
#pragma once

#include "platform/win32/WindowLayout.h"

#include <windows.h>

namespace sonvella::win32 {

// GetDpiForWindow where Windows has it, else the screen's LOGPIXELSY.
int WindowDensity(HWND window);

// Outer size of a window of this style whose client area has the given
// size, with the frame drawn for the density.
PixelSize FrameSize(PixelSize client, DWORD style, int density);

} // namespace sonvella::win32
