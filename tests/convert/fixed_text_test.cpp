#include "convert/fixed_text.h"

#include <gtest/gtest.h>

namespace convert {
namespace {

TEST(FixedText, PadsShortValuesAndCutsLongOnes) {
  FixedText text(5);
  EXPECT_EQ(text.Stored(), "     ");
  text = "ab";
  EXPECT_EQ(text.Stored(), "ab   ");
  text = "abcdefg";
  EXPECT_EQ(text.Stored(), "abcde");
  text = text.Stored().substr(1);  // assigning a view of itself
  EXPECT_EQ(text.Stored(), "bcde ");
}

TEST(FixedText, ClipsOnlyTrailingBlanks) {
  EXPECT_EQ(FixedText(6, " a b  ").Clipped(), " a b");
  EXPECT_EQ(FixedText(6, "a\t ").Clipped(), "a\t");
  EXPECT_EQ(FixedText(6, "ab").Length(), 2u);
  EXPECT_EQ(FixedText(6).Length(), 0u);
  EXPECT_EQ(ClipBlanks("   "), "");
}

}  // namespace
}  // namespace convert
