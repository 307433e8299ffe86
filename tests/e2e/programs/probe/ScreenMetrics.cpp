#include "ScreenMetrics.h"

#include "../JsonWriter.h"

#include <windows.h>

std::string DescribeScreen(const std::wstring &fontFace, int characterHeight) {
  const HDC screen = GetDC(nullptr);
  const int ppi = GetDeviceCaps(screen, LOGPIXELSY);
  // A negative height asks for the character height, without the leading.
  const HFONT font = CreateFontW(
      -characterHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      DEFAULT_PITCH | FF_DONTCARE, fontFace.c_str());
  const HGDIOBJ previous = SelectObject(screen, font);
  SIZE digit{};
  GetTextExtentPoint32W(screen, L"0", 1, &digit);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  wchar_t chosenFace[LF_FACESIZE] = {};
  GetTextFaceW(screen, LF_FACESIZE, chosenFace);
  SelectObject(screen, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);

  const int desktopLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int desktopTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return JsonObject()
      .Number("width", GetSystemMetrics(SM_CXSCREEN))
      .Number("height", GetSystemMetrics(SM_CYSCREEN))
      .Raw("desktop",
           JsonRect(desktopLeft, desktopTop,
                    desktopLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    desktopTop + GetSystemMetrics(SM_CYVIRTUALSCREEN)))
      .Number("ppi", ppi)
      .Text("face", chosenFace)
      .Number("digitHeight", digit.cy)
      .Number("digitWidth", digit.cx)
      .Number("cellHeight", metrics.tmHeight)
      .Build();
}
