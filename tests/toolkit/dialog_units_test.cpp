#include "toolkit/dialog_units.h"

#include <gtest/gtest.h>

#include "tests/toolkit/window_harness.h"

namespace toolkit {
namespace {

struct MulDivCase {
  int a, b, c, expected;
};

TEST(DialogUnits, MulDivRoundsToNearestWithHalvesAwayFromZero) {
  const MulDivCase cases[] = {
      {7, 6, 4, 11},    // 10.5
      {5, 6, 4, 8},     // 7.5
      {3, 13, 8, 5},    // 4.875
      {53, 13, 8, 86},  // 86.125
      {-7, 6, 4, -11},  // -10.5
      {7, -6, 4, -11},
      {7, 6, -4, -11},
      {-7, -6, 4, 11},
      {1, 1, 3, 0},  // 0.333
      {2, 1, 3, 1},  // 0.667
      {0, 5, 4, 0},
      {5, 5, 0, -1},                   // no divisor
      {2147483647, 2, 1, -1},          // does not fit
      {2147483647, 2, 2, 2147483647},  // the 64-bit intermediate keeps it exact
  };
  for (const MulDivCase& t : cases) {
    EXPECT_EQ(MulDiv(t.a, t.b, t.c), t.expected) << t.a << " * " << t.b << " / " << t.c;
  }
}

TEST(DialogUnits, BaseUnitsFromTheSampleWidthAndTheTextHeight) {
  // Widths of the 52-letter sample measured for real fonts, and what they give.
  EXPECT_EQ(ComputeBaseUnits(334, 13), (BaseUnits{6, 13}));  // 334 / 26 = 12, +1, /2
  EXPECT_EQ(ComputeBaseUnits(397, 15), (BaseUnits{8, 15}));  // 15 -> 8
  EXPECT_EQ(ComputeBaseUnits(491, 18), (BaseUnits{9, 18}));  // 18 -> 9
  EXPECT_EQ(ComputeBaseUnits(359, 13), (BaseUnits{7, 13}));  // 13 -> 7
  EXPECT_EQ(ComputeBaseUnits(416, 16), (BaseUnits{8, 16}));  // 8 px per character
  // A font that measures nothing still converts.
  EXPECT_EQ(ComputeBaseUnits(0, 0), (BaseUnits{1, 1}));
}

TEST(DialogUnits, ConversionBothWays) {
  const DialogUnits units(BaseUnits{6, 13});
  EXPECT_EQ(units.ToPixels(Size{134, 53}), (Size{201, 86}));
  EXPECT_EQ(units.ToPixels(Point{78, 3}), (Point{117, 5}));
  EXPECT_EQ(units.ToPixels(Size{49, 10}), (Size{74, 16}));           // 73.5 and 16.25
  EXPECT_EQ(units.ToPixels(Point{7, 37}), (Point{11, 60}));          // 10.5 and 60.125
  EXPECT_EQ(units.FromPixels(Point{201, 86}), (Point{134, 53}));     // 134 and 52.9
  EXPECT_EQ(units.FromPixels(Point{-101, -40}), (Point{-67, -25}));  // -67.3 and -24.6
}

TEST(DialogUnits, WindowLaysOutItsControlsInPixelsOfItsFont) {
  // Characters 6 px wide and 13 px high: base units 6 x 13, as hand-computed above.
  testing::WindowHarness h({.char_width = 6, .ascent = 10, .descent = 3});
  ASSERT_TRUE(h.Open());
  EXPECT_EQ(h.window.Units().Base(), (BaseUnits{6, 13}));
  EXPECT_EQ(h.backend.WindowSpec().client_size, (Size{201, 86}));
  EXPECT_EQ(h.Bounds(testing::kField1), (Rect{117, 5, 74, 16}));
  EXPECT_EQ(h.Bounds(testing::kButton), (Rect{48, 28, 107, 23}));  // 32,17 71x14
  // Without a size a text takes its extent: "OLD:" is 4 characters of 6 px, 13 px high.
  EXPECT_EQ(h.Bounds(testing::kLabel1), (Rect{9, 7, 24, 13}));  // 6,4 -> 9, 6.5
  // An image whose icon does not load has nothing to take its size from.
  EXPECT_EQ(h.Bounds(testing::kImage1), (Rect{18, 31, 0, 0}));
}

}  // namespace
}  // namespace toolkit
