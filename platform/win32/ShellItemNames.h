// The names of shell items, such as the files a file dialog hands over: each
// item's file-system path, or its display name when it has none.
//
// Asking the shell for one item's path makes it look the item's folder over
// each time (under Wine it searches the folder for a desktop.ini, a scan of
// every entry where there is none), so a thousand files from one folder cost
// a thousand looks. Items of a file-system folder are named through the
// folder instead, bound once.
#pragma once

#include "platform/win32/Handles.h"

#include <windows.h>

#include <shobjidl.h>
#include <wrl/client.h>

#include <optional>
#include <string>
#include <vector>

namespace sonvella::win32 {

using IdListOwner = TaskMemoryOwner<ITEMIDLIST>;

// The item's file-system path, or its display name when it has none, asked
// of the shell for the item alone; nullopt when it gives neither.
std::optional<std::wstring> ItemName(IShellItem &item);

// The item's absolute ID list; null when the shell gives none.
IdListOwner IdListOf(IShellItem &item);

// A file-system folder bound once, naming its items from their ID lists.
class FolderNames {
public:
  // The folder holding `item`; nullopt unless it is a file-system folder
  // with a path.
  static std::optional<FolderNames> ParentOf(IShellItem &item);

  // The full name of the folder's item whose absolute ID list is `item`:
  // the folder's path and the item's parsing name in it, one separator
  // between; nullopt when the folder gives no name.
  std::optional<std::wstring> Name(PCIDLIST_ABSOLUTE item) const;

private:
  Microsoft::WRL::ComPtr<IShellFolder> folder_;
  std::wstring path_; // ends in a separator
};

// The names of the items, in their order; an item without a name is left
// out, and nullopt when the items cannot be counted. Items of one
// file-system folder are named through the folder, once the folder gives
// its first item the same name as the shell gives that item alone; the
// rest are named one by one.
std::optional<std::vector<std::wstring>> ShellItemNames(IShellItemArray &items);

} // namespace sonvella::win32
