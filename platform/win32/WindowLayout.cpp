#include "platform/win32/WindowLayout.h"

#include <algorithm>
#include <cstdint>

namespace sonvella::win32 {

int ScaleBy(int value, int numerator, int denominator) {
  const std::int64_t product = std::int64_t{value} * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>((product < 0 ? product - half : product + half) /
                          denominator);
}

int ScaledFontHeight(const FormDescription &form, int pixelsPerInch) {
  return ScaleBy(form.fontHeight, pixelsPerInch, form.designPixelsPerInch);
}

ScaledLayout ScaleLayout(const FormDescription &form, int digitHeight) {
  const auto scale = [&](int value) {
    return ScaleBy(value, digitHeight, form.designDigitHeight);
  };
  ScaledLayout layout{
      .digitHeight = digitHeight,
      .client = {scale(form.clientWidth), scale(form.clientHeight)},
      .controls = {},
      .columnWidths = {},
  };
  for (const ControlDescription &control : form.controls) {
    const LayoutRect &b = control.bounds;
    layout.controls.push_back({scale(b.left), scale(b.top),
                               scale(b.left + b.width),
                               scale(b.top + b.height)});
  }
  for (const ColumnDescription &column : form.columns)
    layout.columnWidths.push_back(scale(column.width));
  return layout;
}

PixelSize RescaledClient(PixelSize client, const ScaledLayout &from,
                         const ScaledLayout &to) {
  if (client.width == from.client.width && client.height == from.client.height)
    return to.client;
  return {ScaleBy(client.width, to.digitHeight, from.digitHeight),
          ScaleBy(client.height, to.digitHeight, from.digitHeight)};
}

namespace {

// One axis of AnchoredRect: `growth` is how much the client area grew.
void FollowEdges(int &low, int &high, bool lowAnchored, bool highAnchored,
                 int growth) {
  if (!highAnchored)
    return;
  if (!lowAnchored)
    low += growth;
  high = std::max(low, high + growth);
}

} // namespace

PixelRect AnchoredRect(const PixelRect &laidOut, unsigned anchors,
                       PixelSize laidOutFor, PixelSize client) {
  PixelRect rect = laidOut;
  FollowEdges(rect.left, rect.right, (anchors & AnchorLeft) != 0,
              (anchors & AnchorRight) != 0, client.width - laidOutFor.width);
  FollowEdges(rect.top, rect.bottom, (anchors & AnchorTop) != 0,
              (anchors & AnchorBottom) != 0, client.height - laidOutFor.height);
  return rect;
}

PixelPoint CentredOrigin(PixelSize window, PixelSize screen,
                         PixelPoint desktopOrigin) {
  return {std::max((screen.width - window.width) / 2, desktopOrigin.x),
          std::max((screen.height - window.height) / 2, desktopOrigin.y)};
}

} // namespace sonvella::win32
