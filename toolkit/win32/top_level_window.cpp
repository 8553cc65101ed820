#include "toolkit/win32/top_level_window.h"

#include "toolkit/win32/icon_handles.h"
#include "toolkit/win32/wide_text.h"

namespace toolkit::win32 {
namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& work = info.rcWork;
    reinterpret_cast<std::vector<Rect>*>(areas)->push_back(
        {work.left, work.top, work.right - work.left, work.bottom - work.top});
  }
  return TRUE;
}

// Window placements are in workspace coordinates: those of the work area of the monitor the
// window is on, which differ from screen coordinates by a task bar at its top or left.
POINT WorkspaceOffset(const RECT& normal) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  HMONITOR monitor = MonitorFromRect(&normal, MONITOR_DEFAULTTONEAREST);
  if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) return {0, 0};
  return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

}  // namespace

std::vector<Rect> MonitorWorkAreas() {
  std::vector<Rect> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

bool TopLevelWindow::Create(const NativeWindowSpec& wanted, WNDPROC procedure, void* owner) {
  Destroy();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  class_name_ = WideOfUtf8(wanted.class_name.empty() ? "toolkit-window" : wanted.class_name);
  big_icon_ = BestIconHandle(wanted.icons, GetSystemMetrics(SM_CXICON));
  small_icon_ = BestIconHandle(wanted.icons, GetSystemMetrics(SM_CXSMICON));
  // The default application icon as the system itself loaded it stands for the window's own;
  // it belongs to the toolkit's settings, not to this window.
  HICON class_icon = big_icon_;
  if (wanted.system_icon != nullptr && wanted.system_icon->Handle() != nullptr) {
    class_icon = static_cast<HICON>(wanted.system_icon->Handle());
  }

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_DBLCLKS;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = class_icon;
  window_class.hIconSm = small_icon_;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  // No background brush: the toolkit paints every pixel of the client area itself.
  window_class.lpszClassName = class_name_.c_str();
  if (!RegisterClassExW(&window_class)) {
    Destroy();
    return false;
  }

  size_ = wanted.client_size;
  RECT outer{0, 0, size_.width, size_.height};
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExtendedStyle);
  const std::wstring caption = WideOf(wanted.code_page, wanted.caption);
  window_ = CreateWindowExW(kExtendedStyle, class_name_.c_str(), caption.c_str(), kStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                            outer.bottom - outer.top, nullptr, nullptr, instance, owner);
  if (window_ == nullptr) {
    Destroy();
    return false;
  }
  FitClientSize();
  if (HMENU menu = GetSystemMenu(window_, FALSE)) {
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  }
  if (class_icon != nullptr) SendMessageW(window_, WM_SETICON, ICON_BIG, (LPARAM)class_icon);
  if (small_icon_ != nullptr) SendMessageW(window_, WM_SETICON, ICON_SMALL, (LPARAM)small_icon_);
  return true;
}

void TopLevelWindow::FitClientSize() {
  // A frame the system draws otherwise than AdjustWindowRectEx said (a caption that wraps,
  // a theme's own borders) would leave the client area short: make up the difference.
  RECT client{};
  RECT frame{};
  if (!GetClientRect(window_, &client) || !GetWindowRect(window_, &frame)) return;
  const int dx = size_.width - (client.right - client.left);
  const int dy = size_.height - (client.bottom - client.top);
  if (dx == 0 && dy == 0) return;
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TopLevelWindow::Destroy() {
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  if (!class_name_.empty()) UnregisterClassW(class_name_.c_str(), GetModuleHandleW(nullptr));
  class_name_.clear();
  if (big_icon_ != nullptr) DestroyIcon(big_icon_);
  if (small_icon_ != nullptr) DestroyIcon(small_icon_);
  big_icon_ = small_icon_ = nullptr;
}

void TopLevelWindow::Show() {
  if (window_ == nullptr) return;
  // The first ShowWindow of a process takes the show state its starter asked for (a shortcut
  // set to start minimized) when given SW_SHOWDEFAULT.
  ShowWindow(window_, SW_SHOWDEFAULT);
  UpdateWindow(window_);
}

Point TopLevelWindow::OuterPosition() const {
  if (window_ == nullptr) return {};
  if (!IsIconic(window_)) {
    RECT frame{};
    if (GetWindowRect(window_, &frame)) return {frame.left, frame.top};
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window_, &placement)) return {};
  const RECT& normal = placement.rcNormalPosition;
  const POINT offset = WorkspaceOffset(normal);
  return {normal.left + offset.x, normal.top + offset.y};
}

void TopLevelWindow::SetOuterPosition(Point outer) {
  if (window_ == nullptr) return;
  if (!IsIconic(window_)) {
    SetWindowPos(window_, nullptr, outer.x, outer.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  // A minimized window keeps its place for the restore: the normal position is moved.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window_, &placement)) return;
  RECT& normal = placement.rcNormalPosition;
  const int width = normal.right - normal.left;
  const int height = normal.bottom - normal.top;
  RECT screen{outer.x, outer.y, outer.x + width, outer.y + height};
  const POINT offset = WorkspaceOffset(screen);
  normal = {outer.x - offset.x, outer.y - offset.y, outer.x - offset.x + width,
            outer.y - offset.y + height};
  placement.showCmd = SW_SHOWMINNOACTIVE;
  placement.flags = 0;
  SetWindowPlacement(window_, &placement);
}

bool TopLevelWindow::Minimized() const {
  return window_ != nullptr && IsIconic(window_);
}

void TopLevelWindow::SetMinimized(bool minimized) {
  if (window_ == nullptr || minimized == Minimized()) return;
  ShowWindow(window_, minimized ? SW_MINIMIZE : SW_RESTORE);
}

}  // namespace toolkit::win32
