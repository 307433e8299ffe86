#include "app/NameIndex.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace sonvella {
namespace {

std::wstring TrackName(int number) {
  return L"C:\\Music\\Track " + std::to_wstring(number) + L".ac3";
}

// Random adds and removes over a small pool of names, so that probe chains
// form, wrap around the table's end and get holes punched into them; after
// every step the index must agree with a plain ordered set.
TEST(NameIndexTest, AgreesWithASetThroughRandomAddsAndRemoves) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> pick(0, 299);
  NameIndex index;
  std::set<std::wstring> reference;
  for (int step = 0; step < 20'000; ++step) {
    const std::wstring name = TrackName(pick(random));
    if (random() % 3 == 0) {
      index.Erase(name);
      reference.erase(name);
    } else {
      index.Insert(name);
      reference.insert(name);
    }
    ASSERT_EQ(index.Size(), reference.size()) << "step " << step;
    if (step % 97 == 0) {
      for (int number = 0; number < 300; ++number) {
        const std::wstring probe = TrackName(number);
        ASSERT_EQ(index.Contains(probe), reference.contains(probe))
            << "step " << step << ", " << number;
      }
    }
  }
}

TEST(NameIndexTest, KeepsEveryNameThroughGrowingAndReserving) {
  NameIndex index;
  for (int number = 0; number < 5'000; ++number)
    index.Insert(TrackName(number));
  index.Reserve(20'000);
  for (int number = 5'000; number < 10'000; ++number)
    index.Insert(TrackName(number));
  EXPECT_EQ(index.Size(), 10'000u);
  for (int number = 0; number < 10'000; ++number)
    ASSERT_TRUE(index.Contains(TrackName(number))) << number;
  EXPECT_FALSE(index.Contains(TrackName(10'000)));
}

TEST(NameIndexTest, ComparesWholeNamesExactly) {
  NameIndex index;
  index.Insert(L"C:\\Music\\Song.ac3");
  index.Insert(L"C:\\Music\\Song.ac3");
  EXPECT_EQ(index.Size(), 1u);
  EXPECT_FALSE(index.Contains(L"C:\\Music\\song.ac3"));
  EXPECT_FALSE(index.Contains(L"C:\\Music\\Song.ac"));
  EXPECT_FALSE(index.Contains(L""));
  index.Erase(L"C:\\Music\\song.ac3");
  EXPECT_TRUE(index.Contains(L"C:\\Music\\Song.ac3"));
}

} // namespace
} // namespace sonvella
