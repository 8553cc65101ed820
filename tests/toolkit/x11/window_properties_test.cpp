#include <gtest/gtest.h>

#include "toolkit/x11/top_level_window.h"

namespace toolkit::x11 {
namespace {

TEST(NetWmIconData, PacksEachImageAsWidthHeightAndPixelsInLongs) {
  const platform::IconImage small{2, 1, 32, {0x80FF0000u, 0xFF00FF00u}};
  const platform::IconImage large{1, 2, 32, {0x12345678u, 0xFFFFFFFFu}};
  const std::vector<long> data = NetWmIconData({small, large});
  const std::vector<long> expected = {2, 1, 0x80FF0000L, 0xFF00FF00L,
                                      1, 2, 0x12345678L, 0xFFFFFFFFL};
  EXPECT_EQ(data, expected);
}

TEST(NetWmIconData, LeavesOutImagesThatCannotBeIcons) {
  const platform::IconImage empty{0, 0, 32, {}};
  const platform::IconImage short_of_pixels{2, 2, 32, {1, 2, 3}};
  const platform::IconImage huge{300, 1, 32, std::vector<uint32_t>(300)};
  const platform::IconImage good{1, 1, 32, {0xFF000000u}};
  EXPECT_EQ(NetWmIconData({empty, short_of_pixels, huge, good}),
            (std::vector<long>{1, 1, 0xFF000000L}));
}

}  // namespace
}  // namespace toolkit::x11
