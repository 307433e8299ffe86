#include "app/PlayerFormDescription.h"

#include <cwctype>

namespace sonvella {

namespace {

using F = TPlayerForm;

// clang-format off
constexpr ControlDescription Controls[] = {
  // name            kind                      left top  width height  anchors
  //   caption       click
  {L"ListView",      ControlKind::ReportList,  {8,   8,   586, 258},
   AnchorLeft | AnchorTop | AnchorRight | AnchorBottom,
   L"",              nullptr},
  {L"OpenButton",    ControlKind::PushButton,  {8,   272, 80,  25},  AnchorLeft | AnchorBottom,
   L"Open...",       &F::OpenButtonClick},
  {L"RemoveButton",  ControlKind::PushButton,  {94,  272, 80,  25},  AnchorLeft | AnchorBottom,
   L"Remove",        &F::RemoveButtonClick},
  {L"PlayButton",    ControlKind::PushButton,  {188, 272, 80,  25},  AnchorLeft | AnchorBottom,
   L"Play",          &F::PlayButtonClick},
  {L"StopButton",    ControlKind::PushButton,  {274, 272, 80,  25},  AnchorLeft | AnchorBottom,
   L"Stop",          &F::StopButtonClick},
  {L"Button5",       ControlKind::PushButton,  {514, 272, 80,  25},  AnchorRight | AnchorBottom,
   L"Close",         &F::Button5Click},
};
// clang-format on

constexpr ColumnDescription Columns[] = {
    {L"AC3 Files", 180},
    {L"File Size", 80},
    {L"File Path", 280},
};

constexpr MenuEntryDescription PopupMenu[] = {
    {L"OpenMenuItem", L"Open...", L'O', &F::OpenButtonClick},
    {L"Line1MenuItem", nullptr, 0, nullptr},
    {L"RemoveMenuItem", L"Remove", 0, &F::RemoveButtonClick},
    {L"N4", nullptr, 0, nullptr},
    {L"Play1", L"Play", L'P', &F::PlayButtonClick},
    {L"StopMenuItem", L"Stop", L'S', &F::StopButtonClick},
    {L"N3", nullptr, 0, nullptr},
    {L"HomepageMenuItem", L"Homepage", 0, &F::HomepageMenuItemClick},
    {L"N2", nullptr, 0, nullptr},
    {L"AboutMenuItem", L"About...", 0, &F::AboutMenuItemClick},
    {L"N1", nullptr, 0, nullptr},
    {L"CloseMenu", L"Close", 0, &F::CloseMenuClick},
};

constexpr FormDescription Form = {
    .caption = &F::IdleCaption,
    .clientWidth = 602,
    .clientHeight = 305,
    .fontName = L"MS Sans Serif",
    .fontHeight = 14,
    .designPixelsPerInch = 120,
    .designDigitHeight = 16,
    .controls = Controls,
    .columns = Columns,
    .popupMenu = PopupMenu,
    .onCreate = &F::FormCreate,
    .onDestroy = &F::FormDestroy,
    .onListDoubleClick = &F::PlayButtonClick,
    .onSettingsChange = &F::FormSettingsChange,
};

} // namespace

const FormDescription &PlayerFormDescription() { return Form; }

std::wstring ShortcutText(wchar_t letter) {
  return std::wstring(L"Ctrl+") + letter;
}

int MenuEntryForLetter(std::span<const MenuEntryDescription> menu,
                       wchar_t letter) {
  const auto wanted = std::towupper(letter);
  for (std::size_t i = 0; i < menu.size(); ++i) {
    if (!menu[i].IsSeparator() && menu[i].caption[0] != 0 &&
        std::towupper(menu[i].caption[0]) == wanted)
      return static_cast<int>(i);
  }
  return -1;
}

} // namespace sonvella
