// The "hittest" command: where on screen a window answers WM_NCHITTEST with
// a given code (HTCLOSE for the close box), so a test can click it.
#pragma once

#include <windows.h>

#include <string>

std::string FindHitTestArea(HWND window, int code);
