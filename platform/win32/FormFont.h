// The window's font: the description's face at the character height that
// suits the screen's pixels per inch, and the measure the layout is scaled
// by.
#pragma once

#include "app/PlayerFormDescription.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WindowLayout.h"

namespace sonvella::win32 {

// The window's font for a screen of this many pixels per inch; empty when
// it cannot be made.
FontOwner CreateFormFont(const FormDescription &form, int pixelsPerInch);

// Height in pixels of the digit 0 in the font, or the description's design
// height when it cannot be measured.
int DigitHeight(const FormDescription &form, HFONT font);

// The font for a screen density and the layout scaled to it.
struct ScaledForm {
  FontOwner font; // empty when it cannot be made; the layout is then unset
  ScaledLayout layout;
};
ScaledForm ScaleForm(const FormDescription &form, int pixelsPerInch);

} // namespace sonvella::win32
