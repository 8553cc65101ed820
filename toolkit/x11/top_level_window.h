// The one top-level window: creation with its window-manager hints, mapping, the outer
// position and the minimized state.
//
// Supports: an exact client size that cannot change (WM_NORMAL_HINTS min = max, and
// _MOTIF_WM_HINTS for title, menu, minimize and close without maximize or resize), the caption
// in UTF-8 (_NET_WM_NAME, _NET_WM_ICON_NAME, WM_NAME), WM_CLASS, _NET_WM_PID with
// WM_CLIENT_MACHINE, _NET_WM_ICON from ARGB images, WM_DELETE_WINDOW and _NET_WM_PING, the
// background shown before the first paint, the outer (frame) top-left corner read and set with
// NorthWest gravity and _NET_FRAME_EXTENTS, iconify and restore (WM_STATE, WM_CHANGE_STATE).
// A position is applied as given; keeping it within reach of the monitors is the toolkit's.
#pragma once

#include <vector>

#include "toolkit/backend.h"
#include "toolkit/x11/connection.h"
#include "toolkit/x11/xlib.h"

namespace toolkit::x11 {

// The _NET_WM_ICON value of the images: for each, width, height and its ARGB pixels, as the
// `long` items Xlib expects for format-32 data. Images without pixels or larger than 256 px
// are left out.
std::vector<long> NetWmIconData(const std::vector<platform::IconImage>& icons);

class TopLevelWindow {
 public:
  static constexpr long kEventMask = ExposureMask | KeyPressMask | KeyReleaseMask |
                                     ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                                     FocusChangeMask | StructureNotifyMask | PropertyChangeMask;
  // How long the window waits for the window manager to carry out a map or a state change.
  static constexpr int kWindowManagerTimeoutMs = 2000;

  explicit TopLevelWindow(Connection& connection) : connection_(connection) {}
  ~TopLevelWindow() { Destroy(); }
  TopLevelWindow(const TopLevelWindow&) = delete;
  TopLevelWindow& operator=(const TopLevelWindow&) = delete;

  bool Create(const NativeWindowSpec& wanted);
  void Destroy();
  Window id() const { return window_; }
  Size client_size() const { return size_; }

  void Show();
  Point OuterPosition();
  void SetOuterPosition(Point outer);
  // The window was moved or resized: a move asked for has been carried out.
  void NoteConfigure();
  bool Minimized();
  void SetMinimized(bool minimized);

 private:
  void SetSizeHints();
  long WmState();
  bool ManagedByWindowManager();
  void WaitForWmState(long state);

  Connection& connection_;
  Window window_ = None;
  Size size_;
  bool mapped_ = false;
  bool move_pending_ = false;
  bool minimize_when_shown_ = false;
  bool position_given_ = false;
  Point position_;
};

}  // namespace toolkit::x11
