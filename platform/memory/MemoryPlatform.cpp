#include "platform/memory/MemoryPlatform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace sonvella {

void MemoryPlatform::Called(const char *operation) const {
  if (beforeCall)
    beforeCall(operation);
}

KernelHandle MemoryPlatform::NewHandle() {
  nextHandle_ += 4;
  openHandles.push_back(nextHandle_);
  return nextHandle_;
}

const std::wstring &MemoryPlatform::Caption() const {
  static const std::wstring none;
  return captions.empty() ? none : captions.back();
}

std::vector<KernelHandle> MemoryPlatform::LeakedHandles() const {
  return openHandles;
}

std::vector<KernelHandle> MemoryPlatform::RunningProcesses() const {
  std::vector<KernelHandle> running;
  for (const KernelHandle process : processes_) {
    if (std::none_of(
            terminations.begin(), terminations.end(),
            [&](const Termination &ended) { return ended.process == process; }))
      running.push_back(process);
  }
  return running;
}

void MemoryPlatform::ShowMessage(const std::wstring &text,
                                 const std::wstring &caption,
                                 MessageIcon icon) {
  Called("ShowMessage");
  messages.push_back({text, caption, icon});
}

void MemoryPlatform::ShellOpen(const std::wstring &address) {
  Called("ShellOpen");
  shellOpened.push_back(address);
}

std::optional<ProcessInformation>
MemoryPlatform::StartProcess(const ProcessStartInfo &info) {
  Called("StartProcess");
  processStarts.push_back(info);
  if (!processStartSucceeds)
    return std::nullopt;
  ProcessInformation started;
  started.process = NewHandle();
  processes_.push_back(started.process);
  started.thread = NewHandle();
  started.processId = static_cast<std::uint32_t>(started.process);
  started.threadId = static_cast<std::uint32_t>(started.thread);
  return started;
}

void MemoryPlatform::TerminateProcess(KernelHandle process,
                                      std::uint32_t exitCode) {
  Called("TerminateProcess");
  terminations.push_back({process, exitCode});
}

void MemoryPlatform::CloseHandle(KernelHandle handle) noexcept {
  closedHandles.push_back(handle);
  const auto open = std::find(openHandles.begin(), openHandles.end(), handle);
  if (open == openHandles.end()) {
    // A fault of the program under test that no caller could recover from.
    std::fputs("closing a handle that is not open\n", stderr);
    std::abort();
  }
  openHandles.erase(open);
}

std::uint32_t MemoryPlatform::WindowHandle() {
  Called("WindowHandle");
  return windowHandle;
}

void MemoryPlatform::SetActiveWindow(std::uint32_t window) {
  Called("SetActiveWindow");
  activatedWindows.push_back(window);
}

void MemoryPlatform::SetCaption(const std::wstring &caption) {
  Called("SetCaption");
  captions.push_back(caption);
}

void MemoryPlatform::CloseMainWindow() {
  Called("CloseMainWindow");
  ++closeRequests;
}

std::wstring MemoryPlatform::ExecutablePath() {
  Called("ExecutablePath");
  return executablePath;
}

std::optional<FoundFile> MemoryPlatform::FindFile(const std::wstring &name,
                                                  std::uint32_t attributeMask) {
  Called("FindFile");
  findCalls.push_back(name);
  const auto file = fileSizes.find(name);
  if (attributeMask != 0x1FF || file == fileSizes.end())
    return std::nullopt;
  return FoundFile{static_cast<std::uint32_t>(file->second >> 32),
                   static_cast<std::uint32_t>(file->second)};
}

std::wstring MemoryPlatform::LocaleDecimalSeparator(LocaleSource source) {
  Called("LocaleDecimalSeparator");
  return source == LocaleSource::Thread ? threadDecimalSetting
                                        : userDecimalSetting;
}

std::optional<std::vector<std::wstring>>
MemoryPlatform::ShowOpenDialog(const OpenDialogOptions &options) {
  Called("ShowOpenDialog");
  dialogShows.push_back(options);
  if (dialogAnswers.empty())
    return std::nullopt;
  std::optional<std::vector<std::wstring>> answer;
  answer.swap(dialogAnswers.front());
  dialogAnswers.pop_front();
  return answer;
}

int MemoryPlatform::ListRowCount() {
  Called("ListRowCount");
  return static_cast<int>(rows.size());
}

FileListItem MemoryPlatform::ListRow(int index) {
  Called("ListRow");
  return rows.at(static_cast<std::size_t>(index));
}

int MemoryPlatform::AppendListRow(FileListItem item) {
  Called("AppendListRow");
  if (!listTakesRows)
    return -1;
  rows.push_back(std::move(item));
  return static_cast<int>(rows.size()) - 1;
}

void MemoryPlatform::HoldListRedraw(bool hold) noexcept {
  listRedrawHeld = hold;
}

void MemoryPlatform::DeleteListRow(int index) {
  Called("DeleteListRow");
  rows.erase(rows.begin() + index);
  // Like the control: the selection goes with the row, the rows below move
  // up with theirs.
  if (selectedRow == index)
    selectedRow = -1;
  else if (selectedRow > index)
    --selectedRow;
}

int MemoryPlatform::SelectedListRow() {
  Called("SelectedListRow");
  return selectedRow;
}

void MemoryPlatform::SelectListRow(int index) {
  Called("SelectListRow");
  if (index < 0 || static_cast<std::size_t>(index) >= rows.size())
    throw std::out_of_range("selecting a row that does not exist");
  selectedRow = index;
}

} // namespace sonvella
