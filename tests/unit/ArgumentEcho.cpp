// Writes the arguments the C runtime split from its command line to standard
// output: for each, its length in UTF-16 code units (32 bits) and the units.
#include <windows.h>

#include <cstdint>

int wmain(int argc, wchar_t **argv) {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  for (int i = 0; i < argc; ++i) {
    const auto length = static_cast<std::uint32_t>(lstrlenW(argv[i]));
    DWORD written = 0;
    if (!WriteFile(out, &length, sizeof length, &written, nullptr) ||
        !WriteFile(out, argv[i], length * sizeof(wchar_t), &written, nullptr))
      return 1;
  }
  return 0;
}
