#include "toolkit/x11/monitors.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace toolkit::x11 {
namespace {

bool HasArea(const Rect& rect) {
  return rect.width > 0 && rect.height > 0;
}

// Computed in 64 bits: a rectangle far out may have edges beyond the range of int.
Rect Intersection(const Rect& a, const Rect& b) {
  const int64_t left = std::max<int64_t>(a.x, b.x);
  const int64_t top = std::max<int64_t>(a.y, b.y);
  const int64_t right = std::min(int64_t{a.x} + a.width, int64_t{b.x} + b.width);
  const int64_t bottom = std::min(int64_t{a.y} + a.height, int64_t{b.y} + b.height);
  if (right <= left || bottom <= top) return {};
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
          static_cast<int>(bottom - top)};
}

// CARDINAL items arrive as C longs; coordinates are 32-bit values, sizes are clamped.
int CoordinateItem(long item) {
  return static_cast<int32_t>(static_cast<uint32_t>(item));
}

int SizeItem(long item) {
  const auto value = static_cast<uint32_t>(item);
  return static_cast<int>(std::min<uint32_t>(value, std::numeric_limits<int>::max()));
}

// The CARDINAL items of a root-window property; empty when it is missing or of another type.
std::vector<long> RootCardinals(Connection& connection, Atom property, long max_items) {
  std::vector<long> items;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(connection.display(), connection.root(), property, 0, max_items, False,
                         XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
      data != nullptr) {
    if (type == XA_CARDINAL && format == 32) {
      const long* values = reinterpret_cast<const long*>(data);
      items.assign(values, values + count);
    }
    XFree(data);
  }
  return items;
}

std::vector<Rect> RandrMonitors(Connection& connection) {
  Display* display = connection.display();
  int event_base = 0, error_base = 0, major = 0, minor = 0;
  if (!XRRQueryExtension(display, &event_base, &error_base) ||
      !XRRQueryVersion(display, &major, &minor) || major < 1 || (major == 1 && minor < 5)) {
    return {};
  }
  std::vector<Rect> monitors;
  int count = 0;
  if (XRRMonitorInfo* info = XRRGetMonitors(display, connection.root(), True, &count)) {
    for (int i = 0; i < count; ++i) {
      monitors.push_back({info[i].x, info[i].y, info[i].width, info[i].height});
    }
    XRRFreeMonitors(info);
  }
  return monitors;
}

// The work area of the current desktop; desktop 0 when the window manager names none.
std::optional<Rect> DesktopWorkArea(Connection& connection) {
  // Far more desktops than anyone keeps; the property holds four items for each.
  constexpr long kMaxDesktops = 1024;
  const std::vector<long> current =
      RootCardinals(connection, connection.atoms().net_current_desktop, 1);
  const std::vector<long> areas =
      RootCardinals(connection, connection.atoms().net_workarea, 4 * kMaxDesktops);
  const std::size_t desktop = current.empty() ? 0 : static_cast<uint32_t>(current[0]);
  if (desktop >= areas.size() / 4) return std::nullopt;
  const long* area = &areas[4 * desktop];
  return Rect{CoordinateItem(area[0]), CoordinateItem(area[1]), SizeItem(area[2]),
              SizeItem(area[3])};
}

}  // namespace

std::vector<Rect> ClipToWorkArea(const std::vector<Rect>& monitors,
                                 const std::optional<Rect>& work_area) {
  std::vector<Rect> clipped;
  for (const Rect& monitor : monitors) {
    if (!HasArea(monitor)) continue;
    const Rect inside = work_area ? Intersection(monitor, *work_area) : monitor;
    clipped.push_back(HasArea(inside) ? inside : monitor);
  }
  return clipped;
}

std::vector<Rect> MonitorWorkAreas(Connection& connection) {
  if (connection.Lost()) return {};
  std::vector<Rect> monitors = RandrMonitors(connection);
  if (monitors.empty()) {
    Display* display = connection.display();
    monitors.push_back({0, 0, DisplayWidth(display, connection.screen()),
                        DisplayHeight(display, connection.screen())});
  }
  return ClipToWorkArea(monitors, DesktopWorkArea(connection));
}

}  // namespace toolkit::x11
