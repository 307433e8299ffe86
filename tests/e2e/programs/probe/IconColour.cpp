#include "IconColour.h"

#include "platform/win32/Handles.h"

namespace {

bool IsBlue(int r, int g, int b) { return b > 150 && r < 120 && b > g + 30; }
bool IsRed(int r, int g, int b) { return r > 150 && g < 110 && b < 110; }
bool IsYellow(int r, int g, int b) { return r > 180 && g > 150 && b < 100; }

} // namespace

const wchar_t *IconKindOnScreen(HWND iconControl) {
  RECT rect{};
  GetWindowRect(iconControl, &rect);
  const sonvella::win32::ScreenDc screen;
  int blue = 0, red = 0, yellow = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) {
      const COLORREF pixel = GetPixel(screen.get(), x, y);
      if (pixel == CLR_INVALID)
        continue;
      const int r = GetRValue(pixel), g = GetGValue(pixel),
                b = GetBValue(pixel);
      blue += IsBlue(r, g, b);
      red += IsRed(r, g, b);
      yellow += IsYellow(r, g, b);
    }
  // A painted standard icon covers well over this many pixels in its colour.
  constexpr int Enough = 40;
  if (blue >= Enough && blue > red && blue > yellow)
    return L"information";
  if (red >= Enough && red > blue && red > yellow)
    return L"error";
  if (yellow >= Enough)
    return L"warning";
  return L"unknown";
}
