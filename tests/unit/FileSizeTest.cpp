#include "app/PlayerForms.h"
#include "platform/memory/MemoryPlatform.h"

#include <gtest/gtest.h>

namespace sonvella {
namespace {

struct SizeCase {
  std::int64_t size;
  const wchar_t *text;
};

class FormatFileSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FormatFileSizeTest, WritesTierAndRoundedNumber) {
  EXPECT_EQ(FormatFileSize(GetParam().size, L'.'), GetParam().text);
}

constexpr std::int64_t KiB = 1024, MiB = KiB * KiB, GiB = MiB * KiB;

INSTANTIATE_TEST_SUITE_P(
    TierBoundaries, FormatFileSizeTest,
    ::testing::Values(SizeCase{0, L" bytes"}, SizeCase{-1, L"-1 bytes"},
                      SizeCase{1, L"1 bytes"}, SizeCase{1024, L"1024 bytes"},
                      SizeCase{1025, L"1 KB"}, SizeCase{MiB, L"1024 KB"},
                      SizeCase{MiB + 1, L"1 MB"}, SizeCase{GiB, L"1024 MB"},
                      SizeCase{GiB + 1, L"1 GB"}, SizeCase{5 * GiB, L"5 GB"}));

INSTANTIATE_TEST_SUITE_P(
    TwoDecimalsHalfAwayFromZero, FormatFileSizeTest,
    ::testing::Values(SizeCase{1536, L"1.5 KB"},  // trailing zero dropped
                      SizeCase{2047, L"2 KB"},    // carry into the integer
                      SizeCase{1152, L"1.13 KB"}, // exactly half rounds up
                      SizeCase{1100, L"1.07 KB"}, // third decimal 4 cuts
                      SizeCase{1034, L"1.01 KB"}, // 1.009765625
                      SizeCase{MiB * 7 / 2, L"3.5 MB"},
                      SizeCase{GiB * 1023 + GiB / 200 * 199, L"1023.99 GB"},
                      SizeCase{1000 * KiB + 5 * KiB / 1000, L"1000 KB"}));

// Past 10^16 bytes the rounding decides on the value written to 18
// significant digits: 1e9 + 0.0049999998882 GB becomes ...0.00500000 first,
// while 1e9 + 0.0049999932945 GB stays below the half.
INSTANTIATE_TEST_SUITE_P(
    EighteenSignificantDigits, FormatFileSizeTest,
    ::testing::Values(
        SizeCase{1'000'000'000 * GiB + 5368709, L"1000000000.01 GB"},
        SizeCase{1'000'000'000 * GiB + 5368703, L"1000000000 GB"}));

TEST(FormatFileSize, UsesTheGivenSeparatorAndNeverGroupsDigits) {
  EXPECT_EQ(FormatFileSize(1536, L','), L"1,5 KB");
  EXPECT_EQ(FormatFileSize(1024, L','), L"1024 bytes");
  EXPECT_EQ(FormatFileSize(1'000'000 * GiB + GiB / 4, L','), L"1000000,25 GB");
}

TEST(FormatFileSize, DefaultsToTheCurrentDecimalSeparator) {
  DecimalSeparator = L'#';
  EXPECT_EQ(FormatFileSize(1536), L"1#5 KB");
  DecimalSeparator = L'.';
}

TEST(DecimalSeparatorFromSetting, TakesOnlyASingleCharacterSetting) {
  EXPECT_EQ(DecimalSeparatorFromSetting(L","), L',');
  EXPECT_EQ(DecimalSeparatorFromSetting(L"."), L'.');
  EXPECT_EQ(DecimalSeparatorFromSetting(L""), L'.');
  EXPECT_EQ(DecimalSeparatorFromSetting(L",,"), L'.');
}

TEST(QueryFileSize, CombinesBothHalvesOfTheFindData) {
  MemoryPlatform platform;
  platform.fileSizes[L"C:\\big.ac3"] = 5 * GiB;
  platform.fileSizes[L"C:\\edge.ac3"] = 0xFFFFFFFFull;
  platform.fileSizes[L"C:\\empty.ac3"] = 0;
  EXPECT_EQ(QueryFileSize(platform, L"C:\\big.ac3"), 5 * GiB);
  EXPECT_EQ(QueryFileSize(platform, L"C:\\edge.ac3"), 0xFFFFFFFFll);
  EXPECT_EQ(QueryFileSize(platform, L"C:\\empty.ac3"), 0);
}

TEST(QueryFileSize, ReportsAMissingFileAsMinusOne) {
  MemoryPlatform platform;
  EXPECT_EQ(QueryFileSize(platform, L"C:\\gone.ac3"), -1);
  EXPECT_EQ(FormatFileSize(QueryFileSize(platform, L"C:\\gone.ac3")),
            L"-1 bytes");
}

TEST(QueryFileSize, SearchesForTheNameUnchanged) {
  MemoryPlatform platform;
  QueryFileSize(platform, L"D:\\music\\a*.ac3");
  ASSERT_EQ(platform.findCalls.size(), 1u);
  EXPECT_EQ(platform.findCalls[0], L"D:\\music\\a*.ac3");
}

} // namespace
} // namespace sonvella
