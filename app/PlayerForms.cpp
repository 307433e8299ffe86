#include "app/PlayerForms.h"

#include <exception>
#include <iterator>
#include <utility>

namespace sonvella {

std::wstring AppDir;
KernelHandle PlayerProcess = 0;
TPlayerForm *PlayerForm = nullptr;

namespace {

constexpr wchar_t SelectFileText[] = L"Please select an AC3 audio file.";
constexpr std::uint32_t DetachedProcess = 0x8; // DETACHED_PROCESS
constexpr std::uint32_t UseStdHandles = 0x100; // STARTF_USESTDHANDLES

// Exception texts are plain ASCII; each byte becomes one character.
std::wstring Widen(const char *text) {
  std::wstring wide;
  for (; *text != 0; ++text)
    wide += static_cast<wchar_t>(static_cast<unsigned char>(*text));
  return wide;
}

std::size_t SplitPoint(const std::wstring &fullName) {
  const auto separator = fullName.find_last_of(L"\\:");
  return separator == std::wstring::npos ? 0 : separator + 1;
}

// Holds the list's repainting for a scope, released however it ends.
class ListRedrawHold {
public:
  explicit ListRedrawHold(Platform &platform) : platform_(platform) {
    platform_.HoldListRedraw(true);
  }
  ~ListRedrawHold() { platform_.HoldListRedraw(false); }
  ListRedrawHold(const ListRedrawHold &) = delete;
  ListRedrawHold &operator=(const ListRedrawHold &) = delete;

private:
  Platform &platform_;
};

} // namespace

std::wstring DirectoryPart(const std::wstring &fullName) {
  return fullName.substr(0, SplitPoint(fullName));
}

std::wstring FileNamePart(const std::wstring &fullName) {
  return fullName.substr(SplitPoint(fullName));
}

std::wstring DecimalText(std::uint64_t value) {
  wchar_t digits[20]; // 2^64 - 1 has 20 digits
  wchar_t *first = std::end(digits);
  do {
    *--first = static_cast<wchar_t>(L'0' + value % 10);
    value /= 10;
  } while (value != 0);
  return std::wstring(first, std::end(digits));
}

std::wstring FailureText(const std::wstring &message) {
  if (!message.empty() && message.back() > L'.')
    return message + L'.';
  return message;
}

TPlayerForm::TPlayerForm(Platform &platform) : platform_(platform) {}

std::wstring TPlayerForm::IdleCaption() {
  return std::wstring(ApplicationTitle) + L" - " + HomepageHost;
}

void TPlayerForm::FormCreate() {
  AppDir = DirectoryPart(platform_.ExecutablePath());
  DecimalSeparator = DecimalSeparatorFromSetting(
      platform_.LocaleDecimalSeparator(LocaleSource::Thread));
}

void TPlayerForm::FormDestroy() { StopPlayback(); }

void TPlayerForm::FormSettingsChange() {
  DecimalSeparator = DecimalSeparatorFromSetting(
      platform_.LocaleDecimalSeparator(LocaleSource::UserDefault));
}

void TPlayerForm::OpenButtonClick() {
  const OpenDialogOptions options{
      .defaultExtension = L"ac3",
      .filterLabel = L"AC3 File (*.ac3)",
      .filterPattern = L"*.ac3",
      .multiSelect = true,
      .requireExisting = false,
  };
  auto names = platform_.ShowOpenDialog(options);
  if (!names)
    return;
  // With room made for every chosen name, indexing a listed name moves it
  // in without allocating, so it cannot fail once its row is in the list.
  listedNames_.Reserve(listedNames_.Size() + names->size());
  // Repainting after every row makes adding thousands of files crawl.
  const ListRedrawHold hold(platform_);
  for (std::wstring &name : *names) {
    if (listedNames_.Contains(name))
      continue;
    const int row = platform_.AppendListRow({
        .caption = FileNamePart(name),
        .size = FormatFileSize(QueryFileSize(platform_, name)),
        .path = DirectoryPart(name),
    });
    // A row the list could not take is left out, silently like every other
    // failed call, and the name stays free to be added later.
    if (row < 0)
      continue;
    listedNames_.Insert(std::move(name));
    platform_.SelectListRow(row);
  }
}

void TPlayerForm::RemoveButtonClick() {
  if (platform_.ListRowCount() == 0)
    return;
  int row = platform_.SelectedListRow();
  if (row < 0) {
    ShowSelectFileMessage();
    return;
  }
  const std::wstring fullName = RowFullName(row);
  if (fullName == CurrentFile_)
    StopButtonClick();
  platform_.DeleteListRow(row);
  listedNames_.Erase(fullName);
  const int count = platform_.ListRowCount();
  if (row >= count)
    row = count - 1;
  if (row >= 0)
    platform_.SelectListRow(row);
}

void TPlayerForm::PlayButtonClick() {
  if (platform_.ListRowCount() == 0)
    return;
  const int row = platform_.SelectedListRow();
  if (row < 0) {
    ShowSelectFileMessage();
    return;
  }
  PlayFile(RowFullName(row));
}

void TPlayerForm::StopButtonClick() { StopPlayback(); }

void TPlayerForm::HomepageMenuItemClick() {
  platform_.ShellOpen(std::wstring(L"http://") + HomepageHost);
}

void TPlayerForm::AboutMenuItemClick() {
  platform_.ShowMessage(std::wstring(ApplicationTitle) +
                            L"\r\nPlays AC3 audio files with MPlayer."
                            L"\r\nHomepage: " +
                            HomepageHost,
                        L"About", MessageIcon::Information);
}

void TPlayerForm::Button5Click() { platform_.CloseMainWindow(); }

void TPlayerForm::CloseMenuClick() { platform_.CloseMainWindow(); }

void TPlayerForm::Run(Handler handler) noexcept {
  try {
    (this->*handler)();
  } catch (const std::exception &failure) {
    try {
      platform_.ShowMessage(FailureText(Widen(failure.what())),
                            ApplicationTitle, MessageIcon::Error);
      // A command can fail after a player's end and before the idle caption,
      // or after the playing caption and before the player's start; with no
      // player running the window goes idle, as after a failed start.
      if (PlayerProcess == 0)
        StopPlayback();
    } catch (...) {
      // Not even the report could be shown, or the window made idle; the
      // program goes on regardless.
    }
  }
}

void TPlayerForm::PlayFile(const std::wstring &fileName) {
  // The texts are made before anything changes, so a failure while making
  // them leaves the player that is playing alone.
  const std::wstring caption = L"Playing " + fileName + L" - " + HomepageHost;
  // The executable is named separately and quoted on the command line, so a
  // program folder with spaces can neither be split nor hijacked.
  const std::wstring player = AppDir + L"mplayer.exe";
  const ProcessStartInfo info{
      .applicationName = player,
      .commandLine =
          PlayerCommandLine(player, platform_.WindowHandle(), fileName),
      .inheritHandles = true,
      .creationFlags = DetachedProcess,
      .currentDirectory = AppDir,
      .startupInfoSize = StartupInfoSize,
      .startupFlags = UseStdHandles,
  };
  StopPlayback();
  CurrentFile_ = fileName;
  platform_.SetCaption(caption);
  const auto started = platform_.StartProcess(info);
  if (!started) {
    platform_.ShowMessage(L"Cannot open mplayer.exe.", L"Error",
                          MessageIcon::Error);
    // Nothing plays, so the window says so.
    StopPlayback();
    return;
  }
  PlayerProcess = started->process;
  platform_.CloseHandle(started->thread);
  platform_.SetActiveWindow(platform_.WindowHandle());
  platform_.SetActiveWindow(PlayerForm->platform_.WindowHandle());
}

void TPlayerForm::StopPlayback() {
  if (PlayerProcess != 0) {
    platform_.TerminateProcess(PlayerProcess, 0);
    platform_.CloseHandle(PlayerProcess);
  }
  PlayerProcess = 0;
  CurrentFile_.clear();
  platform_.SetCaption(IdleCaption());
}

void TPlayerForm::ShowSelectFileMessage() {
  platform_.ShowMessage(SelectFileText, L"Information",
                        MessageIcon::Information);
}

std::wstring TPlayerForm::RowFullName(int index) {
  const FileListItem row = platform_.ListRow(index);
  return row.path + row.caption;
}

} // namespace sonvella
