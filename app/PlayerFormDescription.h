// The player window as data: its frame, font, controls, list columns and
// context menu, each bound to the handler it triggers. The Win32 side turns
// this description into the real window; nothing here knows about HWNDs.
#pragma once

#include "app/PlayerForms.h"

#include <span>

namespace sonvella {

// Edges a control keeps its distance to when the window is resized.
enum Anchor : unsigned {
  AnchorLeft = 1,
  AnchorTop = 2,
  AnchorRight = 4,
  AnchorBottom = 8,
};

enum class ControlKind { ReportList, PushButton };

// Pixels at 120 pixels per inch, where the digit 0 of the window's font is
// 16 pixels high.
struct LayoutRect {
  int left;
  int top;
  int width;
  int height;
};

// Controls are listed in tab order.
struct ControlDescription {
  const wchar_t *name;
  ControlKind kind;
  LayoutRect bounds;
  unsigned anchors;
  const wchar_t *caption;
  TPlayerForm::Handler onClick;
};

struct ColumnDescription {
  const wchar_t *caption;
  int width;
};

// A separator has no caption. A shortcut is Ctrl with the given letter.
struct MenuEntryDescription {
  const wchar_t *name;
  const wchar_t *caption;
  wchar_t shortcutLetter;
  TPlayerForm::Handler onClick;

  bool IsSeparator() const { return caption == nullptr; }
};

struct FormDescription {
  std::wstring (*caption)(); // the window's caption when it is created
  int clientWidth;
  int clientHeight;
  const wchar_t *fontName;
  int fontHeight; // character height at 120 pixels per inch
  int designPixelsPerInch;
  int designDigitHeight; // height of the digit 0 the layout was made for
  std::span<const ControlDescription> controls;
  std::span<const ColumnDescription> columns;
  std::span<const MenuEntryDescription> popupMenu;
  TPlayerForm::Handler onCreate;
  TPlayerForm::Handler onDestroy;
  TPlayerForm::Handler onListDoubleClick;
  TPlayerForm::Handler onSettingsChange;
};

const FormDescription &PlayerFormDescription();

// Shortcut text shown right of a menu caption: "Ctrl+" and the letter.
std::wstring ShortcutText(wchar_t letter);
// The menu entry whose caption starts with the typed letter, ignoring case,
// or -1; separators never match.
int MenuEntryForLetter(std::span<const MenuEntryDescription> menu,
                       wchar_t letter);

} // namespace sonvella
