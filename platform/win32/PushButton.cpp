#include "platform/win32/PushButton.h"

#include <commctrl.h>

namespace sonvella::win32 {

HWND CreatePushButton(HWND parent, int id, const PixelRect &rect, HFONT font,
                      const wchar_t *caption) {
  const HWND button =
      CreateWindowExW(0, WC_BUTTONW, caption,
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                      rect.left, rect.top, rect.Width(), rect.Height(), parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleW(nullptr), nullptr);
  if (button != nullptr)
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return button;
}

} // namespace sonvella::win32
