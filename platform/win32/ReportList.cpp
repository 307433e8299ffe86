#include "platform/win32/ReportList.h"

#include "platform/win32/SystemLibraries.h"

#include <commctrl.h>

#include <utility>

namespace sonvella::win32 {

namespace {

// Hover selection without one-click activation, underlining or hand cursor.
constexpr DWORD ExtendedListStyle =
    LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_TRACKSELECT;

// Without LVS_SHOWSELALWAYS the selection is drawn only while the list has
// the focus; without LVS_EDITLABELS captions cannot be edited in place.
constexpr DWORD ListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT |
                            LVS_SINGLESEL | LVS_NOSORTHEADER;

void InsertColumn(HWND list, int index, const wchar_t *caption, int width) {
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<wchar_t *>(caption);
  SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&column));
}

// The list in the look of Explorer's when visual styles are on. The theme
// library is not a KnownDLL, so it is loaded from System32 by its full
// path, once, and stays loaded while any list may use its theme.
void ApplyExplorerTheme(HWND list) {
  static const ModuleOwner uxtheme = LoadSystemLibrary(L"uxtheme.dll");
  const auto isAppThemed =
      SystemFunction<BOOL(WINAPI *)()>(uxtheme.get(), "IsAppThemed");
  const auto setWindowTheme =
      SystemFunction<HRESULT(WINAPI *)(HWND, LPCWSTR, LPCWSTR)>(
          uxtheme.get(), "SetWindowTheme");
  if (isAppThemed != nullptr && setWindowTheme != nullptr && isAppThemed())
    setWindowTheme(list, L"explorer", nullptr);
}

} // namespace

std::optional<ReportList>
ReportList::Create(HWND parent, int id, const PixelRect &rect, HFONT font,
                   std::span<const ColumnDescription> columns,
                   std::span<const int> columnWidths) {
  const HWND list =
      CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", ListStyle, rect.left,
                      rect.top, rect.Width(), rect.Height(), parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleW(nullptr), nullptr);
  if (list == nullptr)
    return std::nullopt;
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ExtendedListStyle,
               ExtendedListStyle);
  ApplyExplorerTheme(list);
  for (std::size_t i = 0; i < columns.size(); ++i)
    InsertColumn(list, static_cast<int>(i), columns[i].caption,
                 columnWidths[i]);
  return ReportList(list);
}

int ReportList::RowCount() const {
  return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

FileListItem ReportList::Row(int index) const {
  return {CellText(index, 0), CellText(index, 1), CellText(index, 2)};
}

int ReportList::AppendRow(const FileListItem &item) {
  LVITEMW row{};
  row.mask = LVIF_TEXT;
  row.iItem = RowCount();
  row.pszText = const_cast<wchar_t *>(item.caption.c_str());
  const int index = static_cast<int>(
      SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
  if (index < 0)
    return -1;
  SetCellText(index, 1, item.size);
  SetCellText(index, 2, item.path);
  return index;
}

void ReportList::DeleteRow(int index) {
  SendMessageW(list_, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void ReportList::HoldRedraw(bool hold) noexcept {
  SendMessageW(list_, WM_SETREDRAW, hold ? FALSE : TRUE, 0);
  // The header and the scroll bars are repainted too, not only the rows.
  if (!hold)
    RedrawWindow(list_, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void ReportList::SetColumnWidths(std::span<const int> widths) {
  for (std::size_t i = 0; i < widths.size(); ++i)
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(widths[i], 0));
}

int ReportList::SelectedRow() const {
  return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM,
                                       static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ReportList::SelectRow(int index) {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED;
  state.state = LVIS_SELECTED;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&state));
}

POINT ReportList::KeyboardMenuPoint() const {
  POINT point{0, 0};
  RECT row{};
  row.left = LVIR_BOUNDS;
  const int selected = SelectedRow();
  if (selected >= 0 &&
      SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(selected),
                   reinterpret_cast<LPARAM>(&row)) != 0)
    point = {(row.left + row.right) / 2, (row.top + row.bottom) / 2};
  ClientToScreen(list_, &point);
  return point;
}

void ReportList::IgnoreHoverAtPointer() {
  POINT pointer{};
  if (GetCursorPos(&pointer))
    ignoredHover_ = pointer;
}

bool ReportList::TakesHover() {
  // Only the first hover after the window closed can be the one it caused.
  const std::optional<POINT> ignored = std::exchange(ignoredHover_, {});
  POINT pointer{};
  return !ignored || !GetCursorPos(&pointer) || pointer.x != ignored->x ||
         pointer.y != ignored->y;
}

std::wstring ReportList::CellText(int index, int subItem) const {
  // The control copies at most the buffer's size less one; a text that
  // fills the buffer may have been cut, so ask again with more room.
  std::wstring text(256, L'\0');
  for (;;) {
    LVITEMW cell{};
    cell.iSubItem = subItem;
    cell.pszText = text.data();
    cell.cchTextMax = static_cast<int>(text.size());
    const auto length = static_cast<std::size_t>(
        SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&cell)));
    if (length + 1 < text.size()) {
      text.resize(length);
      return text;
    }
    text.resize(text.size() * 2);
  }
}

void ReportList::SetCellText(int index, int subItem, const std::wstring &text) {
  LVITEMW cell{};
  cell.iSubItem = subItem;
  cell.pszText = const_cast<wchar_t *>(text.c_str());
  SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&cell));
}

} // namespace sonvella::win32
