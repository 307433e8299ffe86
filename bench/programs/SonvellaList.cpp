#include "SonvellaList.h"

#include "app/PlayerFormDescription.h"

#include <vector>

std::optional<sonvella::win32::ReportList> CreateSonvellaList(HWND parent,
                                                              HFONT font) {
  const auto &columns = sonvella::PlayerFormDescription().columns;
  std::vector<int> widths;
  for (const auto &column : columns)
    widths.push_back(column.width);
  return sonvella::win32::ReportList::Create(
      parent, 100, sonvella::win32::PixelRect{8, 8, 588, 268}, font, columns,
      widths);
}
