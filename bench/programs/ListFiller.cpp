// list_filler FOLDER: a window holding nothing but Sonvella's report list,
// the comparison for adding files. At start it reads the .ac3
// files of FOLDER into rows (name, size text, folder) and gets a shell item
// for each. Then:
//   WM_APP + 1          empties the list;
//   WM_APP, wParam 0    inserts every row straight from what it read;
//   WM_APP, wParam 1    inserts every row under the full name the shell
//                       gives for its item alone, as a program handed the
//                       items a file dialog chose may ask for them;
//   WM_APP, wParam 2    the same with the names asked of FOLDER, bound
//                       once, for the items' ID lists: the least a program
//                       handed the items can do to name them.
// Either way the list is not redrawn until all rows are in.
#include "SonvellaList.h"
#include "TopLevelWindow.h"
#include "app/PlayerForms.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ReportList.h"
#include "platform/win32/ShellItemNames.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Microsoft::WRL::ComPtr;

constexpr UINT FillMessage = WM_APP;
constexpr UINT ClearMessage = WM_APP + 1;
enum class Naming : WPARAM { AsRead, PerItem, PerFolder };

struct Row {
  std::wstring name;
  std::wstring size;
  ComPtr<IShellItem> item;
};

std::wstring Folder;
std::vector<Row> Rows;
std::optional<sonvella::win32::ReportList> List;

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

using IdList = sonvella::win32::IdListOwner;

// Each row's item: its name parsed inside the folder, joined to the
// folder's own item list. False also when the folder could not name them.
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
  return Rows.empty() ||
         sonvella::win32::FolderNames::ParentOf(*Rows.front().item.Get());
}

// The row's full name from the shell: asked for its item alone, or of its
// folder when that is given.
std::wstring
ShellName(const Row &row,
          const std::optional<sonvella::win32::FolderNames> &folder) {
  IShellItem &item = *row.item.Get();
  const auto name = folder ? folder->Name(sonvella::win32::IdListOf(item).get())
                           : sonvella::win32::ItemName(item);
  return name.value_or(L"");
}

void Fill(Naming naming) {
  const HWND list = List->Handle();
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  std::optional<sonvella::win32::FolderNames> folder;
  if (naming == Naming::PerFolder && !Rows.empty())
    folder = sonvella::win32::FolderNames::ParentOf(*Rows.front().item.Get());
  for (const Row &row : Rows) {
    if (naming == Naming::AsRead) {
      List->AppendRow({.caption = row.name, .size = row.size, .path = Folder});
    } else {
      const std::wstring fullName = ShellName(row, folder);
      List->AppendRow({.caption = sonvella::FileNamePart(fullName),
                       .size = row.size,
                       .path = sonvella::DirectoryPart(fullName)});
    }
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

// Sonvella's own list control, with its styles and columns.
bool CreateList(HWND parent) noexcept {
  try {
    List = CreateSonvellaList(
        parent, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    return List.has_value();
  } catch (...) {
    return false;
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam) {
  switch (message) {
  case WM_CREATE:
    return CreateList(window) ? 0 : -1;
  case FillMessage:
    Fill(static_cast<Naming>(wParam));
    return 0;
  case ClearMessage:
    SendMessageW(List->Handle(), LVM_DELETEALLITEMS, 0, 0);
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
  const int exitCode = RunTopLevelWindow(
      instance, L"ListFiller", L"List filler", WindowProc, showCommand);
  Rows.clear();
  CoUninitialize();
  return exitCode;
}
