#include "ScreenPixels.h"

#include "../JsonWriter.h"
#include "platform/win32/Handles.h"

#include <windows.h>

#include <memory>

namespace {

using sonvella::win32::GdiObjectDeleter;
using sonvella::win32::ScreenDc;
using sonvella::win32::SelectedObject;

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

} // namespace

std::string ReadPixels(int left, int top, int width, int height) {
  if (width <= 0 || height <= 0)
    return JsonObject().Text("error", L"empty rectangle").Build();
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height; // rows from the top
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;

  const ScreenDc screen;
  const std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> memory(
      CreateCompatibleDC(screen.get()));
  void *bits = nullptr;
  const std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>
      bitmap(CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits,
                              nullptr, 0));
  if (!memory || !bitmap || bits == nullptr)
    return JsonObject().Text("error", L"no bitmap for the pixels").Build();
  {
    const SelectedObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), left, top,
                SRCCOPY))
      return JsonObject()
          .Text("error", L"the screen could not be read")
          .Build();
  }
  GdiFlush();

  static constexpr char Digits[] = "0123456789abcdef";
  const auto *pixel = static_cast<const unsigned char *>(bits);
  std::string hex;
  hex.reserve(static_cast<std::size_t>(width) * height * 6);
  for (long i = 0; i < static_cast<long>(width) * height; ++i, pixel += 4)
    for (const int channel : {2, 1, 0}) // stored as blue, green, red
      for (const int shift : {4, 0})
        hex += Digits[(pixel[channel] >> shift) & 0xF];
  return JsonObject()
      .Number("width", width)
      .Number("height", height)
      .Raw("rgb", "\"" + hex + "\"")
      .Build();
}
