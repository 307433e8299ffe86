// The window's font: the description's face at the character height that
// suits the screen's pixels per inch, and the measure the layout is scaled
// by.
#pragma once

#include "app/PlayerFormDescription.h"
#include "platform/win32/Handles.h"

namespace sonvella::win32 {

// The window's font; empty when it cannot be made.
FontOwner CreateFormFont(const FormDescription &form);

// Height in pixels of the digit 0 in the font, or the description's design
// height when it cannot be measured.
int DigitHeight(const FormDescription &form, HFONT font);

} // namespace sonvella::win32
