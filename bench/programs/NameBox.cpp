// name_box BOX FILE: puts the UTF-8 text of FILE into the edit box BOX of
// another process (the file dialog's name box) with one WM_SETTEXT. Typing
// thousands of quoted names key by key would take hours, and a paste stops
// at the box's length limit, which WM_SETTEXT does not apply.
#include "WindowNumber.h"
#include "tests/e2e/programs/UniqueHandle.h"

#include <windows.h>

#include <string>

namespace {

std::string ReadWholeFile(const wchar_t *path) {
  const UniqueHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.valid() || !GetFileSizeEx(file.get(), &size))
    return {};
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                &read, nullptr))
    return {};
  bytes.resize(read);
  return bytes;
}

std::wstring Widen(const std::string &utf8) {
  const int length = static_cast<int>(utf8.size());
  std::wstring text(static_cast<std::size_t>(MultiByteToWideChar(
                        CP_UTF8, 0, utf8.data(), length, nullptr, 0)),
                    L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, text.data(),
                      static_cast<int>(text.size()));
  return text;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  if (argc != 3)
    return 2;
  const std::wstring text = Widen(ReadWholeFile(argv[2]));
  if (text.empty())
    return 1;
  const LRESULT set = SendMessageW(WindowFromText(argv[1]), WM_SETTEXT, 0,
                                   reinterpret_cast<LPARAM>(text.c_str()));
  return set == TRUE ? 0 : 1;
}
