// Every command, failed at each platform call it makes in turn, must leave
// the program whole: the failure shown once, the list and its names index in
// agreement, no player handle lost, and the window idle or playing.
#include "PlayerFormFixture.h"

#include <algorithm>
#include <new>
#include <ostream>
#include <set>
#include <string>

namespace sonvella {
namespace {

struct SweptCommand {
  const char *name;
  TPlayerForm::Handler handler;
  int selectedRow = -1;
  std::vector<std::wstring> chosen = {}; // what the open dialog answers
  bool playerStarts = true;
};

const SweptCommand Commands[] = {
    {"OpenNewListedAndTwiceChosen",
     &TPlayerForm::OpenButtonClick,
     0,
     {L"C:\\d.ac3", L"C:\\a.ac3", L"C:\\e.ac3", L"C:\\d.ac3"}},
    {"RemoveThePlayingRow", &TPlayerForm::RemoveButtonClick, 1},
    {"RemoveAnotherRow", &TPlayerForm::RemoveButtonClick, 0},
    {"PlayWhileAnotherPlays", &TPlayerForm::PlayButtonClick, 2},
    {"Stop", &TPlayerForm::StopButtonClick},
    {"PlayWithAFailingStart", &TPlayerForm::PlayButtonClick, 2, {}, false},
    {"About", &TPlayerForm::AboutMenuItemClick},
    {"Homepage", &TPlayerForm::HomepageMenuItemClick},
    {"CloseButton", &TPlayerForm::Button5Click},
    {"CloseMenu", &TPlayerForm::CloseMenuClick},
    {"SettingsChange", &TPlayerForm::FormSettingsChange},
    {"Destroy", &TPlayerForm::FormDestroy},
};

// Every name the checks open; the last is never listed before them.
const std::vector<std::wstring> Candidates{L"C:\\a.ac3", L"C:\\b.ac3",
                                           L"C:\\c.ac3", L"C:\\d.ac3",
                                           L"C:\\e.ac3", L"C:\\f.ac3"};

// The program with rows a, b and c listed and b playing runs the command
// with its call number `failing` throwing (0: none), naming each call it
// makes in `operations`.
struct SweepRun : MemoryPlayerForm {
  SweepRun(const SweptCommand &command, std::size_t failing) {
    Open({Candidates[0], Candidates[1], Candidates[2]});
    platform.selectedRow = 1;
    form.Run(&TPlayerForm::PlayButtonClick);
    platform.selectedRow = command.selectedRow;
    platform.dialogAnswers.push_back(command.chosen);
    platform.processStartSucceeds = command.playerStarts;
    platform.beforeCall = [this, failing](const char *operation) {
      operations.push_back(operation);
      if (operations.size() == failing)
        throw std::bad_alloc();
    };
    form.Run(command.handler);
    platform.beforeCall = nullptr;
    platform.dialogAnswers.clear();
    platform.processStartSucceeds = true;
  }
  std::vector<std::string> operations;
};

struct FailurePoint {
  const SweptCommand *command;
  std::size_t call; // counted from 1
  std::string operation;
};

// Names the case after the command and its failing call, e.g.
// "Stop_3_SetCaption".
std::string CaseName(const FailurePoint &point) {
  return std::string(point.command->name) + "_" + std::to_string(point.call) +
         "_" + point.operation;
}

void PrintTo(const FailurePoint &point, std::ostream *out) {
  *out << CaseName(point);
}

std::vector<FailurePoint> FailurePoints() {
  std::vector<FailurePoint> points;
  for (const SweptCommand &command : Commands) {
    const SweepRun run(command, 0);
    for (std::size_t call = 1; call <= run.operations.size(); ++call)
      points.push_back({&command, call, run.operations[call - 1]});
  }
  return points;
}

// Idle: no player, no current file, the idle caption. Playing: the player
// held, its file current and named in the caption.
void ExpectIdleOrPlaying(const SweepRun &run) {
  const std::vector<KernelHandle> none;
  if (PlayerProcess == 0) {
    EXPECT_EQ(run.form.CurrentFile(), L"");
    EXPECT_EQ(run.platform.Caption(), IdleCaption);
    EXPECT_EQ(run.platform.LeakedHandles(), none);
    EXPECT_EQ(run.platform.RunningProcesses(), none);
    return;
  }
  EXPECT_NE(run.form.CurrentFile(), L"");
  EXPECT_EQ(run.platform.Caption(),
            L"Playing " + run.form.CurrentFile() + L" - sonvella.example.org");
  const std::vector<KernelHandle> player{PlayerProcess};
  EXPECT_EQ(run.platform.LeakedHandles(), player);
  EXPECT_EQ(run.platform.RunningProcesses(), player);
}

class FaultSweep : public ::testing::TestWithParam<FailurePoint> {};

TEST_P(FaultSweep, LeavesTheProgramWhole) {
  SweepRun run(*GetParam().command, GetParam().call);
  MemoryPlatform &platform = run.platform;
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().text, L"std::bad_alloc.");
  EXPECT_EQ(platform.messages.back().caption, L"Sonvella");
  EXPECT_EQ(platform.messages.back().icon, MessageIcon::Error);
  EXPECT_EQ(std::count_if(platform.messages.begin(), platform.messages.end(),
                          [](const MemoryPlatform::Message &message) {
                            return message.caption == L"Sonvella";
                          }),
            1);
  EXPECT_FALSE(platform.listRedrawHeld);
  ExpectIdleOrPlaying(run);

  // Stop, then an Open of every name: the listed ones are refused, the
  // others added once each, and the last one plays.
  const std::size_t shown = platform.messages.size();
  run.form.Run(&TPlayerForm::StopButtonClick);
  ExpectIdleOrPlaying(run);
  EXPECT_EQ(PlayerProcess, 0u);
  std::vector<std::wstring> expected = run.RowNames();
  for (const std::wstring &name : Candidates) {
    if (std::find(expected.begin(), expected.end(), name) == expected.end())
      expected.push_back(name);
  }
  run.Open(Candidates);
  EXPECT_EQ(run.RowNames(), expected);
  EXPECT_EQ(std::set(expected.begin(), expected.end()).size(), expected.size());
  run.form.Run(&TPlayerForm::PlayButtonClick);
  EXPECT_EQ(run.form.CurrentFile(), expected.back());
  ExpectIdleOrPlaying(run);
  EXPECT_EQ(platform.messages.size(), shown);
}

INSTANTIATE_TEST_SUITE_P(
    EachCall, FaultSweep, ::testing::ValuesIn(FailurePoints()),
    [](const ::testing::TestParamInfo<FailurePoint> &point) {
      return CaseName(point.param);
    });

} // namespace
} // namespace sonvella
