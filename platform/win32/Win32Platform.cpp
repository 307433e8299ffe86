#include "platform/win32/Win32Platform.h"

#include "app/PlayerForms.h"
#include "platform/win32/Handles.h"
#include "platform/win32/OpenFileDialog.h"

#include <shellapi.h>

namespace sonvella::win32 {

namespace {

static_assert(StartupInfoSize == sizeof(STARTUPINFOW));

// The kinds of entry a file search's attribute mask can leave out; any
// other attribute bit never hides an entry.
constexpr DWORD EntryKindAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

bool Admitted(const WIN32_FIND_DATAW &entry, std::uint32_t attributeMask) {
  return (entry.dwFileAttributes & EntryKindAttributes & ~attributeMask) == 0;
}

HANDLE AsHandle(KernelHandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

const wchar_t *OrNull(const std::wstring &text) {
  return text.empty() ? nullptr : text.c_str();
}

} // namespace

void Win32Platform::Attach(HWND mainWindow, ReportList *list) {
  window_ = mainWindow;
  list_ = list;
}

void Win32Platform::ShowMessage(const std::wstring &text,
                                const std::wstring &caption, MessageIcon icon) {
  MessageBoxW(window_, text.c_str(), caption.c_str(),
              MB_OK | static_cast<UINT>(icon));
  list_->IgnoreHoverAtPointer();
}

void Win32Platform::ShellOpen(const std::wstring &address) {
  ShellExecuteW(window_, L"open", address.c_str(), nullptr, nullptr,
                SW_SHOWNORMAL);
}

std::optional<ProcessInformation>
Win32Platform::StartProcess(const ProcessStartInfo &info) {
  STARTUPINFOW startup{};
  startup.cb = info.startupInfoSize;
  startup.dwFlags = info.startupFlags;
  PROCESS_INFORMATION started{};
  // Under Wine a new process now and then ends while it is being set up
  // (about one start in a few thousand); CreateProcessW then fails with
  // ERROR_INTERNAL_ERROR and nothing runs, so a second start is safe.
  for (int attempt = 1;; ++attempt) {
    // CreateProcessW may write into the command line, so it gets a copy.
    std::wstring commandLine = info.commandLine;
    if (CreateProcessW(OrNull(info.applicationName), commandLine.data(),
                       nullptr, nullptr, info.inheritHandles,
                       info.creationFlags, nullptr,
                       OrNull(info.currentDirectory), &startup, &started))
      break;
    if (attempt == 2 || GetLastError() != ERROR_INTERNAL_ERROR)
      return std::nullopt;
  }
  return ProcessInformation{
      .process = reinterpret_cast<KernelHandle>(started.hProcess),
      .thread = reinterpret_cast<KernelHandle>(started.hThread),
      .processId = started.dwProcessId,
      .threadId = started.dwThreadId,
  };
}

void Win32Platform::TerminateProcess(KernelHandle process,
                                     std::uint32_t exitCode) {
  ::TerminateProcess(AsHandle(process), exitCode);
}

void Win32Platform::CloseHandle(KernelHandle handle) noexcept {
  ::CloseHandle(AsHandle(handle));
}

std::uint32_t Win32Platform::WindowHandle() {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window_));
}

void Win32Platform::SetActiveWindow(std::uint32_t window) {
  // Window handles are 32-bit values, widened with their sign as
  // LongToHandle does.
  ::SetActiveWindow(reinterpret_cast<HWND>(
      static_cast<std::intptr_t>(static_cast<std::int32_t>(window))));
}

void Win32Platform::SetCaption(const std::wstring &caption) {
  // Setting the text it already has would still repaint the title bar, and
  // Stop (which Play runs first) sets the idle caption again and again.
  const int length = GetWindowTextLengthW(window_);
  if (length == static_cast<int>(caption.size())) {
    std::wstring current(caption.size() + 1, L'\0');
    current.resize(static_cast<std::size_t>(
        GetWindowTextW(window_, current.data(), length + 1)));
    if (current == caption)
      return;
  }
  SetWindowTextW(window_, caption.c_str());
}

void Win32Platform::CloseMainWindow() { PostMessageW(window_, WM_CLOSE, 0, 0); }

std::wstring Win32Platform::ExecutablePath() {
  // The path may be longer than MAX_PATH: grow the buffer until the name
  // fits with room to spare.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(),
                                            static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::optional<FoundFile> Win32Platform::FindFile(const std::wstring &name,
                                                 std::uint32_t attributeMask) {
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileExW(name.c_str(), FindExInfoBasic, &entry,
                                         FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE)
    return std::nullopt;
  const FindOwner owner(search);
  do {
    if (Admitted(entry, attributeMask))
      return FoundFile{entry.nFileSizeHigh, entry.nFileSizeLow};
  } while (FindNextFileW(search, &entry));
  return std::nullopt;
}

std::wstring Win32Platform::LocaleDecimalSeparator(LocaleSource source) {
  const LCID locale =
      source == LocaleSource::Thread ? GetThreadLocale() : LOCALE_USER_DEFAULT;
  const int size = GetLocaleInfoW(locale, LOCALE_SDECIMAL, nullptr, 0);
  if (size <= 0)
    return {};
  std::wstring setting(static_cast<std::size_t>(size), L'\0');
  const int written =
      GetLocaleInfoW(locale, LOCALE_SDECIMAL, setting.data(), size);
  if (written <= 0)
    return {};
  setting.resize(static_cast<std::size_t>(written - 1));
  return setting;
}

std::optional<std::vector<std::wstring>>
Win32Platform::ShowOpenDialog(const OpenDialogOptions &options) {
  auto names = ShowOpenFileDialog(window_, options);
  list_->IgnoreHoverAtPointer();
  return names;
}

int Win32Platform::ListRowCount() { return list_->RowCount(); }

FileListItem Win32Platform::ListRow(int index) { return list_->Row(index); }

int Win32Platform::AppendListRow(FileListItem item) {
  return list_->AppendRow(item);
}

void Win32Platform::HoldListRedraw(bool hold) noexcept {
  list_->HoldRedraw(hold);
}

void Win32Platform::DeleteListRow(int index) { list_->DeleteRow(index); }

int Win32Platform::SelectedListRow() { return list_->SelectedRow(); }

void Win32Platform::SelectListRow(int index) { list_->SelectRow(index); }

} // namespace sonvella::win32
