#include "platform/win32/FormFont.h"

#include "platform/win32/WindowLayout.h"

namespace sonvella::win32 {

FontOwner CreateFormFont(const FormDescription &form) {
  const ScreenDc screen;
  const int height =
      ScaledFontHeight(form, GetDeviceCaps(screen.get(), LOGPIXELSY));
  // A negative height asks for the character height, not the cell height.
  FontOwner font(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, form.fontName));
  return font;
}

int DigitHeight(const FormDescription &form, HFONT font) {
  const ScreenDc screen;
  const SelectedObject selected(screen.get(), font);
  SIZE digit{};
  if (!GetTextExtentPoint32W(screen.get(), L"0", 1, &digit) || digit.cy <= 0)
    return form.designDigitHeight;
  return digit.cy;
}

} // namespace sonvella::win32
