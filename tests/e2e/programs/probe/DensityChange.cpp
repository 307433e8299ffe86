#include "DensityChange.h"

#include "../JsonWriter.h"
#include "../UniqueHandle.h"
#include "GdiObjects.h"
#include "RemoteBlock.h"

namespace {

constexpr UINT GetDpiScaledSize = 0x02E4; // WM_GETDPISCALEDSIZE
constexpr UINT DpiChanged = 0x02E0;       // WM_DPICHANGED
constexpr UINT AnswerTimeout = 10'000;    // milliseconds

// Both messages carry a pointer, which must point into the window's
// process: the structures are put there.
constexpr std::size_t RectOffset = 64;

bool Send(HWND window, UINT message, WPARAM wParam, const char *address,
          LRESULT &result) {
  DWORD_PTR answer = 0;
  const bool sent =
      SendMessageTimeoutW(window, message, wParam,
                          reinterpret_cast<LPARAM>(address), SMTO_NORMAL,
                          AnswerTimeout, &answer) != 0;
  result = static_cast<LRESULT>(answer);
  return sent;
}

} // namespace

std::string ChangeDensity(HWND window, int density) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  const UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION |
                                             PROCESS_VM_OPERATION |
                                             PROCESS_VM_READ | PROCESS_VM_WRITE,
                                         FALSE, pid));
  if (!process.valid())
    return JsonObject()
        .Text("error", L"cannot open the window's process")
        .Build();
  RemoteBlock block(process.get(), RectOffset + sizeof(RECT));
  RECT rect{};
  GetWindowRect(window, &rect);
  // Windows hands over the current size; the window may change it.
  SIZE size{rect.right - rect.left, rect.bottom - rect.top};
  LRESULT answered = 0;
  if (!block.valid() || !block.Write(0, &size, sizeof size) ||
      !Send(window, GetDpiScaledSize, static_cast<WPARAM>(density),
            block.address(), answered) ||
      !block.Read(0, &size, sizeof size))
    return JsonObject().Text("error", L"WM_GETDPISCALEDSIZE failed").Build();

  rect.right = rect.left + size.cx;
  rect.bottom = rect.top + size.cy;
  LRESULT ignored = 0;
  if (!block.Write(RectOffset, &rect, sizeof rect) ||
      !Send(window, DpiChanged, MAKEWPARAM(density, density),
            block.address() + RectOffset, ignored))
    return JsonObject().Text("error", L"WM_DPICHANGED failed").Build();
  // The window repaints on its own once it has handled the message; the
  // objects that painting uses for a moment are counted after it.
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return JsonObject()
      .Flag("answered", answered != 0)
      .Raw("suggested", JsonRect(rect.left, rect.top, rect.right, rect.bottom))
      .Number("gdiObjects", CountGdiObjects(process.get()))
      .Build();
}
