// The monitors cut to the desktop's work area.
// gtest goes first: the X headers define macros such as None that its templates use as names.
#include <gtest/gtest.h>

#include "toolkit/x11/monitors.h"

namespace toolkit::x11 {
namespace {

TEST(ClipToWorkArea, EachMonitorKeepsWhatTheWorkAreaLeavesOfIt) {
  struct Case {
    const char* name;
    std::vector<Rect> monitors;
    std::optional<Rect> work_area;
    std::vector<Rect> expected;
  };
  const Rect left{0, 0, 1024, 768};
  const Rect right{1024, 0, 1280, 1024};
  const Case cases[] = {
      {"no work area set", {left}, std::nullopt, {left}},
      {"a panel along the bottom", {left}, Rect{0, 0, 1024, 738}, {{0, 0, 1024, 738}}},
      {"one area over two monitors, a panel on the left one",
       {left, right},
       Rect{0, 30, 2304, 994},
       {{0, 30, 1024, 738}, {1024, 30, 1280, 994}}},
      {"a monitor the work area misses stays whole",
       {left, right},
       Rect{0, 0, 1024, 768},
       {left, right}},
      {"a work area without area", {left}, Rect{0, 0, 0, 0}, {left}},
      {"a monitor left of and above the origin",
       {{-1280, -200, 1280, 1024}, left},
       Rect{-1280, -200, 2304, 1024},
       {{-1280, -200, 1280, 1024}, left}},
      {"monitors without area are left out",
       {{0, 0, 0, 768}, left, {5, 5, 100, -1}},
       std::nullopt,
       {left}},
      {"a work area far out does not overflow",
       {left},
       Rect{2147483000, 2147483000, 2147483647, 2147483647},
       {left}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClipToWorkArea(c.monitors, c.work_area), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace toolkit::x11
