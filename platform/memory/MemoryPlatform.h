// An in-memory stand-in for the platform: it keeps the list rows, the
// caption and the selection itself, records every other call, and answers
// with whatever the test has scripted.
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace sonvella {

class MemoryPlatform : public Platform {
public:
  struct Message {
    std::wstring text;
    std::wstring caption;
    MessageIcon icon;
  };
  struct Termination {
    KernelHandle process;
    std::uint32_t exitCode;
  };

  // --- What the test scripts ---
  // Answers of the file-open dialog, one per call; an empty queue cancels.
  std::deque<std::optional<std::vector<std::wstring>>> dialogAnswers;
  // Files the search finds, by exact name.
  std::map<std::wstring, std::uint64_t> fileSizes;
  bool processStartSucceeds = true;
  // When false, appending a row fails as a full list control's does.
  bool listTakesRows = true;
  std::wstring executablePath = L"C:\\Program Files\\Sonvella\\Sonvella.exe";
  std::uint32_t windowHandle = 0x000A01F2;
  // Locale settings as stored, by source.
  std::wstring threadDecimalSetting = L".";
  std::wstring userDecimalSetting = L".";
  // Runs at the start of every call that may fail, that is every call but
  // the noexcept ones; a test can throw from it to inject a failure.
  std::function<void(const char *operation)> beforeCall;

  // --- What the program did ---
  std::vector<Message> messages;
  std::vector<std::wstring> shellOpened;
  std::vector<ProcessStartInfo> processStarts;
  std::vector<OpenDialogOptions> dialogShows;
  std::vector<Termination> terminations;
  std::vector<KernelHandle> closedHandles;
  std::vector<KernelHandle> openHandles;
  std::vector<std::uint32_t> activatedWindows;
  std::vector<std::wstring> findCalls;
  std::vector<std::wstring> captions;
  int closeRequests = 0;

  // The list as the control would hold it.
  std::vector<FileListItem> rows;
  int selectedRow = -1;
  bool listRedrawHeld = false;

  const std::wstring &Caption() const;
  // Every handle handed out and not yet closed.
  std::vector<KernelHandle> LeakedHandles() const;
  // The process handle of every player started and not terminated.
  std::vector<KernelHandle> RunningProcesses() const;

  // Platform
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
  void Called(const char *operation) const;
  KernelHandle NewHandle();

  KernelHandle nextHandle_ = 0x100;
  std::vector<KernelHandle> processes_;
};

} // namespace sonvella
