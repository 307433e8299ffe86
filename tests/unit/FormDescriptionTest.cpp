#include "app/PlayerFormDescription.h"

#include <gtest/gtest.h>

#include <string>

namespace sonvella {
namespace {

const ControlDescription &ControlNamed(const std::wstring &name) {
  for (const ControlDescription &control : PlayerFormDescription().controls)
    if (name == control.name)
      return control;
  throw std::invalid_argument("no such control");
}

TEST(FormDescription, ControlsAreInTabOrderWithTheirCommands) {
  const FormDescription &form = PlayerFormDescription();
  std::vector<std::wstring> names;
  for (const ControlDescription &control : form.controls)
    names.emplace_back(control.name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"ListView", L"OpenButton",
                                              L"RemoveButton", L"PlayButton",
                                              L"StopButton", L"Button5"}));
  EXPECT_EQ(ControlNamed(L"OpenButton").onClick, &TPlayerForm::OpenButtonClick);
  EXPECT_EQ(ControlNamed(L"RemoveButton").onClick,
            &TPlayerForm::RemoveButtonClick);
  EXPECT_EQ(ControlNamed(L"PlayButton").onClick, &TPlayerForm::PlayButtonClick);
  EXPECT_EQ(ControlNamed(L"StopButton").onClick, &TPlayerForm::StopButtonClick);
  EXPECT_EQ(ControlNamed(L"Button5").onClick, &TPlayerForm::Button5Click);
  EXPECT_EQ(form.onListDoubleClick, &TPlayerForm::PlayButtonClick);
  EXPECT_EQ(form.onCreate, &TPlayerForm::FormCreate);
  EXPECT_EQ(form.onDestroy, &TPlayerForm::FormDestroy);
}

TEST(FormDescription, CloseButtonHangsFromTheLowerRightCorner) {
  const ControlDescription &close = ControlNamed(L"Button5");
  EXPECT_EQ(close.anchors, unsigned{AnchorRight | AnchorBottom});
  EXPECT_EQ(close.bounds.left + close.bounds.width, 594);
  EXPECT_EQ(ControlNamed(L"ListView").anchors,
            unsigned{AnchorLeft | AnchorTop | AnchorRight | AnchorBottom});
}

TEST(FormDescription, PopupMenuEntriesShortcutsAndCommands) {
  struct Expected {
    const wchar_t *caption; // nullptr: separator
    wchar_t shortcut;
    TPlayerForm::Handler onClick;
  };
  const Expected expected[] = {
      {L"Open...", L'O', &TPlayerForm::OpenButtonClick},
      {nullptr, 0, nullptr},
      {L"Remove", 0, &TPlayerForm::RemoveButtonClick},
      {nullptr, 0, nullptr},
      {L"Play", L'P', &TPlayerForm::PlayButtonClick},
      {L"Stop", L'S', &TPlayerForm::StopButtonClick},
      {nullptr, 0, nullptr},
      {L"Homepage", 0, &TPlayerForm::HomepageMenuItemClick},
      {nullptr, 0, nullptr},
      {L"About...", 0, &TPlayerForm::AboutMenuItemClick},
      {nullptr, 0, nullptr},
      {L"Close", 0, &TPlayerForm::CloseMenuClick},
  };
  const auto menu = PlayerFormDescription().popupMenu;
  ASSERT_EQ(menu.size(), std::size(expected));
  for (std::size_t i = 0; i < menu.size(); ++i) {
    SCOPED_TRACE(menu[i].name);
    EXPECT_EQ(menu[i].IsSeparator(), expected[i].caption == nullptr);
    if (!menu[i].IsSeparator()) {
      EXPECT_EQ(std::wstring(menu[i].caption), expected[i].caption);
    }
    EXPECT_EQ(menu[i].shortcutLetter, expected[i].shortcut);
    EXPECT_EQ(menu[i].onClick, expected[i].onClick);
  }
  EXPECT_EQ(ShortcutText(L'P'), L"Ctrl+P");
}

TEST(FormDescription, AFirstLetterPicksItsMenuEntry) {
  const auto menu = PlayerFormDescription().popupMenu;
  const std::wstring letters = L"ORPSHAC";
  for (wchar_t letter : letters) {
    const int entry = MenuEntryForLetter(menu, letter);
    ASSERT_GE(entry, 0) << char(letter);
    EXPECT_EQ(menu[entry].caption[0], letter);
    EXPECT_EQ(MenuEntryForLetter(menu, letter + (L'a' - L'A')), entry);
  }
  EXPECT_EQ(MenuEntryForLetter(menu, L'X'), -1);
  EXPECT_EQ(MenuEntryForLetter(menu, L'N'), -1); // separators have no caption
}

} // namespace
} // namespace sonvella
