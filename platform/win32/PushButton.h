// The window's push buttons: captioned, in the window's font, never the
// default button.
#pragma once

#include "platform/win32/WindowLayout.h"

#include <windows.h>

namespace sonvella::win32 {

// The new button, or null when it could not be made.
HWND CreatePushButton(HWND parent, int id, const PixelRect &rect, HFONT font,
                      const wchar_t *caption);

} // namespace sonvella::win32
