// Where a top-level window may stand so that the user can still take hold of it by its title
// bar and drag it: a window restored to a monitor that has since been unplugged, or to a
// place beyond a screen that has become smaller, must not open out of every monitor's reach.
#pragma once

#include <vector>

#include "toolkit/geometry.h"

namespace toolkit {

// The strip of the title bar that must lie on a work area for the window to be reachable:
// this wide and this high (or the window's own width and height where those are less), and
// anywhere in the title bar, taken as the top kTitleBarHeight pixels of the frame. Every
// frame's title bar is at least that high.
inline constexpr Size kTitleGrip{40, 10};
inline constexpr int kTitleBarHeight = 20;

// `outer` is the frame's rectangle as wanted, in the coordinates of the work areas. A position
// that leaves a grip of the title bar on some work area comes back unchanged. Any other comes
// back as the nearest position that does, on the work area where that is nearest (the first
// of them on a tie). Work areas without area count for nothing; with none left, nothing is
// known to be better and the position comes back unchanged.
Point ReachablePosition(const std::vector<Rect>& work_areas, const Rect& outer);

}  // namespace toolkit
