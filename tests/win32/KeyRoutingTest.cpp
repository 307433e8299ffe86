#include "platform/win32/KeyRouting.h"

#include <gtest/gtest.h>

namespace sonvella::win32 {
namespace {

std::span<const MenuEntryDescription> Menu() {
  return PlayerFormDescription().popupMenu;
}

KeyPress Ctrl(unsigned key) { return {key, true, false, false}; }
KeyPress Plain(unsigned key) { return {key, false, false, false}; }

TPlayerForm::Handler HandlerOf(const KeyAction &action) {
  return Menu()[static_cast<std::size_t>(action.menuEntry)].onClick;
}

TEST(KeyRoutingTest, CtrlShortcutsOnTheListRunTheirMenuEntries) {
  const KeyAction open = RouteKey(Ctrl('O'), FocusedControl::List, Menu());
  const KeyAction play = RouteKey(Ctrl('P'), FocusedControl::List, Menu());
  const KeyAction stop = RouteKey(Ctrl('S'), FocusedControl::List, Menu());
  ASSERT_EQ(open.kind, KeyAction::RunMenuEntry);
  ASSERT_EQ(play.kind, KeyAction::RunMenuEntry);
  ASSERT_EQ(stop.kind, KeyAction::RunMenuEntry);
  EXPECT_EQ(HandlerOf(open), &TPlayerForm::OpenButtonClick);
  EXPECT_EQ(HandlerOf(play), &TPlayerForm::PlayButtonClick);
  EXPECT_EQ(HandlerOf(stop), &TPlayerForm::StopButtonClick);
}

TEST(KeyRoutingTest, ShortcutsNeedExactlyCtrl) {
  for (const KeyPress key :
       {KeyPress{'O', true, true, false}, KeyPress{'P', true, false, true},
        KeyPress{'S', true, true, true}, Plain('O')})
    EXPECT_EQ(RouteKey(key, FocusedControl::List, Menu()).kind,
              KeyAction::PassOn)
        << "key " << key.virtualKey;
}

TEST(KeyRoutingTest, EntriesWithoutShortcutHaveNone) {
  for (const unsigned letter : {'R', 'H', 'A', 'C'})
    EXPECT_EQ(RouteKey(Ctrl(letter), FocusedControl::List, Menu()).kind,
              KeyAction::PassOn);
}

TEST(KeyRoutingTest, ShortcutsDoNothingOnAButton) {
  EXPECT_EQ(RouteKey(Ctrl('O'), FocusedControl::Button, Menu()).kind,
            KeyAction::PassOn);
  EXPECT_EQ(RouteKey(Ctrl('P'), FocusedControl::None, Menu()).kind,
            KeyAction::PassOn);
}

TEST(KeyRoutingTest, EnterClicksAButtonAndDoesNothingOnTheList) {
  EXPECT_EQ(RouteKey(Plain(KeyEnter), FocusedControl::Button, Menu()).kind,
            KeyAction::ClickButton);
  EXPECT_EQ(RouteKey(Plain(KeyEnter), FocusedControl::List, Menu()).kind,
            KeyAction::Swallow);
}

TEST(KeyRoutingTest, EscapeDoesNothingAnywhere) {
  for (const FocusedControl focus :
       {FocusedControl::List, FocusedControl::Button, FocusedControl::None})
    EXPECT_EQ(RouteKey(Plain(KeyEscape), focus, Menu()).kind,
              KeyAction::Swallow);
}

TEST(KeyRoutingTest, TabMovesForwardAndShiftTabBackFromAnyControl) {
  for (const FocusedControl focus :
       {FocusedControl::List, FocusedControl::Button, FocusedControl::None}) {
    EXPECT_EQ(RouteKey(Plain(KeyTab), focus, Menu()).kind,
              KeyAction::FocusNext);
    EXPECT_EQ(RouteKey({KeyTab, false, true, false}, focus, Menu()).kind,
              KeyAction::FocusPrevious);
  }
  EXPECT_EQ(RouteKey(Ctrl(KeyTab), FocusedControl::List, Menu()).kind,
            KeyAction::PassOn);
}

TEST(KeyRoutingTest, ArrowsMoveTheFocusFromAButtonOnly) {
  EXPECT_EQ(RouteKey(Plain(KeyRight), FocusedControl::Button, Menu()).kind,
            KeyAction::FocusNext);
  EXPECT_EQ(RouteKey(Plain(KeyDown), FocusedControl::Button, Menu()).kind,
            KeyAction::FocusNext);
  EXPECT_EQ(RouteKey(Plain(KeyLeft), FocusedControl::Button, Menu()).kind,
            KeyAction::FocusPrevious);
  EXPECT_EQ(RouteKey(Plain(KeyUp), FocusedControl::Button, Menu()).kind,
            KeyAction::FocusPrevious);
  // On the list they move between rows.
  EXPECT_EQ(RouteKey(Plain(KeyDown), FocusedControl::List, Menu()).kind,
            KeyAction::PassOn);
}

TEST(KeyRoutingTest, SpaceIsLeftToTheButton) {
  EXPECT_EQ(RouteKey(Plain(' '), FocusedControl::Button, Menu()).kind,
            KeyAction::PassOn);
}

TEST(NeighbourControlTest, WrapsRoundAtBothEnds) {
  EXPECT_EQ(NeighbourControl(2, 6, true), 3);
  EXPECT_EQ(NeighbourControl(5, 6, true), 0);
  EXPECT_EQ(NeighbourControl(2, 6, false), 1);
  EXPECT_EQ(NeighbourControl(0, 6, false), 5);
}

TEST(NeighbourControlTest, StartsAtAnEndWhenNoControlHasTheFocus) {
  EXPECT_EQ(NeighbourControl(-1, 6, true), 0);
  EXPECT_EQ(NeighbourControl(-1, 6, false), 5);
}

} // namespace
} // namespace sonvella::win32
