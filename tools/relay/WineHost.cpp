#include "tools/relay/WineHost.h"

#include "tools/relay/Ownership.h"
#include "tools/relay/WholeFile.h"

#include <windows.h>

#include <array>
#include <cstring>
#include <string_view>

namespace relay {
namespace {

using UnixFileNameFunction = char *(__cdecl *)(const wchar_t *);

UnixFileNameFunction WineUnixFileName() {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (!kernel)
    return nullptr;
  // Through a plain function pointer type: the exported signature is not
  // FARPROC's.
  return reinterpret_cast<UnixFileNameFunction>(reinterpret_cast<void (*)()>(
      GetProcAddress(kernel, "wine_get_unix_file_name")));
}

// Wine gives no call for the Linux process id, but Windows code under Wine
// runs inside that Linux process, so the getpid system call answers it.
long long LinuxProcessId() {
  // mov eax, 39 (getpid on x86-64); syscall; ret
  static constexpr std::array<unsigned char, 8> getpid{0xB8, 39,   0,    0,
                                                       0,    0x0F, 0x05, 0xC3};
  const UniquePages code(VirtualAlloc(
      nullptr, getpid.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!code)
    return 0;
  std::memcpy(code.get(), getpid.data(), getpid.size());
  DWORD previous = 0;
  if (!VirtualProtect(code.get(), getpid.size(), PAGE_EXECUTE_READ, &previous))
    return 0;
  FlushInstructionCache(GetCurrentProcess(), code.get(), getpid.size());
  return reinterpret_cast<long long (*)()>(code.get())();
}

// Field 22 of a /proc/<id>/stat line, whose fields are separated by single
// spaces. The command name in field 2 may hold spaces and parentheses, so
// counting starts at its last ')'.
std::optional<std::string> StartTime(std::string_view statLine) {
  auto fieldStart = statLine.rfind(')');
  for (int field = 3; field <= 22 && fieldStart != std::string_view::npos;
       ++field) {
    fieldStart = statLine.find(' ', fieldStart);
    if (fieldStart != std::string_view::npos)
      ++fieldStart;
  }
  if (fieldStart == std::string_view::npos)
    return std::nullopt;
  const auto fieldEnd = statLine.find(' ', fieldStart);
  return std::string(statLine.substr(fieldStart, fieldEnd - fieldStart));
}

} // namespace

bool RunningUnderWine() { return WineUnixFileName() != nullptr; }

std::optional<std::string> UnixFileName(const std::wstring &windowsName) {
  const auto convert = WineUnixFileName();
  if (!convert)
    return std::nullopt;
  const ProcessHeapMemory<char> unixName(convert(windowsName.c_str()));
  if (!unixName)
    return std::nullopt;
  return std::string(unixName.get());
}

std::optional<LinuxProcess> OwnLinuxProcess() {
  const long long id = LinuxProcessId();
  if (id <= 0)
    return std::nullopt;
  // Wine's "\\?\unix\" prefix names a Unix path whatever the drive mapping.
  const auto stat =
      ReadWholeFile(L"\\\\?\\unix\\proc\\" + std::to_wstring(id) + L"\\stat");
  if (!stat)
    return std::nullopt;
  auto startTime = StartTime(*stat);
  if (!startTime)
    return std::nullopt;
  return LinuxProcess{id, std::move(*startTime)};
}

} // namespace relay
