// Tells the standard message box icons apart by the colours they show on
// screen: icon handles belong to their process, so the pixels are what
// another process can compare.
#pragma once

#include <windows.h>

// "information" (blue), "error" (red), "warning" (yellow) or "unknown".
const wchar_t *IconKindOnScreen(HWND iconControl);
