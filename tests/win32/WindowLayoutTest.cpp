#include "platform/win32/WindowLayout.h"

#include <gtest/gtest.h>

namespace sonvella::win32 {
namespace {

const FormDescription &Form() { return PlayerFormDescription(); }

TEST(ScaleByTest, RoundsHalfAwayFromZeroAsMulDivDoes) {
  EXPECT_EQ(ScaleBy(1, 8, 16), 1);   // 0.5
  EXPECT_EQ(ScaleBy(-1, 8, 16), -1); // -0.5
  EXPECT_EQ(ScaleBy(3, 5, 16), 1);   // 0.9375
  EXPECT_EQ(ScaleBy(5, 3, 16), 1);
  EXPECT_EQ(ScaleBy(7, 2, 16), 1); // 0.875
  EXPECT_EQ(ScaleBy(9, 1, 16), 1); // 0.5625
  EXPECT_EQ(ScaleBy(7, 1, 16), 0); // 0.4375
  EXPECT_EQ(ScaleBy(0, 11, 16), 0);
}

TEST(ScaleByTest, DoesNotOverflowOnLargeProducts) {
  EXPECT_EQ(ScaleBy(2'000'000'000, 3, 4), 1'500'000'000);
}

TEST(FontHeightTest, FollowsThePixelsPerInchRounded) {
  EXPECT_EQ(ScaledFontHeight(Form(), 120), 14);
  EXPECT_EQ(ScaledFontHeight(Form(), 96), 11);  // 11.2
  EXPECT_EQ(ScaledFontHeight(Form(), 144), 17); // 16.8
  EXPECT_EQ(ScaledFontHeight(Form(), 192), 22); // 22.4
}

TEST(ScaleLayoutTest, KeepsTheDescriptionAtTheDesignDigitHeight) {
  const ScaledLayout layout = ScaleLayout(Form(), 16);
  EXPECT_EQ(layout.client.width, 602);
  EXPECT_EQ(layout.client.height, 305);
  ASSERT_EQ(layout.controls.size(), Form().controls.size());
  EXPECT_EQ(layout.controls[0], (PixelRect{8, 8, 594, 266}));     // list
  EXPECT_EQ(layout.controls[5], (PixelRect{514, 272, 594, 297})); // Close
  EXPECT_EQ(layout.columnWidths, (std::vector<int>{180, 80, 280}));
}

TEST(ScaleLayoutTest, ScalesEachEdgeRatherThanTheSize) {
  // At a digit height of 11 the list's left edge 8 becomes 5.5 -> 6 and
  // its right edge 594 becomes 408.4 -> 408: 402 wide, where scaling the
  // width 586 alone would give 403.
  const ScaledLayout layout = ScaleLayout(Form(), 11);
  EXPECT_EQ(layout.controls[0], (PixelRect{6, 6, 408, 183}));
  EXPECT_EQ(layout.client.width, 414);  // 413.875
  EXPECT_EQ(layout.client.height, 210); // 209.6875
  EXPECT_EQ(layout.columnWidths, (std::vector<int>{124, 55, 193}));
}

TEST(ScaleLayoutTest, GrowsWithALargerFont) {
  const ScaledLayout layout = ScaleLayout(Form(), 19);
  EXPECT_EQ(layout.digitHeight, 19);
  EXPECT_EQ(layout.client.width, 715);                            // 714.875
  EXPECT_EQ(layout.client.height, 362);                           // 362.1875
  EXPECT_EQ(layout.controls[2], (PixelRect{112, 323, 207, 353})); // Remove
}

TEST(RescaledClientTest, AWindowOfItsLayoutsSizeTakesTheNewLayoutsSize) {
  // From a smaller font to a larger one and back: the layout's own sizes.
  const ScaledLayout small = ScaleLayout(Form(), 11);
  const ScaledLayout large = ScaleLayout(Form(), 19);
  const PixelSize grown = RescaledClient(small.client, small, large);
  EXPECT_EQ(grown.width, 715);
  EXPECT_EQ(grown.height, 362);
  const PixelSize back = RescaledClient(grown, large, small);
  EXPECT_EQ(back.width, 414);
  EXPECT_EQ(back.height, 210);
}

TEST(RescaledClientTest, AResizedWindowKeepsItsProportionToTheLayout) {
  const ScaledLayout small = ScaleLayout(Form(), 11);
  const ScaledLayout large = ScaleLayout(Form(), 19);
  const PixelSize grown = RescaledClient({500, 300}, small, large);
  EXPECT_EQ(grown.width, 864);  // 863.6
  EXPECT_EQ(grown.height, 518); // 518.18
}

constexpr PixelSize Designed{602, 305};
constexpr unsigned AllEdges =
    AnchorLeft | AnchorTop | AnchorRight | AnchorBottom;

TEST(AnchoredRectTest, ListStretchesWithTheWindow) {
  EXPECT_EQ(AnchoredRect({8, 8, 594, 266}, AllEdges, Designed, {802, 405}),
            (PixelRect{8, 8, 794, 366}));
}

TEST(AnchoredRectTest, LeftButtonsFollowOnlyTheBottomEdge) {
  EXPECT_EQ(AnchoredRect({94, 272, 174, 297}, AnchorLeft | AnchorBottom,
                         Designed, {802, 405}),
            (PixelRect{94, 372, 174, 397}));
}

TEST(AnchoredRectTest, RightButtonFollowsTheRightAndBottomEdges) {
  EXPECT_EQ(AnchoredRect({514, 272, 594, 297}, AnchorRight | AnchorBottom,
                         Designed, {802, 405}),
            (PixelRect{714, 372, 794, 397}));
  EXPECT_EQ(AnchoredRect({514, 272, 594, 297}, AnchorRight | AnchorBottom,
                         Designed, {500, 300}),
            (PixelRect{412, 267, 492, 292}));
}

TEST(AnchoredRectTest, StretchedControlNeverTurnsInsideOut) {
  const PixelRect rect =
      AnchoredRect({8, 8, 594, 266}, AllEdges, Designed, {0, 0});
  EXPECT_EQ(rect, (PixelRect{8, 8, 8, 8}));
}

TEST(CentredOriginTest, CentresTheWholeWindowOnThePrimaryScreen) {
  EXPECT_EQ(CentredOrigin({610, 337}, {1280, 1024}, {0, 0}).x, 335);
  EXPECT_EQ(CentredOrigin({610, 337}, {1280, 1024}, {0, 0}).y, 343);
}

TEST(CentredOriginTest, KeepsTheWindowAtTheDesktopsTopLeftOrBeyond) {
  // Larger than the screen: the centre would be off the desktop's left and
  // top edges.
  const PixelPoint origin = CentredOrigin({1011, 801}, {1000, 700}, {0, 0});
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
}

TEST(CentredOriginTest, TruncatesTowardsZeroWhenTheDesktopReachesFurther) {
  // A second monitor left of and above the primary one.
  const PixelPoint origin =
      CentredOrigin({1011, 801}, {1000, 700}, {-1920, -200});
  EXPECT_EQ(origin.x, -5); // -5.5
  EXPECT_EQ(origin.y, -50);
}

} // namespace
} // namespace sonvella::win32
