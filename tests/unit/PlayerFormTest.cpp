#include "PlayerFormFixture.h"

#include <new>

namespace sonvella {
namespace {

TEST_F(PlayerFormTest, CreationRecordsTheProgramFolder) {
  EXPECT_EQ(AppDir, L"C:\\Program Files\\Sonvella\\");
  platform.executablePath = L"\\\\?\\D:\\very\\long\\Sonvella.exe";
  form.FormCreate();
  EXPECT_EQ(AppDir, L"\\\\?\\D:\\very\\long\\");
  platform.executablePath = L"E:Sonvella.exe";
  form.FormCreate();
  EXPECT_EQ(AppDir, L"E:");
}

TEST_F(PlayerFormTest, AboutShowsTheThreeLinesWithTheInformationIcon) {
  form.Run(&TPlayerForm::AboutMenuItemClick);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            L"Sonvella\r\nPlays AC3 audio files with MPlayer.\r\n"
            L"Homepage: sonvella.example.org");
  EXPECT_EQ(platform.messages[0].caption, L"About");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
}

TEST_F(PlayerFormTest, HomepageOpensTheAddress) {
  form.Run(&TPlayerForm::HomepageMenuItemClick);
  EXPECT_EQ(platform.shellOpened,
            std::vector<std::wstring>{L"http://sonvella.example.org"});
}

TEST_F(PlayerFormTest, BothCloseCommandsCloseTheWindow) {
  form.Run(&TPlayerForm::Button5Click);
  form.Run(&TPlayerForm::CloseMenuClick);
  EXPECT_EQ(platform.closeRequests, 2);
}

TEST_F(PlayerFormTest, ReadsTheSeparatorFromTheThreadThenTheUserLocale) {
  platform.threadDecimalSetting = L",";
  platform.userDecimalSetting = L"\u066B";
  form.FormCreate();
  EXPECT_EQ(DecimalSeparator, L',');
  form.Run(&TPlayerForm::FormSettingsChange);
  EXPECT_EQ(DecimalSeparator, L'\u066B');
  platform.userDecimalSetting = L"";
  form.Run(&TPlayerForm::FormSettingsChange);
  EXPECT_EQ(DecimalSeparator, L'.');
}

TEST_F(PlayerFormTest, ListedSizesKeepTheSeparatorTheyWereWrittenWith) {
  platform.fileSizes[L"C:\\a.ac3"] = 1536;
  platform.fileSizes[L"C:\\b.ac3"] = 1536;
  platform.userDecimalSetting = L",";
  Open({L"C:\\a.ac3"});
  form.Run(&TPlayerForm::FormSettingsChange);
  Open({L"C:\\b.ac3"});
  EXPECT_EQ(platform.rows[0].size, L"1.5 KB");
  EXPECT_EQ(platform.rows[1].size, L"1,5 KB");
}

TEST(FailureText, EndsTheMessageWithAFullStopUnlessItEndsInPunctuation) {
  EXPECT_EQ(FailureText(L"std::bad_alloc"), L"std::bad_alloc.");
  EXPECT_EQ(FailureText(L"Out of memory."), L"Out of memory.");
  EXPECT_EQ(FailureText(L"Failed!"), L"Failed!");  // '!' is below '.'
  EXPECT_EQ(FailureText(L"Code 42"), L"Code 42."); // digits are above '.'
  EXPECT_EQ(FailureText(L"Done/"), L"Done/.");     // '/' is above '.'
  EXPECT_EQ(FailureText(L"Stop-"), L"Stop-");      // '-' is below '.'
  EXPECT_EQ(FailureText(L""), L"");
}

TEST_F(PlayerFormTest, AFailureWhileReportingAFailureIsSwallowed) {
  platform.beforeCall = [](const char *) { throw std::bad_alloc(); };
  form.Run(&TPlayerForm::AboutMenuItemClick); // must not terminate
  EXPECT_TRUE(platform.messages.empty());
}

} // namespace
} // namespace sonvella
