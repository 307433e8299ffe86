#include "platform/win32/FormFont.h"

namespace sonvella::win32 {

FontOwner CreateFormFont(const FormDescription &form, int pixelsPerInch) {
  const int height = ScaledFontHeight(form, pixelsPerInch);
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

ScaledForm ScaleForm(const FormDescription &form, int pixelsPerInch) {
  ScaledForm scaled{CreateFormFont(form, pixelsPerInch), {}};
  if (scaled.font)
    scaled.layout = ScaleLayout(form, DigitHeight(form, scaled.font.get()));
  return scaled;
}

} // namespace sonvella::win32
