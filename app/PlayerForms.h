// The player window: its state, its command handlers and the routines that
// turn a file into the text of the list's size column.
#pragma once

#include "app/NameIndex.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string>

namespace sonvella {

inline constexpr wchar_t ApplicationTitle[] = L"Sonvella";
inline constexpr wchar_t HomepageHost[] = L"sonvella.example.org";

class TPlayerForm;

// The program's directory with its trailing separator; empty until the
// window has been created.
extern std::wstring AppDir;
// The player started last; 0 when none has been started since the last stop.
extern KernelHandle PlayerProcess;
// The one player window, also the application's main window.
extern TPlayerForm *PlayerForm;
// The decimal separator the size texts are written with.
extern wchar_t DecimalSeparator;

// Size of the named file in bytes, or -1 when the search finds nothing.
std::int64_t QueryFileSize(Platform &platform, const std::wstring &fileName);
// Short human-readable size text with the current DecimalSeparator.
std::wstring FormatFileSize(std::int64_t size);
std::wstring FormatFileSize(std::int64_t size, wchar_t separator);
// The separator a locale setting stands for: the setting itself when it is
// exactly one character, else ".".
wchar_t DecimalSeparatorFromSetting(const std::wstring &setting);

// sizeof(STARTUPINFOW) on the target: 68 bytes on 32-bit, 104 on 64-bit.
inline constexpr std::uint32_t StartupInfoSize = sizeof(void *) == 8 ? 104 : 68;

// The value in decimal digits. Written by hand: std::to_wstring would link
// the printf family (about 24 KB) into the program.
std::wstring DecimalText(std::uint64_t value);

// The command line that starts the player executable `player` (a full file
// name) on the window `window` and the file `fileName`.
std::wstring PlayerCommandLine(const std::wstring &player, std::uint32_t window,
                               const std::wstring &fileName);

// Text of the box that reports a failure escaping a command.
std::wstring FailureText(const std::wstring &message);

class TPlayerForm {
public:
  explicit TPlayerForm(Platform &platform);

  // The caption while nothing plays.
  static std::wstring IdleCaption();

  // Handlers bound by the window description.
  void FormCreate();
  void FormDestroy();
  void OpenButtonClick();
  void RemoveButtonClick();
  void PlayButtonClick();
  void StopButtonClick();
  void HomepageMenuItemClick();
  void AboutMenuItemClick();
  void Button5Click();
  void CloseMenuClick();

  // The system announced changed settings or a new taskbar: the decimal
  // separator is read again.
  void FormSettingsChange();

  // Runs a handler; a failure escaping it is shown in the error box, the
  // window goes idle unless a player runs, and the program goes on.
  using Handler = void (TPlayerForm::*)();
  void Run(Handler handler) noexcept;

  const std::wstring &CurrentFile() const { return CurrentFile_; }

private:
  void PlayFile(const std::wstring &fileName);
  void StopPlayback();
  void ShowSelectFileMessage();
  std::wstring RowFullName(int index);

  Platform &platform_;
  std::wstring CurrentFile_;
  // Full names of the listed rows.
  NameIndex listedNames_;
};

// Splits a full file name after its last '\' or ':'.
std::wstring DirectoryPart(const std::wstring &fullName);
std::wstring FileNamePart(const std::wstring &fullName);

} // namespace sonvella
