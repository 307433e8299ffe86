#include "platform/win32/ShellItemNames.h"

#include <shlobj.h>

#include <algorithm>
#include <numeric>
#include <span>
#include <string_view>
#include <utility>

namespace sonvella::win32 {

namespace {

using Microsoft::WRL::ComPtr;

// The item's name of that kind; nullopt when the shell gives none.
std::optional<std::wstring> DisplayName(IShellItem &item, SIGDN kind) {
  PWSTR name = nullptr;
  if (FAILED(item.GetDisplayName(kind, &name)))
    return std::nullopt;
  const TaskMemoryOwner<wchar_t> owner(name);
  return std::wstring(name != nullptr ? name : L"");
}

// A chosen item, its ID list and that list's bytes before its last ID, which
// stand for its folder: items with the same bytes lie in the same folder.
// Compared byte for byte rather than by the names in them (ILIsParent):
// Wine compares those without case, yet on its Linux drives two folders may
// differ in case only; one folder given in other bytes only makes one more
// group. Empty for an item without a list and for one the desktop holds.
struct Chosen {
  ComPtr<IShellItem> item;
  IdListOwner list;
  std::string_view parent;
};

Chosen ChosenItem(ComPtr<IShellItem> item) {
  IdListOwner list = IdListOf(*item.Get());
  std::string_view parent;
  if (list) {
    const auto *start = reinterpret_cast<const char *>(list.get());
    const auto *last = reinterpret_cast<const char *>(ILFindLastID(list.get()));
    parent = {start, static_cast<std::size_t>(last - start)};
  }
  return {std::move(item), std::move(list), parent};
}

using Names = std::vector<std::optional<std::wstring>>;

// Names the items of one parent, `group` holding their places in the
// dialog's order. The first is named alone; the rest through the folder
// when it names the first the same. The desktop's own items are named one
// by one: beside its files it shows items that are no files.
void NameGroup(const std::vector<Chosen> &chosen,
               std::span<const std::size_t> group, Names &names) {
  const Chosen &first = chosen[group.front()];
  names[group.front()] = ItemName(*first.item.Get());
  std::optional<FolderNames> folder;
  if (group.size() > 1 && !first.parent.empty())
    folder = FolderNames::ParentOf(*first.item.Get());
  if (folder) {
    const auto name = folder->Name(first.list.get());
    if (!name || name != names[group.front()])
      folder.reset();
  }
  for (const std::size_t place : group.subspan(1)) {
    const Chosen &item = chosen[place];
    if (folder)
      names[place] = folder->Name(item.list.get());
    if (!names[place])
      names[place] = ItemName(*item.item.Get());
  }
}

} // namespace

std::optional<std::wstring> ItemName(IShellItem &item) {
  if (auto path = DisplayName(item, SIGDN_FILESYSPATH))
    return path;
  return DisplayName(item, SIGDN_NORMALDISPLAY);
}

IdListOwner IdListOf(IShellItem &item) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHGetIDListFromObject(&item, &list)))
    return nullptr;
  return IdListOwner(list);
}

std::optional<FolderNames> FolderNames::ParentOf(IShellItem &item) {
  ComPtr<IShellItem> parent;
  SFGAOF attributes = 0;
  if (FAILED(item.GetParent(&parent)) ||
      FAILED(parent->GetAttributes(SFGAO_FILESYSTEM, &attributes)) ||
      (attributes & SFGAO_FILESYSTEM) == 0)
    return std::nullopt;
  FolderNames names;
  names.path_ = DisplayName(*parent.Get(), SIGDN_FILESYSPATH).value_or(L"");
  if (names.path_.empty() ||
      FAILED(parent->BindToHandler(nullptr, BHID_SFObject,
                                   IID_PPV_ARGS(&names.folder_))))
    return std::nullopt;
  // A drive's root (C:\) ends in its separator already.
  if (names.path_.back() != L'\\')
    names.path_ += L'\\';
  return names;
}

std::optional<std::wstring> FolderNames::Name(PCIDLIST_ABSOLUTE item) const {
  STRRET name{};
  if (item == nullptr ||
      FAILED(folder_->GetDisplayNameOf(
          ILFindLastID(item), SHGDN_INFOLDER | SHGDN_FORPARSING, &name)) ||
      name.uType != STRRET_WSTR)
    return std::nullopt; // the other kinds hold no memory to free
  const TaskMemoryOwner<wchar_t> text(name.pOleStr);
  if (!text)
    return std::nullopt;
  return path_ + text.get();
}

std::optional<std::vector<std::wstring>>
ShellItemNames(IShellItemArray &items) {
  DWORD count = 0;
  if (FAILED(items.GetCount(&count)))
    return std::nullopt;
  std::vector<Chosen> chosen;
  chosen.reserve(count);
  for (DWORD i = 0; i < count; ++i) {
    ComPtr<IShellItem> item;
    if (SUCCEEDED(items.GetItemAt(i, &item)))
      chosen.push_back(ChosenItem(std::move(item)));
  }
  // Places sorted by parent, each parent's in the dialog's order.
  std::vector<std::size_t> order(chosen.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return std::pair(chosen[a].parent, a) < std::pair(chosen[b].parent, b);
  });
  Names names(chosen.size());
  for (auto start = order.begin(); start != order.end();) {
    const std::string_view parent = chosen[*start].parent;
    const auto end = std::find_if(start, order.end(), [&](std::size_t place) {
      return chosen[place].parent != parent;
    });
    NameGroup(chosen, {start, end}, names);
    start = end;
  }
  std::vector<std::wstring> result;
  result.reserve(names.size());
  for (auto &name : names) {
    if (name)
      result.push_back(std::move(*name));
  }
  return result;
}

} // namespace sonvella::win32
