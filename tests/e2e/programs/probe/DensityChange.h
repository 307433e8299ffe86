// The "density" command: tells a window that it moved to a screen of
// another density, as Windows 10 does: it asks for the new size
// (WM_GETDPISCALEDSIZE), then announces the density with a rectangle of
// the answered size at the window's place (WM_DPICHANGED). Answers whether
// the window gave a size, the rectangle suggested, and the GDI objects its
// process holds afterwards.
#pragma once

#include <windows.h>

#include <string>

std::string ChangeDensity(HWND window, int density);
