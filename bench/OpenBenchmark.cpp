// Open on a long list: N new names added to a list that already has N rows.
// The duplicate check must stay linear in N.
#include "app/PlayerForms.h"
#include "platform/memory/MemoryPlatform.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace sonvella {
namespace {

std::vector<std::wstring> Names(int count, const wchar_t *folder) {
  std::vector<std::wstring> names;
  names.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    names.push_back(std::wstring(L"C:\\Music\\") + folder + L"\\Track " +
                    std::to_wstring(i) + L".ac3");
  return names;
}

void OpenNewNamesOnAFullList(benchmark::State &state) {
  const int count = static_cast<int>(state.range(0));
  const auto listed = Names(count, L"Listed");
  const auto added = Names(count, L"Added");
  for (auto _ : state) {
    state.PauseTiming();
    auto platform = std::make_unique<MemoryPlatform>();
    auto form = std::make_unique<TPlayerForm>(*platform);
    PlayerForm = form.get();
    platform->dialogAnswers.push_back(listed);
    form->Run(&TPlayerForm::OpenButtonClick);
    platform->dialogAnswers.push_back(added);
    state.ResumeTiming();

    form->Run(&TPlayerForm::OpenButtonClick);

    state.PauseTiming();
    if (platform->ListRowCount() != 2 * count)
      state.SkipWithError("rows were lost");
    // Tearing the list down is not part of Open.
    PlayerForm = nullptr;
    form.reset();
    platform.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

BENCHMARK(OpenNewNamesOnAFullList)
    ->Arg(10'000)
    ->Arg(20'000)
    ->Arg(40'000)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace sonvella

BENCHMARK_MAIN();
