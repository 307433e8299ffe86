// What a key pressed in the main window does before any control sees it:
// the list's Ctrl shortcuts, moving the focus between the controls and
// clicking a focused button with Enter. Plain logic, so it has no Windows
// headers; the key codes are Windows' virtual-key codes.
#pragma once

#include "app/PlayerFormDescription.h"

#include <span>

namespace sonvella::win32 {

enum VirtualKey : unsigned {
  KeyTab = 0x09,
  KeyEnter = 0x0D,
  KeyEscape = 0x1B,
  KeyLeft = 0x25,
  KeyUp = 0x26,
  KeyRight = 0x27,
  KeyDown = 0x28,
};

struct KeyPress {
  unsigned virtualKey;
  bool ctrl;
  bool shift;
  bool alt;
};

enum class FocusedControl { None, List, Button };

struct KeyAction {
  enum Kind {
    PassOn,  // the focused control handles the key as usual
    Swallow, // nothing happens
    RunMenuEntry,
    FocusNext,
    FocusPrevious,
    ClickButton,
  };
  Kind kind;
  int menuEntry = -1; // for RunMenuEntry: index into the popup menu
};

KeyAction RouteKey(const KeyPress &key, FocusedControl focus,
                   std::span<const MenuEntryDescription> popupMenu);

// Index of the control the focus moves to from `current` (-1: none has it)
// among `count` controls in tab order, wrapping round at both ends.
int NeighbourControl(int current, int count, bool forward);

} // namespace sonvella::win32
