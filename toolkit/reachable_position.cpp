#include "toolkit/reachable_position.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace toolkit {
namespace {

// Edges are worked out in 64 bits: a rectangle far out may reach beyond the range of int.
struct Span {
  int64_t low = 0;
  int64_t high = 0;  // inclusive
  bool Holds(int64_t v) const { return v >= low && v <= high; }
  int64_t Nearest(int64_t v) const { return std::clamp(v, low, high); }
};

// The positions of the frame's top-left corner that put a grip of its title bar on `area`.
struct ReachableRange {
  Span x;
  Span y;
};

ReachableRange RangeOn(const Rect& area, int64_t width, int64_t height) {
  const int64_t grip_width = std::min<int64_t>({kTitleGrip.width, width, area.width});
  const int64_t grip_height = std::min<int64_t>({kTitleGrip.height, height, area.height});
  const int64_t title_height = std::max(grip_height, std::min<int64_t>(kTitleBarHeight, height));
  // Horizontally the frame and the area overlap by at least the grip's width; vertically the
  // grip's rows, somewhere in the title bar, lie within the area.
  return {{int64_t{area.x} + grip_width - width, int64_t{area.x} + area.width - grip_width},
          {int64_t{area.y} - (title_height - grip_height),
           int64_t{area.y} + area.height - grip_height}};
}

int ToInt(int64_t v) {
  return static_cast<int>(
      std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

Point ReachablePosition(const std::vector<Rect>& work_areas, const Rect& outer) {
  // A frame without area is held by its corner.
  const int64_t width = std::max(outer.width, 1);
  const int64_t height = std::max(outer.height, 1);
  std::optional<Point> nearest;
  double nearest_distance = 0;
  for (const Rect& area : work_areas) {
    if (area.width <= 0 || area.height <= 0) continue;
    const ReachableRange range = RangeOn(area, width, height);
    if (range.x.Holds(outer.x) && range.y.Holds(outer.y)) return {outer.x, outer.y};
    const int64_t x = range.x.Nearest(outer.x);
    const int64_t y = range.y.Nearest(outer.y);
    // In floating point: the squares of distances between far-apart points pass 64 bits.
    const double dx = static_cast<double>(x - outer.x);
    const double dy = static_cast<double>(y - outer.y);
    const double distance = dx * dx + dy * dy;
    if (!nearest || distance < nearest_distance) {
      nearest = Point{ToInt(x), ToInt(y)};
      nearest_distance = distance;
    }
  }
  return nearest.value_or(Point{outer.x, outer.y});
}

}  // namespace toolkit
