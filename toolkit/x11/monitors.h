// The monitors of the screen and the part of each that the desktop leaves to windows.
//
// Supports: the active monitors of RandR 1.5 (XRRGetMonitors), the whole screen where the
// server has no RandR 1.5 or reports no monitor, and the work area of the current desktop
// where the window manager sets one (_NET_WORKAREA, _NET_CURRENT_DESKTOP).
// Does not: struts of panels between two monitors, which _NET_WORKAREA cannot express.
#pragma once

#include <optional>
#include <vector>

#include "toolkit/geometry.h"
#include "toolkit/x11/connection.h"

namespace toolkit::x11 {

// Each monitor less what lies outside the desktop's work area. _NET_WORKAREA is one
// rectangle for all monitors together, so a monitor it misses altogether is kept whole rather
// than lost. Monitors without area are left out.
std::vector<Rect> ClipToWorkArea(const std::vector<Rect>& monitors,
                                 const std::optional<Rect>& work_area);

// The monitors' work areas in root-window coordinates, those of the outer position.
std::vector<Rect> MonitorWorkAreas(Connection& connection);

}  // namespace toolkit::x11
