#include "ListViewReader.h"

#include "../JsonWriter.h"
#include "../UniqueHandle.h"
#include "RemoteBlock.h"

#include <commctrl.h>

#include <vector>

namespace {

constexpr int TextCapacity = 4096; // characters

// The structure sits at the start of the block, its text buffer after it.
constexpr std::size_t TextOffset = 256;
constexpr std::size_t BlockSize = TextOffset + TextCapacity * sizeof(wchar_t);

class ListReader {
public:
  ListReader(HWND list, HANDLE process)
      : list_(list), block_(process, BlockSize) {}

  bool valid() const { return block_.valid(); }

  std::wstring ItemText(int row, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<LPWSTR>(block_.address() + TextOffset);
    item.cchTextMax = TextCapacity;
    if (!block_.Write(0, &item, sizeof item))
      return {};
    const auto length =
        SendMessageW(list_, LVM_GETITEMTEXTW, row,
                     reinterpret_cast<LPARAM>(block_.address()));
    return ReadText(static_cast<std::size_t>(length));
  }

  std::string Column(int index) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = reinterpret_cast<LPWSTR>(block_.address() + TextOffset);
    column.cchTextMax = TextCapacity;
    if (!block_.Write(0, &column, sizeof column) ||
        !SendMessageW(list_, LVM_GETCOLUMNW, index,
                      reinterpret_cast<LPARAM>(block_.address())) ||
        !block_.Read(0, &column, sizeof column))
      return "null";
    return JsonObject()
        .Text("text", ReadText(TextCapacity))
        .Number("width", column.cx)
        .Number("format", column.fmt)
        .Build();
  }

  // The row's whole rectangle in screen coordinates.
  std::string RowRect(int row) {
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    if (!block_.Write(0, &rect, sizeof rect) ||
        !SendMessageW(list_, LVM_GETITEMRECT, row,
                      reinterpret_cast<LPARAM>(block_.address())) ||
        !block_.Read(0, &rect, sizeof rect))
      return "null";
    MapWindowPoints(list_, nullptr, reinterpret_cast<POINT *>(&rect), 2);
    return JsonRect(rect.left, rect.top, rect.right, rect.bottom);
  }

private:
  // Reads the text buffer up to its terminating zero or the given length.
  std::wstring ReadText(std::size_t length) {
    std::vector<wchar_t> text(TextCapacity + 1, L'\0');
    if (!block_.Read(TextOffset, text.data(), TextCapacity * sizeof(wchar_t)))
      return {};
    std::wstring result(text.data());
    return length < result.size() ? result.substr(0, length) : result;
  }

  HWND list_;
  RemoteBlock block_;
};

std::string ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return JsonRect(rect.left, rect.top, rect.right, rect.bottom);
}

} // namespace

std::string DumpListView(HWND list) {
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  const UniqueHandle process(OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process.valid())
    return JsonObject()
        .Text("error", L"cannot open the list's process")
        .Build();
  ListReader reader(list, process.get());
  if (!reader.valid())
    return JsonObject()
        .Text("error", L"cannot allocate in the list's process")
        .Build();

  const auto header =
      reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const auto columnCount =
      static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  std::vector<std::string> columns;
  for (int column = 0; column < columnCount; ++column)
    columns.push_back(reader.Column(column));

  const auto rowCount =
      static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  std::vector<std::string> rows;
  for (int row = 0; row < rowCount; ++row) {
    std::vector<std::string> texts;
    for (int column = 0; column < columnCount; ++column)
      texts.push_back(JsonString(reader.ItemText(row, column)));
    const auto state =
        SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_SELECTED | LVIS_FOCUSED);
    rows.push_back(JsonObject()
                       .Raw("texts", JsonArray(texts))
                       .Flag("selected", (state & LVIS_SELECTED) != 0)
                       .Flag("focused", (state & LVIS_FOCUSED) != 0)
                       .Raw("rect", reader.RowRect(row))
                       .Build());
  }

  return JsonObject()
      .Number("count", rowCount)
      .Number("extendedStyle",
              SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0))
      .Number("selectedCount", SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0))
      .Number("topIndex", SendMessageW(list, LVM_GETTOPINDEX, 0, 0))
      .Raw("header", ScreenRect(header))
      .Raw("columns", JsonArray(columns))
      .Raw("rows", JsonArray(rows))
      .Build();
}
