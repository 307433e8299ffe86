// The "pixels" command: what a part of the screen shows, as another
// program's user sees it.
#pragma once

#include <string>

// {"width", "height", "rgb"}: rgb is hexadecimal, six digits a pixel, rows
// from the top.
std::string ReadPixels(int left, int top, int width, int height);
