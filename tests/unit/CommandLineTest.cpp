// The reference splitting of a command line, which the tests of the player's
// command line and the fuzzers rely on, checked against Windows' own when
// built for Windows.
#include "CommandLineCases.h"
#include "CommandLineSplitter.h"
#include "app/PlayerForms.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#ifdef _WIN32
#include "UniqueHandle.h"

#include <shellapi.h>

#include <cstdint>
#include <memory>
#endif

namespace sonvella {
namespace {

using Arguments = std::vector<std::wstring>;

TEST(CommandLineSplitter, FollowsTheDocumentedRules) {
  const struct {
    const wchar_t *line;
    Arguments arguments;
  } cases[] = {
      {L"p \"abc\" d e", {L"p", L"abc", L"d", L"e"}},
      {L"p a\\\\\\b d\"e f\"g h", {L"p", L"a\\\\\\b", L"de fg", L"h"}},
      {L"p a\\\\\\\"b c d", {L"p", L"a\\\"b", L"c", L"d"}},
      {L"p a\\\\\\\\\"b c\" d e", {L"p", L"a\\\\b c", L"d", L"e"}},
      {L"\"C:\\a b\\p.exe\"x \t\"\"", {L"C:\\a b\\p.exe", L"x", L""}},
      {L"C:\\p\\\"x y", {L"C:\\p\\\"x", L"y"}},
  };
  for (const auto &each : cases)
    EXPECT_EQ(SplitCommandLine(each.line), each.arguments) << each.line;
}

TEST(PlayerCommandLine, EscapesOnlyQuotesAndTheBackslashesBeforeThem) {
  const std::wstring start = L"\"C:\\Program Files\\Sonvella\\mplayer.exe\" "
                             L"-wid 134873586 -slave -quiet -identify "
                             L"-priority abovenormal ";
  EXPECT_EQ(PlayerCommandLine(TestPlayer, TestWindow, L"C:\\a b\\c.ac3"),
            start + L"\"C:\\a b\\c.ac3\"");
  EXPECT_EQ(PlayerCommandLine(TestPlayer, TestWindow, L"C:\\dir\\"),
            start + L"\"C:\\dir\\\\\"");
  EXPECT_EQ(PlayerCommandLine(TestPlayer, TestWindow, L"a\\\"b\\c"),
            start + L"\"a\\\\\\\"b\\c\"");
}

#ifdef _WIN32

Arguments WindowsArguments(const std::wstring &line) {
  int count = 0;
  const std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(
      CommandLineToArgvW(line.c_str(), &count), &LocalFree);
  if (!argv)
    return {};
  return Arguments(argv.get(), argv.get() + count);
}

// The arguments the C runtime of argument_echo.exe, beside this program,
// splits from the command line it is started with.
Arguments CRuntimeArguments(const std::wstring &line) {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring echo(self, length);
  echo = echo.substr(0, echo.find_last_of(L'\\') + 1) + L"argument_echo.exe";

  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
    return {};
  UniqueHandle reader(readEnd);
  UniqueHandle writer(writeEnd);
  SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writer.get();
  PROCESS_INFORMATION started{};
  std::wstring mutableLine = line;
  if (!CreateProcessW(echo.c_str(), mutableLine.data(), nullptr, nullptr, TRUE,
                      CREATE_NO_WINDOW, nullptr, nullptr, &startup, &started))
    return {};
  const UniqueHandle process(started.hProcess);
  const UniqueHandle thread(started.hThread);
  writer = UniqueHandle(); // the pipe ends when the echo's end closes

  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(reader.get(), buffer, sizeof buffer, &read, nullptr) &&
         read > 0)
    bytes.append(buffer, read);
  WaitForSingleObject(process.get(), INFINITE);

  Arguments arguments;
  for (std::size_t at = 0; at + sizeof(std::uint32_t) <= bytes.size();) {
    std::uint32_t units = 0;
    bytes.copy(reinterpret_cast<char *>(&units), sizeof units, at);
    at += sizeof units;
    std::wstring argument(units, L'\0');
    bytes.copy(reinterpret_cast<char *>(argument.data()),
               units * sizeof(wchar_t), at);
    at += units * sizeof(wchar_t);
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

// The player's command lines for the hard names and `randomCount` random
// ones from the seed.
std::vector<std::wstring> PlayerCommandLines(unsigned seed, int randomCount) {
  std::vector<std::wstring> names = HardNames();
  std::mt19937 random(seed);
  for (int i = 0; i < randomCount; ++i)
    names.push_back(RandomName(random));
  std::vector<std::wstring> lines;
  for (const std::wstring &name : names)
    lines.push_back(PlayerCommandLine(TestPlayer, TestWindow, name));
  return lines;
}

TEST(CommandLineSplitterOnWindows, AgreesWithCommandLineToArgvW) {
  for (const std::wstring &line : PlayerCommandLines(20, 3000)) {
    ASSERT_EQ(SplitCommandLine(line), WindowsArguments(line)) << line.size();
  }
}

TEST(CommandLineSplitterOnWindows, AgreesWithTheCRuntime) {
  for (const std::wstring &line : PlayerCommandLines(21, 20)) {
    if (line.size() < 32767) { // CreateProcessW's limit
      ASSERT_EQ(CRuntimeArguments(line), SplitCommandLine(line)) << line.size();
    }
  }
}

#endif

} // namespace
} // namespace sonvella
