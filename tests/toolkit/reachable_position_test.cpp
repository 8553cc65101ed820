// Where a window's frame may stand so that a grip of its title bar stays on a work area.
#include "toolkit/reachable_position.h"

#include <gtest/gtest.h>

#include <limits>

namespace toolkit {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

// A 300 x 120 frame. On `kScreen` its left edge may go from -260 (40 px of the title bar left
// on the screen) to 984, its top edge from -10 (10 of the 20 title rows left) to 758.
constexpr Size kFrame{300, 120};
const Rect kScreen{0, 0, 1024, 768};
// A taller monitor right of the screen; its tops are level.
const Rect kTall{1024, 0, 1280, 1024};
// A monitor left of and above the origin.
const Rect kUpperLeft{-1280, -1024, 1280, 1024};

struct Case {
  const char* name;
  std::vector<Rect> work_areas;
  Point wanted;
  Point expected;
  Size frame = kFrame;
};

TEST(ReachablePosition, KeepsAGripOfTheTitleBarOnSomeWorkArea) {
  const Case cases[] = {
      {"inside", {kScreen}, {100, 80}, {100, 80}},
      {"partly off the left edge, 40 px left", {kScreen}, {-260, 300}, {-260, 300}},
      {"partly off the right edge, 40 px left", {kScreen}, {984, 300}, {984, 300}},
      {"partly off the top edge, 10 title rows left", {kScreen}, {100, -10}, {100, -10}},
      {"partly off the bottom edge, 10 rows left", {kScreen}, {100, 758}, {100, 758}},
      {"one pixel too far left", {kScreen}, {-261, 300}, {-260, 300}},
      {"one pixel too far right", {kScreen}, {985, 300}, {984, 300}},
      {"one pixel too far up", {kScreen}, {100, -11}, {100, -10}},
      {"one pixel too far down", {kScreen}, {100, 759}, {100, 758}},
      {"wholly beyond the left edge", {kScreen}, {-5000, 300}, {-260, 300}},
      {"wholly beyond the right edge", {kScreen}, {5000, 300}, {984, 300}},
      {"wholly above the top edge", {kScreen}, {100, -5000}, {100, -10}},
      {"wholly below the bottom edge", {kScreen}, {100, 5000}, {100, 758}},
      {"far off at the bottom right", {kScreen}, {90000, 90000}, {984, 758}},
      {"far off at the top left", {kScreen}, {-90000, -90000}, {-260, -10}},
      {"at the ends of int", {kScreen}, {kMax, kMin}, {984, -10}},
      {"below the shorter monitor, on the taller one", {kScreen, kTall}, {900, 900}, {900, 900}},
      {"below the shorter monitor, nearer to it", {kScreen, kTall}, {500, 900}, {500, 758}},
      {"below the shorter monitor, nearer to the taller",
       {kScreen, kTall},
       {700, 1000},
       {764, 1000}},
      {"beyond all monitors", {kScreen, kTall}, {5000, 5000}, {2264, 1014}},
      {"beyond all monitors, on the left", {kTall, kScreen}, {-5000, 5000}, {-260, 758}},
      {"on a monitor above and left of the origin",
       {kScreen, kUpperLeft},
       {-600, -500},
       {-600, -500}},
      {"beyond a monitor above and left of the origin",
       {kScreen, kUpperLeft},
       {-3000, -3000},
       {-1540, -1034}},
      {"under a panel along the bottom", {{0, 0, 1024, 738}}, {100, 750}, {100, 728}},
      {"under a panel along the left", {{60, 0, 964, 768}}, {-250, 300}, {-200, 300}},
      {"under a panel along the top", {{0, 30, 1024, 738}}, {100, 15}, {100, 20}},
      {"a frame narrower than the grip stays whole on the area",
       {kScreen},
       {-1, 300},
       {0, 300},
       {30, 120}},
      {"a work area smaller than the grip", {{0, 0, 20, 5}}, {500, 500}, {0, 0}},
      {"equally near two monitors: the first",
       {{0, 0, 100, 100}, {400, 0, 100, 100}},
       {200, 0},
       {60, 0},
       {100, 50}},
      {"no work area known", {}, {90000, 90000}, {90000, 90000}},
      {"work areas without area count for nothing",
       {{0, 0, 0, 768}, kScreen, {0, 0, 1024, -1}},
       {5000, 300},
       {984, 300}},
      {"only work areas without area", {{0, 0, 0, 0}}, {5000, 300}, {5000, 300}},
  };
  for (const Case& c : cases) {
    const Rect outer{c.wanted.x, c.wanted.y, c.frame.width, c.frame.height};
    EXPECT_EQ(ReachablePosition(c.work_areas, outer), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace toolkit
