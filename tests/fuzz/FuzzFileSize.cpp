// Any size, with any one-character decimal separator, gives a text of the
// size column's form: an optional minus, the integer digits without a
// leading zero (none for zero), at most two decimals without a trailing zero
// after the separator, a blank and the unit of the size's tier; the number
// is the size in that unit rounded to two decimals.
#include "FuzzCheck.h"
#include "app/PlayerForms.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace sonvella;

namespace {

bool IsDigit(wchar_t character) {
  return character >= L'0' && character <= L'9';
}

std::uint64_t DigitsValue(const std::wstring &digits) {
  std::uint64_t value = 0;
  for (const wchar_t digit : digits)
    value = value * 10 + (digit - L'0');
  return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto bytes = input.ConsumeIntegral<std::int64_t>();
  std::wstring setting;
  for (int i = input.ConsumeIntegralInRange(0, 2); i > 0; --i)
    setting += static_cast<wchar_t>(input.ConsumeIntegral<std::uint16_t>());
  const wchar_t separator = DecimalSeparatorFromSetting(setting);
  // A digit or a minus as the separator would make the text ambiguous to
  // read back; the formatting itself is the same.
  if (IsDigit(separator) || separator == L'-')
    return 0;

  const std::wstring text = FormatFileSize(bytes, separator);

  struct Tier {
    std::int64_t divisor;
    const wchar_t *unit;
  };
  const Tier tier = bytes > (std::int64_t{1} << 30)   ? Tier{1 << 30, L" GB"}
                    : bytes > (std::int64_t{1} << 20) ? Tier{1 << 20, L" MB"}
                    : bytes > 1024                    ? Tier{1024, L" KB"}
                                                      : Tier{1, L" bytes"};
  const std::wstring unit = tier.unit;
  Check(text.size() >= unit.size() &&
            text.compare(text.size() - unit.size(), unit.size(), unit) == 0,
        "the text ends in the tier's unit");
  std::wstring number = text.substr(0, text.size() - unit.size());

  const bool negative = !number.empty() && number[0] == L'-';
  Check(negative == (bytes < 0), "a minus exactly for a negative size");
  if (negative)
    number.erase(0, 1);
  const std::size_t point = number.find(separator);
  const std::wstring integer = number.substr(0, point);
  const std::wstring decimals =
      point == std::wstring::npos ? L"" : number.substr(point + 1);
  Check(integer.size() <= 19, "at most 19 integer digits");
  for (const wchar_t digit : integer + decimals)
    Check(IsDigit(digit), "only digits around the separator");
  Check(integer.empty() || integer[0] != L'0', "no leading zero");
  Check(point == std::wstring::npos ||
            (!decimals.empty() && decimals.size() <= 2 &&
             decimals.back() != L'0'),
        "one or two decimals, the last not zero, after a separator");

  // In hundredths of the unit: |100 * bytes - hundredths * divisor| is at
  // most half a divisor (the rounding), plus a millionth of it for the
  // 18 significant digits the rounding is decided on.
  const __int128 hundredths =
      static_cast<__int128>(DigitsValue(integer)) * 100 +
      DigitsValue(decimals) * (decimals.size() == 1 ? 10 : 1);
  const __int128 magnitude = bytes < 0 ? -static_cast<__int128>(bytes) : bytes;
  __int128 error = magnitude * 100 - hundredths * tier.divisor;
  if (error < 0)
    error = -error;
  Check(error * 2 * 1000000 <= static_cast<__int128>(tier.divisor) * 1000001,
        "the number is the size in its unit, rounded to two decimals");
  return 0;
}
