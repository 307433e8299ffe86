#include "CommandLineCases.h"

namespace sonvella {

std::vector<std::wstring> HardNames() {
  std::vector<std::wstring> names{
      L"a\" -dumpstream -dumpfile \"C:\\Users\\me\\AppData\\Roaming\\Microsoft"
      L"\\Windows\\Start Menu\\Programs\\Startup\\x.bat",
      L"C:\\dir\\",
      L"\\\\server\\share\\",
      L"",
      L"\"",
      L"\"\"",
      L"\"a\"",
      L"\"\"\"",
      L"a\"\"b",
      L"\t",
      L"a\tb\t",
      L" ",
      L"   ",
      L"-dumpstream",
      L"\xD83C\xDFB5 song.ac3",
      L"\xD800",
      L"a\xDC00",
      L"\xDFFF\xD800\"",
  };
  for (std::size_t run = 1; run <= 5; ++run) {
    const std::wstring backslashes(run, L'\\');
    names.push_back(L"a" + backslashes + L"\"b");
    names.push_back(L"a" + backslashes);
    names.push_back(backslashes);
    names.push_back(backslashes + L"\"" + backslashes);
  }
  std::wstring longName;
  while (longName.size() < 32000)
    longName += L"ab\\\"c d\\";
  longName.resize(32000);
  names.push_back(longName);
  return names;
}

std::wstring RandomName(std::mt19937 &random) {
  static constexpr wchar_t Hard[] = {L'"', L'\\', L' ', L'\t'};
  std::uniform_int_distribution<std::size_t> length(0, 40);
  std::uniform_int_distribution<int> kind(0, 9);
  std::uniform_int_distribution<int> hard(0, 3);
  std::uniform_int_distribution<int> surrogate(0xD800, 0xDFFF);
  std::uniform_int_distribution<int> any(1, 0xFFFF);
  std::wstring name(length(random), L'a');
  for (wchar_t &unit : name) {
    const int chosen = kind(random);
    if (chosen < 5)
      unit = Hard[hard(random)];
    else if (chosen < 7)
      unit = static_cast<wchar_t>(surrogate(random));
    else
      unit = static_cast<wchar_t>(any(random));
  }
  return name;
}

std::vector<std::wstring> ExpectedPlayerArguments(const std::wstring &name) {
  return {TestPlayer,   L"-wid",        std::to_wstring(TestWindow),
          L"-slave",    L"-quiet",      L"-identify",
          L"-priority", L"abovenormal", name};
}

} // namespace sonvella
