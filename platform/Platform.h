// The window-system, shell and process operations the program uses. The
// program logic sees only this interface; the Win32 implementation and the
// in-memory one used by the tests sit behind it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sonvella {

// Message box icons, with the values MessageBoxW takes.
enum class MessageIcon : std::uint32_t {
  Information = 0x40, // MB_ICONINFORMATION
  Error = 0x10,       // MB_ICONERROR
};

// A kernel handle as a number; 0 stands for none.
using KernelHandle = std::uintptr_t;

// Everything CreateProcessW is given. Security attributes are always none
// and the environment is always the program's own, so they have no field.
struct ProcessStartInfo {
  std::wstring applicationName;
  std::wstring commandLine;
  bool inheritHandles = false;
  std::uint32_t creationFlags = 0;
  std::wstring currentDirectory;
  std::uint32_t startupInfoSize = 0;
  std::uint32_t startupFlags = 0;
};

// What CreateProcessW fills in on success.
struct ProcessInformation {
  KernelHandle process = 0;
  KernelHandle thread = 0;
  std::uint32_t processId = 0;
  std::uint32_t threadId = 0;
};

// A directory entry found by the file search: the size as the two unsigned
// 32-bit halves of the find data.
struct FoundFile {
  std::uint32_t sizeHigh = 0;
  std::uint32_t sizeLow = 0;
};

struct OpenDialogOptions {
  std::wstring defaultExtension;
  std::wstring filterLabel;
  std::wstring filterPattern;
  bool multiSelect = false;
  bool requireExisting = false;
};

// One row of the report list: the item caption and the two sub-items.
struct FileListItem {
  std::wstring caption;
  std::wstring size;
  std::wstring path;
};

// Which locale the decimal separator is read from: the thread's at start-up,
// the user's default after the system announced a settings change.
enum class LocaleSource { Thread, UserDefault };

class Platform {
public:
  virtual ~Platform() = default;

  // Modal message box owned by the main window with one OK button.
  virtual void ShowMessage(const std::wstring &text,
                           const std::wstring &caption, MessageIcon icon) = 0;
  // Shell "open" of an address, owned by the main window; result ignored.
  virtual void ShellOpen(const std::wstring &address) = 0;

  // Starts a process; nullopt when the start failed.
  virtual std::optional<ProcessInformation>
  StartProcess(const ProcessStartInfo &info) = 0;
  virtual void TerminateProcess(KernelHandle process,
                                std::uint32_t exitCode) = 0;
  // Letting go of a handle never fails, so a command that fails on its way
  // can still close what it no longer needs.
  virtual void CloseHandle(KernelHandle handle) noexcept = 0;

  // The main window's handle as the unsigned 32-bit number other processes
  // know it by.
  virtual std::uint32_t WindowHandle() = 0;
  virtual void SetActiveWindow(std::uint32_t window) = 0;
  virtual void SetCaption(const std::wstring &caption) = 0;
  // Asks the main window to close once the waiting messages are handled.
  virtual void CloseMainWindow() = 0;

  // Full file name of the running executable.
  virtual std::wstring ExecutablePath() = 0;
  // Looks up one directory entry; nullopt when the search finds nothing.
  virtual std::optional<FoundFile> FindFile(const std::wstring &name,
                                            std::uint32_t attributeMask) = 0;
  // The locale's decimal separator setting as stored; empty when unreadable.
  virtual std::wstring LocaleDecimalSeparator(LocaleSource source) = 0;

  // Modal file-open dialog owned by the main window; nullopt when cancelled
  // or when it could not be shown, else the chosen names in the dialog's
  // order.
  virtual std::optional<std::vector<std::wstring>>
  ShowOpenDialog(const OpenDialogOptions &options) = 0;

  // The report list's rows.
  virtual int ListRowCount() = 0;
  virtual FileListItem ListRow(int index) = 0;
  // Appends a row at the end and returns its index, or -1 when the list
  // could not take it.
  virtual int AppendListRow(FileListItem item) = 0;
  // While held, the list does not repaint or rework its scroll bars after
  // each row; on release it shows all the changes at once.
  virtual void HoldListRedraw(bool hold) noexcept = 0;
  virtual void DeleteListRow(int index) = 0;
  // The selected row with the lowest index, or -1.
  virtual int SelectedListRow() = 0;
  // Sets the row's selected state only: the focused row, the keyboard focus
  // and the scroll position stay.
  virtual void SelectListRow(int index) = 0;
};

} // namespace sonvella
