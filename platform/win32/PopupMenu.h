// The list's context menu, built from the window description: one menu
// item per entry in the same order, separators included, so a position in
// the menu is an index into the description.
#pragma once

#include "app/PlayerFormDescription.h"
#include "platform/win32/Handles.h"

#include <optional>
#include <span>

namespace sonvella::win32 {

class PopupMenu {
public:
  // Nothing when the menu cannot be made.
  static std::optional<PopupMenu>
  Create(std::span<const MenuEntryDescription> entries);

  // Shows the menu at a screen point, owned by `owner`, until the user
  // chooses or dismisses it. Returns the chosen entry's index or -1.
  int Choose(HWND owner, POINT screenPoint) const;
  // Answer to WM_MENUCHAR while this menu is open: run the entry whose
  // caption starts with the typed letter.
  LRESULT MenuChar(wchar_t letter) const;

  HMENU Handle() const { return menu_.get(); }

  const MenuEntryDescription &Entry(int index) const {
    return entries_[static_cast<std::size_t>(index)];
  }

private:
  PopupMenu(std::span<const MenuEntryDescription> entries, MenuOwner menu);

  std::span<const MenuEntryDescription> entries_;
  MenuOwner menu_;
};

} // namespace sonvella::win32
