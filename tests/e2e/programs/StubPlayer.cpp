// Stands in for mplayer.exe: records how it was started, in
// "<its folder>\stub-<pid>.json", then waits until it is terminated.
#include "JsonWriter.h"
#include "UniqueHandle.h"

#include <windows.h>

#include <string>

namespace {

std::wstring ModulePath() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(),
                                 static_cast<DWORD>(path.size())));
  return path;
}

std::wstring CurrentDirectory() {
  std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
  directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()),
                                        directory.data()));
  return directory;
}

// "null" for no handle at all, "invalid" for INVALID_HANDLE_VALUE, else
// "handle".
const wchar_t *StandardHandleState(DWORD which) {
  const HANDLE handle = GetStdHandle(which);
  if (handle == nullptr)
    return L"null";
  return handle == INVALID_HANDLE_VALUE ? L"invalid" : L"handle";
}

bool WriteWholeFile(const std::wstring &path, const std::string &bytes) {
  const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
  DWORD written = 0;
  return file.valid() &&
         WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                   &written, nullptr) &&
         written == bytes.size();
}

} // namespace

int wmain() {
  const std::wstring module = ModulePath();
  const std::wstring folder = module.substr(0, module.find_last_of(L'\\') + 1);
  const std::wstring pid = std::to_wstring(GetCurrentProcessId());

  const std::string record =
      JsonObject()
          .Number("pid", GetCurrentProcessId())
          .Text("module", module)
          .Text("commandLine", GetCommandLineW())
          .Text("currentDirectory", CurrentDirectory())
          .Text("stdInput", StandardHandleState(STD_INPUT_HANDLE))
          .Text("stdOutput", StandardHandleState(STD_OUTPUT_HANDLE))
          .Text("stdError", StandardHandleState(STD_ERROR_HANDLE))
          .Flag("console", GetConsoleWindow() != nullptr)
          .Build();

  // Written under another name first, so a reader never sees half a record.
  const std::wstring partial = folder + L"stub-" + pid + L".partial";
  const std::wstring complete = folder + L"stub-" + pid + L".json";
  if (!WriteWholeFile(partial, record) ||
      !MoveFileExW(partial.c_str(), complete.c_str(),
                   MOVEFILE_REPLACE_EXISTING))
    return 1;

  for (;;)
    Sleep(INFINITE);
}
