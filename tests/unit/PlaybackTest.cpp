#include "CommandLineCases.h"
#include "CommandLineSplitter.h"
#include "PlayerFormFixture.h"

namespace sonvella {
namespace {

class PlaybackTest : public PlayerFormTest {
protected:
  PlaybackTest() {
    platform.executablePath = L"C:\\Program Files\\Sonvella\\Sonvella.exe";
    platform.windowHandle = 0x80A01F2;
    form.FormCreate();
    Open({L"C:\\Music\\first song.ac3", L"C:\\Music\\second.ac3"});
  }
  void Play(int row) {
    platform.selectedRow = row;
    form.Run(&TPlayerForm::PlayButtonClick);
  }
};

TEST_F(PlaybackTest, StartsTheQuotedPlayerFromTheProgramFolder) {
  Play(0);
  ASSERT_EQ(platform.processStarts.size(), 1u);
  const ProcessStartInfo &start = platform.processStarts[0];
  EXPECT_EQ(start.applicationName, L"C:\\Program Files\\Sonvella\\mplayer.exe");
  EXPECT_EQ(start.commandLine,
            L"\"C:\\Program Files\\Sonvella\\mplayer.exe\" -wid 134873586 "
            L"-slave -quiet -identify -priority abovenormal "
            L"\"C:\\Music\\first song.ac3\"");
  EXPECT_TRUE(start.inheritHandles);
  EXPECT_EQ(start.creationFlags, 0x8u);
  EXPECT_EQ(start.currentDirectory, L"C:\\Program Files\\Sonvella\\");
  EXPECT_EQ(start.startupInfoSize, sizeof(void *) == 8 ? 104u : 68u);
  EXPECT_EQ(start.startupFlags, 0x100u);
}

// A name from a shell folder (a ZIP, a phone) may hold any character; the
// player must get it as its last argument, whole, and nothing more.
TEST_F(PlaybackTest, AnyNameReachesThePlayerWhole) {
  const std::vector<std::wstring> names = HardNames();
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::wstring &name = names[i];
    Open({name});
    form.Run(&TPlayerForm::PlayButtonClick);
    EXPECT_EQ(SplitCommandLine(platform.processStarts.back().commandLine),
              ExpectedPlayerArguments(name))
        << "hard name " << i;
    EXPECT_EQ(platform.Caption(),
              L"Playing " + name + L" - sonvella.example.org");
  }
}

TEST_F(PlaybackTest, WritesTheWindowHandleAsUnsigned32Bit) {
  platform.windowHandle = 0xFFFFFFFE;
  Play(0);
  EXPECT_NE(platform.processStarts[0].commandLine.find(L" -wid 4294967294 "),
            std::wstring::npos);
}

TEST_F(PlaybackTest, ShowsWhatPlaysAndReactivatesTheWindow) {
  Play(1);
  EXPECT_EQ(platform.Caption(),
            L"Playing C:\\Music\\second.ac3 - sonvella.example.org");
  EXPECT_EQ(form.CurrentFile(), L"C:\\Music\\second.ac3");
  EXPECT_NE(PlayerProcess, 0u);
  EXPECT_EQ(platform.activatedWindows,
            (std::vector<std::uint32_t>{0x80A01F2, 0x80A01F2}));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PlaybackTest, KeepsOnlyTheProcessHandleOfAStartedPlayer) {
  Play(0);
  // The thread handle is of no use and is closed at once.
  EXPECT_EQ(platform.LeakedHandles(),
            (std::vector<KernelHandle>{PlayerProcess}));
}

TEST_F(PlaybackTest, PlayWhilePlayingTerminatesTheFirstPlayer) {
  Play(0);
  const KernelHandle first = PlayerProcess;
  Play(1);
  ASSERT_EQ(platform.terminations.size(), 1u);
  EXPECT_EQ(platform.terminations[0].process, first);
  EXPECT_EQ(platform.terminations[0].exitCode, 0u);
  EXPECT_NE(PlayerProcess, first);
  EXPECT_EQ(platform.processStarts.size(), 2u);
  EXPECT_EQ(platform.LeakedHandles(),
            (std::vector<KernelHandle>{PlayerProcess}));
}

TEST_F(PlaybackTest, PlayOnThePlayingRowStartsItAgain) {
  Play(0);
  Play(0);
  EXPECT_EQ(platform.terminations.size(), 1u);
  EXPECT_EQ(platform.processStarts.size(), 2u);
  EXPECT_EQ(form.CurrentFile(), L"C:\\Music\\first song.ac3");
}

TEST_F(PlaybackTest, StopTerminatesAndReturnsToIdle) {
  Play(0);
  const KernelHandle player = PlayerProcess;
  form.Run(&TPlayerForm::StopButtonClick);
  ASSERT_EQ(platform.terminations.size(), 1u);
  EXPECT_EQ(platform.terminations[0].process, player);
  EXPECT_EQ(PlayerProcess, 0u);
  EXPECT_TRUE(form.CurrentFile().empty());
  EXPECT_EQ(platform.Caption(), IdleCaption);
  EXPECT_TRUE(platform.LeakedHandles().empty());
}

TEST_F(PlaybackTest, StopWithNothingPlayingOnlyResetsTheCaption) {
  form.Run(&TPlayerForm::StopButtonClick);
  EXPECT_TRUE(platform.terminations.empty());
  EXPECT_TRUE(platform.closedHandles.empty());
  EXPECT_EQ(platform.Caption(), IdleCaption);
}

TEST_F(PlaybackTest, AFailedStartIsReportedAndLeavesTheWindowIdle) {
  Play(0);
  const KernelHandle first = PlayerProcess;
  platform.processStartSucceeds = false;
  Play(1);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, L"Cannot open mplayer.exe.");
  EXPECT_EQ(platform.messages[0].caption, L"Error");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
  // The earlier player was stopped on the way.
  ASSERT_EQ(platform.terminations.size(), 1u);
  EXPECT_EQ(platform.terminations[0].process, first);
  EXPECT_EQ(PlayerProcess, 0u);
  EXPECT_TRUE(form.CurrentFile().empty());
  EXPECT_EQ(platform.Caption(), IdleCaption);
  EXPECT_TRUE(platform.LeakedHandles().empty());
}

TEST_F(PlaybackTest, NoSelectionAsksForOneAndKeepsPlaying) {
  Play(0);
  Play(-1);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, SelectFileText);
  EXPECT_EQ(platform.messages[0].caption, L"Information");
  EXPECT_TRUE(platform.terminations.empty());
  EXPECT_EQ(form.CurrentFile(), L"C:\\Music\\first song.ac3");
}

TEST_F(PlaybackTest, DestroyingTheWindowStopsThePlayer) {
  Play(1);
  form.FormDestroy();
  EXPECT_EQ(platform.terminations.size(), 1u);
  EXPECT_EQ(PlayerProcess, 0u);
  EXPECT_TRUE(platform.LeakedHandles().empty());
}

TEST(PlaybackOnEmptyList, DoesNothingAndShowsNothing) {
  MemoryPlatform platform;
  TPlayerForm form(platform);
  PlayerForm = &form;
  form.FormCreate();
  form.Run(&TPlayerForm::PlayButtonClick);
  EXPECT_TRUE(platform.processStarts.empty());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.captions.empty());
  PlayerForm = nullptr;
}

} // namespace
} // namespace sonvella
