#include "platform/win32/SystemLibraries.h"

#include <cwchar>

namespace sonvella::win32 {

void SearchSystemFolderOnly() noexcept {
  // Windows 7 has SetDefaultDllDirectories only with update KB2533623.
  const auto setDefault = SystemFunction<decltype(&SetDefaultDllDirectories)>(
      GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (setDefault != nullptr)
    setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  else
    // Without it, at least the current folder leaves the search.
    SetDllDirectoryW(L"");
}

ModuleOwner LoadSystemLibrary(const wchar_t *name) noexcept {
  // The full path works on every Windows; LOAD_LIBRARY_SEARCH_SYSTEM32
  // needs the same update as SetDefaultDllDirectories.
  wchar_t path[MAX_PATH];
  const UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length + 1 + std::wcslen(name) >= MAX_PATH)
    return nullptr;
  path[length] = L'\\';
  std::wcscpy(path + length + 1, name);
  return ModuleOwner(
      LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

} // namespace sonvella::win32
