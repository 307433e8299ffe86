// The program's operations carried out by Windows: message boxes, the
// shell, processes, the file search, the locale, the file-open dialog and
// the main window's caption and list.
#pragma once

#include "platform/Platform.h"
#include "platform/win32/ReportList.h"

#include <windows.h>

namespace sonvella::win32 {

class Win32Platform : public Platform {
public:
  // The main window and its list; set before the form runs any handler.
  void Attach(HWND mainWindow, ReportList *list);

  void ShowMessage(const std::wstring &text, const std::wstring &caption,
                   MessageIcon icon) override;
  void ShellOpen(const std::wstring &address) override;
  std::optional<ProcessInformation>
  StartProcess(const ProcessStartInfo &info) override;
  void TerminateProcess(KernelHandle process, std::uint32_t exitCode) override;
  void CloseHandle(KernelHandle handle) noexcept override;
  std::uint32_t WindowHandle() override;
  void SetActiveWindow(std::uint32_t window) override;
  void SetCaption(const std::wstring &caption) override;
  void CloseMainWindow() override;
  std::wstring ExecutablePath() override;
  std::optional<FoundFile> FindFile(const std::wstring &name,
                                    std::uint32_t attributeMask) override;
  std::wstring LocaleDecimalSeparator(LocaleSource source) override;
  std::optional<std::vector<std::wstring>>
  ShowOpenDialog(const OpenDialogOptions &options) override;
  int ListRowCount() override;
  FileListItem ListRow(int index) override;
  int AppendListRow(FileListItem item) override;
  void HoldListRedraw(bool hold) noexcept override;
  void DeleteListRow(int index) override;
  int SelectedListRow() override;
  void SelectListRow(int index) override;

private:
  HWND window_ = nullptr;
  ReportList *list_ = nullptr;
};

} // namespace sonvella::win32
