// list_filler FOLDER: a window holding nothing but a report list made like
// Sonvella's, the comparison for adding files. At start it reads the .ac3
// files of FOLDER into rows (name, size text, folder) and gets a shell item
// for each. Then:
//   WM_APP + 1          empties the list;
//   WM_APP, wParam 0    inserts every row straight from what it read;
//   WM_APP, wParam 1    inserts every row under the full name the shell
//                       gives for its item, as a program handed the items a
//                       file dialog chose must ask for them.
// Either way the list is not redrawn until all rows are in.
#include "app/PlayerForms.h"
#include "platform/win32/Handles.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <uxtheme.h>
#include <wrl/client.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Microsoft::WRL::ComPtr;

constexpr wchar_t ClassName[] = L"ListFiller";
constexpr UINT FillMessage = WM_APP;
constexpr UINT ClearMessage = WM_APP + 1;
constexpr WPARAM NamesFromShell = 1;

struct Row {
  std::wstring name;
  std::wstring size;
  ComPtr<IShellItem> item;
};

std::wstring Folder;
std::vector<Row> Rows;
HWND List = nullptr;

void ReadRows() {
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileW((Folder + L"*.ac3").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE)
    return;
  const sonvella::win32::FindOwner owner(search);
  do {
    const auto size = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(entry.nFileSizeHigh) << 32) |
        entry.nFileSizeLow);
    Rows.push_back(
        {entry.cFileName, sonvella::FormatFileSize(size, L'.'), nullptr});
  } while (FindNextFileW(search, &entry));
}

struct TaskMemoryDeleter {
  void operator()(void *memory) const { CoTaskMemFree(memory); }
};
using IdList = std::unique_ptr<ITEMIDLIST, TaskMemoryDeleter>;

// Each row's item: its name parsed inside the folder, joined to the
// folder's own item list.
bool GetShellItems() {
  ComPtr<IShellItem> folder;
  ComPtr<IShellFolder> shellFolder;
  PIDLIST_ABSOLUTE folderList = nullptr;
  if (FAILED(SHCreateItemFromParsingName(Folder.c_str(), nullptr,
                                         IID_PPV_ARGS(&folder))) ||
      FAILED(folder->BindToHandler(nullptr, BHID_SFObject,
                                   IID_PPV_ARGS(&shellFolder))) ||
      FAILED(SHGetIDListFromObject(folder.Get(), &folderList)))
    return false;
  const IdList folderOwner(folderList);
  for (Row &row : Rows) {
    PIDLIST_RELATIVE child = nullptr;
    if (FAILED(shellFolder->ParseDisplayName(nullptr, nullptr, row.name.data(),
                                             nullptr, &child, nullptr)))
      return false;
    const IdList childOwner(child);
    const IdList full(ILCombine(folderList, child));
    if (!full ||
        FAILED(SHCreateItemFromIDList(full.get(), IID_PPV_ARGS(&row.item))))
      return false;
  }
  return true;
}

std::wstring ShellName(IShellItem &item) {
  PWSTR name = nullptr;
  if (FAILED(item.GetDisplayName(SIGDN_FILESYSPATH, &name)))
    return {};
  std::wstring text = name;
  CoTaskMemFree(name);
  return text;
}

void SetCellText(int index, int subItem, const std::wstring &text) {
  LVITEMW cell{};
  cell.iSubItem = subItem;
  cell.pszText = const_cast<wchar_t *>(text.c_str());
  SendMessageW(List, LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&cell));
}

void InsertRow(const std::wstring &caption, const std::wstring &size,
               const std::wstring &folder) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageW(List, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<wchar_t *>(caption.c_str());
  const int index = static_cast<int>(
      SendMessageW(List, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  SetCellText(index, 1, size);
  SetCellText(index, 2, folder);
}

void Fill(bool namesFromShell) {
  SendMessageW(List, WM_SETREDRAW, FALSE, 0);
  for (const Row &row : Rows) {
    if (namesFromShell) {
      const std::wstring fullName = ShellName(*row.item.Get());
      const std::size_t split = fullName.find_last_of(L"\\:") + 1;
      InsertRow(fullName.substr(split), row.size, fullName.substr(0, split));
    } else {
      InsertRow(row.name, row.size, Folder);
    }
  }
  SendMessageW(List, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(List, nullptr, TRUE);
}

void AddColumn(int index, const wchar_t *caption, int width) {
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<wchar_t *>(caption);
  SendMessageW(List, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&column));
}

// The same styles as Sonvella's list, so both draw and track the same.
void CreateList(HWND parent) {
  List = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT |
                             LVS_SINGLESEL | LVS_NOSORTHEADER,
                         8, 8, 580, 260, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
  constexpr DWORD extended =
      LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_TRACKSELECT;
  SendMessageW(List, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  if (IsAppThemed())
    SetWindowTheme(List, L"explorer", nullptr);
  AddColumn(0, L"AC3 Files", 180);
  AddColumn(1, L"File Size", 80);
  AddColumn(2, L"File Path", 280);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam) {
  switch (message) {
  case WM_CREATE:
    CreateList(window);
    return 0;
  case FillMessage:
    Fill(wParam == NamesFromShell);
    return 0;
  case ClearMessage:
    SendMessageW(List, LVM_DELETEALLITEMS, 0, 0);
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool ReadFolderArgument() {
  int argc = 0;
  wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr)
    return false;
  if (argc == 2)
    Folder = argv[1];
  LocalFree(argv);
  if (!Folder.empty() && Folder.back() != L'\\')
    Folder += L'\\';
  return !Folder.empty();
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  if (!ReadFolderArgument() ||
      FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
    return 2;
  ReadRows();
  if (!GetShellItems())
    return 1;

  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = ClassName;
  if (RegisterClassExW(&windowClass) == 0)
    return 1;
  const HWND window = CreateWindowExW(0, ClassName, L"List filler",
                                      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 620, 340,
                                      nullptr, nullptr, instance, nullptr);
  if (window == nullptr)
    return 1;
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Rows.clear();
  CoUninitialize();
  return 0;
}
