// Where the window and its controls go: the layout made for 120 pixels per
// inch scaled to the font the screen gets, the anchored controls following
// the client area, and the first position of the window on the screen.
// Plain arithmetic, so it has no Windows headers.
#pragma once

#include "app/PlayerFormDescription.h"

#include <vector>

namespace sonvella::win32 {

struct PixelPoint {
  int x;
  int y;
};

struct PixelSize {
  int width;
  int height;
};

struct PixelRect {
  int left;
  int top;
  int right;
  int bottom;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const PixelRect &) const = default;
};

// value * numerator / denominator rounded half away from zero, as MulDiv
// rounds; the denominator is positive.
int ScaleBy(int value, int numerator, int denominator);

// Character height of the window's font on a screen with this many pixels
// per inch.
int ScaledFontHeight(const FormDescription &form, int pixelsPerInch);

// The description's client size, control rectangles (in tab order) and
// column widths for a font whose digit 0 is digitHeight pixels high.
struct ScaledLayout {
  int digitHeight;
  PixelSize client;
  std::vector<PixelRect> controls;
  std::vector<int> columnWidths;
};
ScaledLayout ScaleLayout(const FormDescription &form, int digitHeight);

// The client size a window of client size `client`, laid out as `from`,
// gets when its layout becomes `to`: the layout's own size while the window
// keeps the size its layout gave it, else the size the user chose scaled by
// the ratio of the two digit heights.
PixelSize RescaledClient(PixelSize client, const ScaledLayout &from,
                         const ScaledLayout &to);

// Where a control laid out for the client size `laidOutFor` goes in a client
// area of size `client`: it keeps its distance to the edges it is anchored
// to and stretches between two opposite anchors. Never narrower or lower
// than nothing.
PixelRect AnchoredRect(const PixelRect &laidOut, unsigned anchors,
                       PixelSize laidOutFor, PixelSize client);

// Top-left corner that centres a window of the given outer size on the
// primary screen, kept at or right/below the whole desktop's top-left.
PixelPoint CentredOrigin(PixelSize window, PixelSize screen,
                         PixelPoint desktopOrigin);

} // namespace sonvella::win32
