// The one top-level window: its class, creation with the fixed frame, showing, the outer
// position, the minimized state, and the monitors' work areas.
//
// Supports: a Unicode window class (so WM_CHAR carries UTF-16) with double-clicks, the class
// and small icons made from the toolkit's ICO images, a caption, minimize box and system menu
// without a sizing border or maximize box (Size and Maximize taken out of the system menu), an
// exact client size, the caption converted from the window's code page explicitly; the outer
// (frame) top-left corner in screen coordinates, read from the window placement so that a
// minimized window reports where it will come back rather than its parking place; minimize
// and restore; the work areas of all monitors.
// Does not yet: a DPI change while the window is open (the program is aware of the system
// DPI, not of each monitor's).
#pragma once

#include <string>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {

// The work area of every monitor, in screen coordinates.
std::vector<Rect> MonitorWorkAreas();

class TopLevelWindow {
 public:
  static constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  static constexpr DWORD kExtendedStyle = 0;

  TopLevelWindow() = default;
  ~TopLevelWindow() { Destroy(); }
  TopLevelWindow(const TopLevelWindow&) = delete;
  TopLevelWindow& operator=(const TopLevelWindow&) = delete;

  // `procedure` receives the window's messages; `owner` is passed in CREATESTRUCT's
  // lpCreateParams for it. False when the class or the window cannot be made.
  bool Create(const NativeWindowSpec& wanted, WNDPROC procedure, void* owner);
  void Destroy();
  HWND handle() const { return window_; }
  Size client_size() const { return size_; }

  void Show();
  Point OuterPosition() const;
  void SetOuterPosition(Point outer);
  bool Minimized() const;
  void SetMinimized(bool minimized);

 private:
  void FitClientSize();

  HWND window_ = nullptr;
  std::wstring class_name_;
  HICON big_icon_ = nullptr;
  HICON small_icon_ = nullptr;
  Size size_;
};

}  // namespace toolkit::win32
