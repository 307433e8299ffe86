// Any sequence of commands on the window, with the dialog's answers, the
// selection, the player's start and one failing platform call chosen by the
// input, keeps the window whole after every step: at most one player, the
// caption, the current file and the player in agreement, no handle lost, no
// name listed twice, and the rows and the selection as the commands say.
#include "FuzzCheck.h"
#include "PlayerFormFixture.h"
#include "app/PlayerFormDescription.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <new>
#include <set>

using namespace sonvella;

namespace {

// Every handler the window binds: buttons, menu entries, double-click,
// settings change and destruction.
std::vector<TPlayerForm::Handler> BoundHandlers() {
  const FormDescription &form = PlayerFormDescription();
  std::vector<TPlayerForm::Handler> handlers{
      form.onListDoubleClick, form.onSettingsChange, form.onDestroy};
  for (const ControlDescription &control : form.controls) {
    if (control.onClick != nullptr)
      handlers.push_back(control.onClick);
  }
  for (const MenuEntryDescription &entry : form.popupMenu) {
    if (!entry.IsSeparator())
      handlers.push_back(entry.onClick);
  }
  return handlers;
}

// Names that differ in case only, an empty one, ones without a directory or
// with quotes; the input adds one of its own.
std::vector<std::wstring> CandidateNames(FuzzedDataProvider &input) {
  const std::string bytes = input.ConsumeRandomLengthString(32);
  return {L"C:\\a.ac3",
          L"C:\\A.ac3",
          L"c:\\a.ac3",
          L"D:\\music\\b.ac3",
          L"",
          L"b.ac3",
          L"\\\\server\\share\\\"c\".ac3",
          CodeUnits(reinterpret_cast<const std::uint8_t *>(bytes.data()),
                    bytes.size())};
}

// The rows and selection the commands' rules give, where no call failed.
struct ListModel {
  std::vector<std::wstring> rows;
  int selected = -1;

  void Open(const std::vector<std::wstring> &names, bool listTakesRows) {
    for (const std::wstring &name : names) {
      if (!listTakesRows ||
          std::find(rows.begin(), rows.end(), name) != rows.end())
        continue;
      rows.push_back(name);
      selected = static_cast<int>(rows.size()) - 1;
    }
  }
  void Remove() {
    if (selected < 0)
      return;
    rows.erase(rows.begin() + selected);
    selected = std::min(selected, static_cast<int>(rows.size()) - 1);
  }
};

void CheckWhole(const MemoryPlayerForm &window) {
  const MemoryPlatform &platform = window.platform;
  const std::vector<KernelHandle> held =
      PlayerProcess == 0 ? std::vector<KernelHandle>{}
                         : std::vector<KernelHandle>{PlayerProcess};
  Check(platform.RunningProcesses() == held, "at most the one player runs");
  Check(platform.LeakedHandles() == held, "every other handle closed");
  if (PlayerProcess == 0) {
    Check(window.form.CurrentFile().empty(), "idle: no current file");
    Check(platform.Caption() == IdleCaption, "idle: the idle caption");
  } else {
    Check(platform.Caption() == L"Playing " + window.form.CurrentFile() +
                                    L" - sonvella.example.org",
          "playing: the caption names the current file");
  }
  const std::vector<std::wstring> names = window.RowNames();
  Check(std::set(names.begin(), names.end()).size() == names.size(),
        "no name listed twice");
  Check(!platform.listRedrawHeld, "the list repaints again");
  Check(platform.selectedRow < static_cast<int>(names.size()),
        "the selection is a row");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  static const std::vector<TPlayerForm::Handler> handlers = BoundHandlers();
  FuzzedDataProvider input(data, size);
  const std::vector<std::wstring> candidates = CandidateNames(input);
  MemoryPlayerForm window;
  MemoryPlatform &platform = window.platform;
  // The real window is created with this caption.
  platform.captions.push_back(PlayerFormDescription().caption());
  ListModel model;

  while (input.remaining_bytes() > 0) {
    const std::size_t failing =
        input.ConsumeBool() ? input.ConsumeIntegralInRange(1, 12) : 0;
    std::size_t calls = 0;
    platform.beforeCall = [&calls, failing](const char *) {
      if (++calls == failing)
        throw std::bad_alloc();
    };
    const int step = input.ConsumeIntegralInRange(0, 4);
    if (step == 0) { // Open, with the dialog's answer or a cancel
      std::vector<std::wstring> chosen;
      for (int i = input.ConsumeIntegralInRange(0, 6); i > 0; --i)
        chosen.push_back(candidates[input.ConsumeIntegralInRange<std::size_t>(
            0, candidates.size() - 1)]);
      if (input.ConsumeBool())
        platform.dialogAnswers.push_back(chosen);
      else
        chosen.clear();
      window.form.Run(&TPlayerForm::OpenButtonClick);
      model.Open(chosen, platform.listTakesRows);
    } else if (step == 1) { // any other command
      const TPlayerForm::Handler handler =
          handlers[input.ConsumeIntegralInRange<std::size_t>(
              0, handlers.size() - 1)];
      window.form.Run(handler);
      if (handler == &TPlayerForm::RemoveButtonClick)
        model.Remove();
    } else if (step == 2) { // the user selects a row, or none
      platform.selectedRow = input.ConsumeIntegralInRange(
          -1, static_cast<int>(platform.rows.size()) - 1);
      model.selected = platform.selectedRow;
    } else if (step == 3) {
      platform.processStartSucceeds = !platform.processStartSucceeds;
    } else {
      platform.listTakesRows = !platform.listTakesRows;
    }
    platform.beforeCall = nullptr;
    platform.dialogAnswers.clear();

    CheckWhole(window);
    if (failing != 0 && calls >= failing) {
      // A failed call leaves the commands' rules: follow the list as it is.
      model.rows = window.RowNames();
      model.selected = platform.selectedRow;
      continue;
    }
    Check(window.RowNames() == model.rows, "the rows the commands give");
    Check(platform.selectedRow == model.selected,
          "the selection the commands give");
  }
  return 0;
}
