// The size column of the list: one directory lookup per file, and the
// "#.##" text with a unit word.
#include "app/PlayerForms.h"

#include <algorithm>
#include <string>

namespace sonvella {

wchar_t DecimalSeparator = L'.';

namespace {

constexpr std::uint32_t AnyAttribute = 0x1FF;

// The value rounding works on: its decimal digits, the first intDigits of
// them before the point.
struct DecimalDigits {
  std::wstring digits;
  std::size_t intDigits;
};

// Adds one unit in the last of the first `count` digits, carrying left; a
// carry out of the first digit prepends a 1.
void RoundUpAt(DecimalDigits &value, std::size_t count) {
  value.digits.resize(count);
  for (std::size_t i = count; i-- > 0;) {
    if (value.digits[i] != L'9') {
      ++value.digits[i];
      return;
    }
    value.digits[i] = L'0';
  }
  value.digits.insert(value.digits.begin(), L'1');
  ++value.intDigits;
}

// Keeps the first `count` digits, rounding half away from zero on the next.
void RoundTo(DecimalDigits &value, std::size_t count) {
  if (value.digits.size() <= count)
    return;
  if (value.digits[count] >= L'5')
    RoundUpAt(value, count);
  else
    value.digits.resize(count);
}

// quotient + remainder / divisor, written to 18 significant digits: the
// precision the two-decimal rounding decides on.
DecimalDigits SignificantDigits(std::uint64_t quotient, std::uint64_t remainder,
                                std::uint64_t divisor) {
  constexpr std::size_t Significant = 18;
  DecimalDigits value{DecimalText(quotient), 0};
  value.intDigits = value.digits.size();
  // The divisors are powers of two, so the expansion ends; one digit past
  // the significant ones decides the rounding.
  while (remainder != 0 && value.digits.size() <= Significant) {
    remainder *= 10;
    value.digits += static_cast<wchar_t>(L'0' + remainder / divisor);
    remainder %= divisor;
  }
  RoundTo(value, std::max(Significant, value.intDigits));
  return value;
}

std::wstring FormatNumber(std::uint64_t quotient, std::uint64_t remainder,
                          std::uint64_t divisor, wchar_t separator) {
  DecimalDigits value = SignificantDigits(quotient, remainder, divisor);
  RoundTo(value, value.intDigits + 2);
  std::wstring integer = value.digits.substr(0, value.intDigits);
  std::wstring decimals = value.digits.substr(value.intDigits);
  while (!decimals.empty() && decimals.back() == L'0')
    decimals.pop_back();
  if (integer.find_first_not_of(L'0') == std::wstring::npos)
    integer.clear();
  return decimals.empty() ? integer : integer + separator + decimals;
}

} // namespace

std::int64_t QueryFileSize(Platform &platform, const std::wstring &fileName) {
  const auto found = platform.FindFile(fileName, AnyAttribute);
  if (!found)
    return -1;
  return static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(found->sizeHigh) << 32) | found->sizeLow);
}

std::wstring FormatFileSize(std::int64_t size, wchar_t separator) {
  struct Tier {
    std::int64_t divisor;
    const wchar_t *unit;
  };
  static constexpr Tier Tiers[] = {
      {std::int64_t{1} << 30, L" GB"},
      {std::int64_t{1} << 20, L" MB"},
      {std::int64_t{1} << 10, L" KB"},
  };
  Tier tier{1, L" bytes"};
  for (const Tier &candidate : Tiers) {
    if (size > candidate.divisor) {
      tier = candidate;
      break;
    }
  }
  // Only the bytes tier can be negative; its magnitude fits unsigned.
  const std::uint64_t magnitude = size < 0
                                      ? 0 - static_cast<std::uint64_t>(size)
                                      : static_cast<std::uint64_t>(size);
  const auto divisor = static_cast<std::uint64_t>(tier.divisor);
  std::wstring number = FormatNumber(magnitude / divisor, magnitude % divisor,
                                     divisor, separator);
  if (size < 0 && !number.empty())
    number.insert(number.begin(), L'-');
  return number + tier.unit;
}

std::wstring FormatFileSize(std::int64_t size) {
  return FormatFileSize(size, DecimalSeparator);
}

wchar_t DecimalSeparatorFromSetting(const std::wstring &setting) {
  return setting.size() == 1 ? setting[0] : L'.';
}

} // namespace sonvella
