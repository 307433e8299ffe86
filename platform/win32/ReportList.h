// The report-view list control that holds the file rows: its creation from
// the window description and the row operations the program logic uses.
#pragma once

#include "app/PlayerFormDescription.h"
#include "platform/win32/WindowLayout.h"

#include <windows.h>

#include <optional>
#include <span>

namespace sonvella::win32 {

class ReportList {
public:
  // Creates the list as a child of `parent` with its columns (widths
  // already scaled); the parent destroys it. Nothing when the control
  // cannot be made.
  static std::optional<ReportList>
  Create(HWND parent, int id, const PixelRect &rect, HFONT font,
         std::span<const ColumnDescription> columns,
         std::span<const int> columnWidths);

  HWND Handle() const { return list_; }

  int RowCount() const;
  FileListItem Row(int index) const;
  // The new row's index, or -1 when the control could not add it.
  int AppendRow(const FileListItem &item);
  void DeleteRow(int index);
  void HoldRedraw(bool hold) noexcept;
  void SetColumnWidths(std::span<const int> widths);
  // The selected row with the lowest index, or -1.
  int SelectedRow() const;
  // Sets only the row's selected state; the single-selection list clears
  // the previous one.
  void SelectRow(int index);
  // Where a menu opened from the keyboard appears, in screen coordinates:
  // the centre of the selected row, else the list's top-left corner.
  POINT KeyboardMenuPoint() const;
  // A window closing above the list uncovers it under a pointer that has
  // not moved, and the list then takes that for a pointer resting on it:
  // its hover selection would select the row there and take the keyboard
  // focus. Called when such a window has closed: the next hover is ignored
  // if the pointer is still where it is now.
  void IgnoreHoverAtPointer();
  // Whether the list may act on the hover it reports now (NM_HOVER).
  bool TakesHover();

private:
  explicit ReportList(HWND list) : list_(list) {}

  std::wstring CellText(int index, int subItem) const;
  void SetCellText(int index, int subItem, const std::wstring &text);

  HWND list_;
  std::optional<POINT> ignoredHover_; // where the pointer rested, on screen
};

} // namespace sonvella::win32
