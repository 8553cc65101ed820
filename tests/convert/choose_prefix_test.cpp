#include "convert/choose_prefix.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "tests/convert/prefix_by_value.h"

namespace convert {
namespace {

TEST(ChoosePrefix, RangeBoundsAreInclusive) {
  struct Case {
    std::int32_t b;
    std::optional<char> digit;
  };
  const Case cases[] = {
      {100, '4'},          {109, '4'},          {130, '4'},          {170, '4'},
      {199, '4'},          {110, '2'},          {117, '2'},          {129, '2'},
      {180, '2'},          {189, '2'},          {999, '2'},          {99, std::nullopt},
      {171, std::nullopt}, {179, std::nullopt}, {800, std::nullopt}, {899, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ChoosePrefix(c.b), c.digit) << "b = " << c.b;
}

TEST(ChoosePrefix, MatchesTheRangesByValueEverywhere) {
  for (std::int32_t b = -10; b <= 1100; ++b) {
    EXPECT_EQ(ChoosePrefix(b), testing::PrefixByValue(b)) << "b = " << b;
  }
  EXPECT_EQ(ChoosePrefix(std::numeric_limits<std::int32_t>::max()), std::nullopt);
  EXPECT_EQ(ChoosePrefix(std::numeric_limits<std::int32_t>::min()), std::nullopt);
}

}  // namespace
}  // namespace convert
