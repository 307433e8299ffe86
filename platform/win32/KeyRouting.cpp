#include "platform/win32/KeyRouting.h"

namespace sonvella::win32 {

namespace {

// The popup menu entry whose shortcut is Ctrl with this key, or -1.
int ShortcutEntry(unsigned virtualKey,
                  std::span<const MenuEntryDescription> popupMenu) {
  for (std::size_t i = 0; i < popupMenu.size(); ++i) {
    const wchar_t letter = popupMenu[i].shortcutLetter;
    if (letter != 0 && static_cast<unsigned>(letter) == virtualKey)
      return static_cast<int>(i);
  }
  return -1;
}

KeyAction ListKey(const KeyPress &key,
                  std::span<const MenuEntryDescription> popupMenu) {
  if (key.virtualKey == KeyEnter)
    return {KeyAction::Swallow};
  if (key.ctrl && !key.shift && !key.alt) {
    const int entry = ShortcutEntry(key.virtualKey, popupMenu);
    if (entry >= 0)
      return {KeyAction::RunMenuEntry, entry};
  }
  return {KeyAction::PassOn};
}

KeyAction ButtonKey(const KeyPress &key) {
  switch (key.virtualKey) {
  case KeyEnter:
    return {KeyAction::ClickButton};
  case KeyRight:
  case KeyDown:
    return {KeyAction::FocusNext};
  case KeyLeft:
  case KeyUp:
    return {KeyAction::FocusPrevious};
  default:
    return {KeyAction::PassOn};
  }
}

} // namespace

KeyAction RouteKey(const KeyPress &key, FocusedControl focus,
                   std::span<const MenuEntryDescription> popupMenu) {
  if (key.virtualKey == KeyEscape)
    return {KeyAction::Swallow};
  if (key.virtualKey == KeyTab && !key.ctrl && !key.alt)
    return {key.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext};
  switch (focus) {
  case FocusedControl::List:
    return ListKey(key, popupMenu);
  case FocusedControl::Button:
    return ButtonKey(key);
  case FocusedControl::None:
    break;
  }
  return {KeyAction::PassOn};
}

int NeighbourControl(int current, int count, bool forward) {
  if (current < 0)
    return forward ? 0 : count - 1;
  return (current + (forward ? 1 : count - 1)) % count;
}

} // namespace sonvella::win32
