#include "platform/win32/PopupMenu.h"

#include <string>

namespace sonvella::win32 {

namespace {

// Menu command identifiers are the entry's index plus one, because
// TrackPopupMenu returns 0 when nothing was chosen.
UINT_PTR CommandOf(std::size_t index) { return index + 1; }

std::wstring ItemText(const MenuEntryDescription &entry) {
  std::wstring text = entry.caption;
  if (entry.shortcutLetter != 0)
    text += L'\t' + ShortcutText(entry.shortcutLetter);
  return text;
}

} // namespace

std::optional<PopupMenu>
PopupMenu::Create(std::span<const MenuEntryDescription> entries) {
  MenuOwner menu(CreatePopupMenu());
  if (!menu)
    return std::nullopt;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const MenuEntryDescription &entry = entries[i];
    if (entry.IsSeparator()) {
      AppendMenuW(menu.get(), MF_SEPARATOR, CommandOf(i), nullptr);
    } else {
      // The captions carry no '&', so no letter is underlined.
      AppendMenuW(menu.get(), MF_STRING, CommandOf(i), ItemText(entry).c_str());
    }
  }
  return PopupMenu(entries, std::move(menu));
}

PopupMenu::PopupMenu(std::span<const MenuEntryDescription> entries,
                     MenuOwner menu)
    : entries_(entries), menu_(std::move(menu)) {}

int PopupMenu::Choose(HWND owner, POINT screenPoint) const {
  const UINT command = static_cast<UINT>(TrackPopupMenu(
      menu_.get(),
      TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
      screenPoint.x, screenPoint.y, 0, owner, nullptr));
  return static_cast<int>(command) - 1;
}

LRESULT PopupMenu::MenuChar(wchar_t letter) const {
  const int entry = MenuEntryForLetter(entries_, letter);
  if (entry < 0)
    return MAKELRESULT(0, MNC_IGNORE);
  return MAKELRESULT(entry, MNC_EXECUTE);
}

} // namespace sonvella::win32
