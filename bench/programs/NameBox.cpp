// name_box BOX FILE: puts the text of FILE (UTF-16, little-endian, no byte
// order mark) into the edit box BOX of another process, the file dialog's
// name box, with one WM_SETTEXT. Typing thousands of quoted names key by
// key would take hours, and a paste stops at the box's length limit, which
// WM_SETTEXT does not apply.
#include "WindowNumber.h"
#include "tests/e2e/programs/UniqueHandle.h"

#include <windows.h>

#include <string>

namespace {

std::wstring ReadWholeFile(const wchar_t *path) {
  const UniqueHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.valid() || !GetFileSizeEx(file.get(), &size))
    return {};
  std::wstring text(static_cast<std::size_t>(size.QuadPart) / sizeof(wchar_t),
                    L'\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), text.data(),
                static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read,
                nullptr))
    return {};
  text.resize(read / sizeof(wchar_t));
  return text;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  if (argc != 3)
    return 2;
  const std::wstring text = ReadWholeFile(argv[2]);
  if (text.empty())
    return 1;
  const LRESULT set = SendMessageW(WindowFromText(argv[1]), WM_SETTEXT, 0,
                                   reinterpret_cast<LPARAM>(text.c_str()));
  return set == TRUE ? 0 : 1;
}
