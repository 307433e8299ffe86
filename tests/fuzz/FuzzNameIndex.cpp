// Any sequence of adding, finding and removing names gives the answers of a
// plain set: names are told apart code unit by code unit, case included.
#include "FuzzCheck.h"
#include "app/NameIndex.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cwctype>
#include <set>

using namespace sonvella;

namespace {

// A name from the input, or a variant of one chosen earlier: another letter
// case, a long repetition, or the empty name.
std::wstring NextName(FuzzedDataProvider &input,
                      std::vector<std::wstring> &chosen) {
  const int kind = input.ConsumeIntegralInRange(0, 4);
  if (kind == 0 || chosen.empty()) {
    const std::string bytes = input.ConsumeRandomLengthString(64);
    chosen.push_back(CodeUnits(
        reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()));
    return chosen.back();
  }
  std::wstring name =
      chosen[input.ConsumeIntegralInRange<std::size_t>(0, chosen.size() - 1)];
  switch (kind) {
  case 1:
    for (wchar_t &unit : name)
      unit = std::iswupper(unit) ? static_cast<wchar_t>(std::towlower(unit))
                                 : static_cast<wchar_t>(std::towupper(unit));
    return name;
  case 2: {
    std::wstring longName;
    for (int i = 0; i < 200; ++i)
      longName += name;
    return longName;
  }
  case 3:
    return L"";
  default:
    return name;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  FuzzedDataProvider input(data, size);
  NameIndex index;
  std::set<std::wstring> model;
  std::vector<std::wstring> chosen;
  while (input.remaining_bytes() > 0) {
    const int operation = input.ConsumeIntegralInRange(0, 3);
    const std::wstring name = NextName(input, chosen);
    switch (operation) {
    case 0:
      index.Insert(name);
      model.insert(name);
      break;
    case 1:
      index.Erase(name);
      model.erase(name);
      break;
    case 2:
      index.Reserve(input.ConsumeIntegralInRange<std::size_t>(0, 4096));
      break;
    default:
      break;
    }
    Check(index.Contains(name) == (model.count(name) == 1),
          "the index finds a name exactly when the set holds it");
    Check(index.Size() == model.size(), "as many names as the set");
  }
  for (const std::wstring &name : chosen)
    Check(index.Contains(name) == (model.count(name) == 1),
          "every name chosen is found exactly when the set holds it");
  return 0;
}
