#include "PlayerFormFixture.h"

namespace sonvella {
namespace {

using ::testing::ElementsAre;

using OpenTest = PlayerFormTest;

TEST_F(OpenTest, ShowsTheAc3MultiSelectDialog) {
  Open({});
  ASSERT_EQ(platform.dialogShows.size(), 1u);
  const OpenDialogOptions &options = platform.dialogShows[0];
  EXPECT_EQ(options.filterLabel, L"AC3 File (*.ac3)");
  EXPECT_EQ(options.filterPattern, L"*.ac3");
  EXPECT_EQ(options.defaultExtension, L"ac3");
  EXPECT_TRUE(options.multiSelect);
  EXPECT_FALSE(options.requireExisting);
}

TEST_F(OpenTest, FillsEachRowFromTheFullName) {
  platform.fileSizes[L"C:\\Music\\Live set.ac3"] = 1536;
  Open({L"C:\\Music\\Live set.ac3", L"D:song.ac3", L"Shared Item"});
  ASSERT_EQ(platform.rows.size(), 3u);
  EXPECT_EQ(platform.rows[0].caption, L"Live set.ac3");
  EXPECT_EQ(platform.rows[0].size, L"1.5 KB");
  EXPECT_EQ(platform.rows[0].path, L"C:\\Music\\");
  // A bare drive keeps its colon in the directory.
  EXPECT_EQ(platform.rows[1].caption, L"song.ac3");
  EXPECT_EQ(platform.rows[1].path, L"D:");
  // An item without a file-system path comes back as its display name.
  EXPECT_EQ(platform.rows[2].caption, L"Shared Item");
  EXPECT_EQ(platform.rows[2].size, L"-1 bytes");
  EXPECT_EQ(platform.rows[2].path, L"");
}

TEST_F(OpenTest, AddsInTheDialogsOrderAndSelectsTheLastAdded) {
  Open({L"C:\\e.ac3", L"C:\\d.ac3", L"C:\\c.ac3", L"C:\\b.ac3", L"C:\\a.ac3"});
  EXPECT_THAT(RowNames(), ElementsAre(L"C:\\e.ac3", L"C:\\d.ac3", L"C:\\c.ac3",
                                      L"C:\\b.ac3", L"C:\\a.ac3"));
  EXPECT_EQ(platform.selectedRow, 4);
}

TEST_F(OpenTest, SkipsNamesAlreadyListedIncludingThoseOfTheSameOpen) {
  Open({L"C:\\a.ac3"});
  Open({L"C:\\b.ac3", L"C:\\a.ac3", L"C:\\b.ac3"});
  EXPECT_THAT(RowNames(), ElementsAre(L"C:\\a.ac3", L"C:\\b.ac3"));
  // Skipped files are not even looked up.
  EXPECT_EQ(platform.findCalls.size(), 2u);
}

TEST_F(OpenTest, ComparesNamesCaseSensitively) {
  Open({L"C:\\Music\\a.ac3", L"C:\\music\\a.ac3", L"C:\\Music\\A.ac3"});
  EXPECT_EQ(platform.rows.size(), 3u);
}

TEST_F(OpenTest, AddingNothingKeepsTheSelection) {
  Open({L"C:\\a.ac3", L"C:\\b.ac3"});
  platform.selectedRow = 0;
  Open({L"C:\\b.ac3"});
  EXPECT_EQ(platform.selectedRow, 0);
  EXPECT_EQ(platform.rows.size(), 2u);
}

TEST_F(OpenTest, CancelChangesNothing) {
  Open({L"C:\\a.ac3"});
  platform.selectedRow = -1;
  form.Run(&TPlayerForm::OpenButtonClick); // no answer scripted: cancelled
  EXPECT_EQ(platform.rows.size(), 1u);
  EXPECT_EQ(platform.selectedRow, -1);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OpenTest, ARemovedNameCanBeAddedAgain) {
  Open({L"C:\\a.ac3"});
  form.Run(&TPlayerForm::RemoveButtonClick);
  Open({L"C:\\a.ac3"});
  EXPECT_THAT(RowNames(), ElementsAre(L"C:\\a.ac3"));
}

// Adding thousands of rows one by one with repainting on is what makes a
// long Open crawl.
TEST_F(OpenTest, HoldsTheListsRepaintingWhileAddingAndReleasesIt) {
  std::vector<bool> heldAtAppend;
  platform.beforeCall = [&](const char *operation) {
    if (std::string(operation) == "AppendListRow")
      heldAtAppend.push_back(platform.listRedrawHeld);
  };
  Open({L"C:\\a.ac3", L"C:\\b.ac3"});
  EXPECT_THAT(heldAtAppend, ElementsAre(true, true));
  EXPECT_FALSE(platform.listRedrawHeld);
}

TEST_F(OpenTest, ARowTheListCannotTakeIsLeftOutSilentlyAndCanBeAddedLater) {
  platform.listTakesRows = false;
  Open({L"C:\\a.ac3"});
  EXPECT_TRUE(platform.rows.empty());
  EXPECT_EQ(platform.selectedRow, -1);
  EXPECT_TRUE(platform.messages.empty());

  platform.listTakesRows = true;
  Open({L"C:\\a.ac3"});
  EXPECT_THAT(RowNames(), ElementsAre(L"C:\\a.ac3"));
}

class RemoveTest : public PlayerFormTest {
protected:
  RemoveTest() { Open({L"C:\\a.ac3", L"C:\\b.ac3", L"C:\\c.ac3"}); }
  void Remove() { form.Run(&TPlayerForm::RemoveButtonClick); }
};

TEST_F(RemoveTest, TheMiddleRowPassesTheSelectionToTheRowBelow) {
  platform.selectedRow = 1;
  Remove();
  EXPECT_THAT(RowNames(), ElementsAre(L"C:\\a.ac3", L"C:\\c.ac3"));
  EXPECT_EQ(platform.selectedRow, 1);
}

TEST_F(RemoveTest, TheLastRowPassesTheSelectionToTheNewLastRow) {
  Remove();
  EXPECT_THAT(RowNames(), ElementsAre(L"C:\\a.ac3", L"C:\\b.ac3"));
  EXPECT_EQ(platform.selectedRow, 1);
}

TEST_F(RemoveTest, TheOnlyRowLeavesNothingSelected) {
  Remove();
  Remove();
  Remove();
  EXPECT_TRUE(platform.rows.empty());
  EXPECT_EQ(platform.selectedRow, -1);
  Remove(); // on the empty list: nothing, not even a message
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RemoveTest, NoSelectionAsksForOne) {
  platform.selectedRow = -1;
  Remove();
  EXPECT_EQ(platform.rows.size(), 3u);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, SelectFileText);
  EXPECT_EQ(platform.messages[0].caption, L"Information");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
}

TEST_F(RemoveTest, ThePlayingRowStopsThePlayerFirst) {
  platform.selectedRow = 1;
  form.Run(&TPlayerForm::PlayButtonClick);
  const KernelHandle player = PlayerProcess;
  Remove();
  ASSERT_EQ(platform.terminations.size(), 1u);
  EXPECT_EQ(platform.terminations[0].process, player);
  EXPECT_EQ(PlayerProcess, 0u);
  EXPECT_EQ(platform.Caption(), IdleCaption);
  EXPECT_TRUE(form.CurrentFile().empty());
}

TEST_F(RemoveTest, AnotherRowLeavesPlaybackAlone) {
  platform.selectedRow = 1;
  form.Run(&TPlayerForm::PlayButtonClick);
  platform.selectedRow = 0;
  Remove();
  EXPECT_TRUE(platform.terminations.empty());
  EXPECT_EQ(form.CurrentFile(), L"C:\\b.ac3");
}

TEST_F(RemoveTest, OnlyTheExactlyMatchingCaseVariantStopsPlayback) {
  Open({L"C:\\A.ac3"});
  platform.selectedRow = 3;
  form.Run(&TPlayerForm::PlayButtonClick);
  platform.selectedRow = 0; // "C:\a.ac3"
  Remove();
  EXPECT_TRUE(platform.terminations.empty());
  platform.selectedRow = 2; // "C:\A.ac3", now the third row
  Remove();
  EXPECT_EQ(platform.terminations.size(), 1u);
}

} // namespace
} // namespace sonvella
