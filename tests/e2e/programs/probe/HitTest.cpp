#include "HitTest.h"

#include "../JsonWriter.h"

#include <algorithm>
#include <climits>

std::string FindHitTestArea(HWND window, int code) {
  RECT frame{};
  GetWindowRect(window, &frame);
  // The caption buttons and the menu bar lie in this band below the top edge.
  constexpr int Band = 80;
  constexpr int Step = 2;
  long left = LONG_MAX, top = LONG_MAX, right = LONG_MIN, bottom = LONG_MIN;
  for (long y = frame.top; y < std::min(frame.bottom, frame.top + Band);
       y += Step)
    for (long x = frame.left; x < frame.right; x += Step) {
      DWORD_PTR answer = 0;
      if (SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y),
                              SMTO_ABORTIFHUNG, 2000, &answer) &&
          static_cast<int>(answer) == code) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + 1);
        bottom = std::max(bottom, y + 1);
      }
    }
  if (left > right)
    return "null";
  return JsonObject()
      .Raw("rect", JsonRect(left, top, right, bottom))
      .Number("x", (left + right) / 2)
      .Number("y", (top + bottom) / 2)
      .Build();
}
