#include "toolkit/x11/top_level_window.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace toolkit::x11 {
namespace {

constexpr int kMaxSide = 32767;
constexpr int kMaxIconSide = 256;

// _MOTIF_WM_HINTS: functions and decorations are listed, not removed (the "all" bit is off).
constexpr long kMwmHintsFunctions = 1;
constexpr long kMwmHintsDecorations = 2;
constexpr long kMwmFuncMove = 4, kMwmFuncMinimize = 8, kMwmFuncClose = 32;
constexpr long kMwmDecorBorder = 2, kMwmDecorTitle = 8, kMwmDecorMenu = 16, kMwmDecorMinimize = 32;

int Coordinate(int value) {
  return std::clamp(value, -kMaxSide, kMaxSide);
}

void SetCardinals(Display* display, Window window, Atom property, Atom type, const long* items,
                  int count) {
  XChangeProperty(display, window, property, type, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(items), count);
}

void SetUtf8Property(Display* display, Window window, Atom property, Atom utf8_string,
                     const std::string& text) {
  XChangeProperty(display, window, property, utf8_string, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(text.data()),
                  static_cast<int>(std::min<std::size_t>(text.size(), 1 << 16)));
}

}  // namespace

std::vector<long> NetWmIconData(const std::vector<platform::IconImage>& icons) {
  std::vector<long> data;
  for (const platform::IconImage& icon : icons) {
    if (icon.width <= 0 || icon.height <= 0 || icon.width > kMaxIconSide ||
        icon.height > kMaxIconSide ||
        icon.argb.size() != static_cast<std::size_t>(icon.width) * icon.height) {
      continue;
    }
    data.push_back(icon.width);
    data.push_back(icon.height);
    // Format-32 items are C longs in Xlib whatever their width; the low 32 bits count.
    data.insert(data.end(), icon.argb.begin(), icon.argb.end());
  }
  return data;
}

bool TopLevelWindow::Create(const NativeWindowSpec& wanted) {
  if (window_ != None || connection_.Lost()) return false;
  if (wanted.client_size.width < 1 || wanted.client_size.height < 1 ||
      wanted.client_size.width > kMaxSide || wanted.client_size.height > kMaxSide) {
    return false;
  }
  Display* display = connection_.display();
  const Atoms& atoms = connection_.atoms();
  size_ = wanted.client_size;

  XColor background{};
  background.red = static_cast<unsigned short>(wanted.background.r * 257);
  background.green = static_cast<unsigned short>(wanted.background.g * 257);
  background.blue = static_cast<unsigned short>(wanted.background.b * 257);
  XAllocColor(display, DefaultColormap(display, connection_.screen()), &background);

  XSetWindowAttributes attributes{};
  attributes.background_pixel = background.pixel;
  attributes.border_pixel = 0;
  attributes.event_mask = kEventMask;
  Connection::ErrorTrap trap(connection_);
  window_ =
      XCreateWindow(display, connection_.root(), Coordinate(position_.x), Coordinate(position_.y),
                    size_.width, size_.height, 0, CopyFromParent, InputOutput, CopyFromParent,
                    CWBackPixel | CWBorderPixel | CWEventMask, &attributes);
  if (trap.Failed()) {
    window_ = None;
    return false;
  }

  const std::string caption = platform::ToUtf8(wanted.code_page, wanted.caption);
  std::string res_name = wanted.class_name.empty() ? std::string("toolkit") : wanted.class_name;
  std::string res_class = res_name;
  res_class[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(res_class[0])));
  XClassHint class_hint{res_name.data(), res_class.data()};
  XWMHints wm_hints{};
  wm_hints.flags = InputHint | StateHint;
  wm_hints.input = True;
  wm_hints.initial_state = NormalState;
  // Writes WM_NAME and WM_ICON_NAME (STRING or COMPOUND_TEXT as the text needs), WM_HINTS,
  // WM_CLASS, WM_CLIENT_MACHINE and WM_LOCALE_NAME.
  Xutf8SetWMProperties(display, window_, caption.c_str(), caption.c_str(), nullptr, 0, nullptr,
                       &wm_hints, &class_hint);
  SetUtf8Property(display, window_, atoms.net_wm_name, atoms.utf8_string, caption);
  SetUtf8Property(display, window_, atoms.net_wm_icon_name, atoms.utf8_string, caption);
  SetSizeHints();

  Atom protocols[] = {atoms.wm_delete_window, atoms.net_wm_ping};
  XSetWMProtocols(display, window_, protocols, 2);
  const long pid = getpid();
  SetCardinals(display, window_, atoms.net_wm_pid, XA_CARDINAL, &pid, 1);
  const long type = static_cast<long>(atoms.net_wm_window_type_normal);
  SetCardinals(display, window_, atoms.net_wm_window_type, XA_ATOM, &type, 1);
  const long motif[5] = {
      kMwmHintsFunctions | kMwmHintsDecorations, kMwmFuncMove | kMwmFuncMinimize | kMwmFuncClose,
      kMwmDecorBorder | kMwmDecorTitle | kMwmDecorMenu | kMwmDecorMinimize, 0, 0};
  SetCardinals(display, window_, atoms.motif_wm_hints, atoms.motif_wm_hints, motif, 5);
  const std::vector<long> icon = NetWmIconData(wanted.icons);
  if (!icon.empty()) {
    SetCardinals(display, window_, atoms.net_wm_icon, XA_CARDINAL, icon.data(),
                 static_cast<int>(icon.size()));
  }
  return true;
}

// Min = max is what takes resizing, and with it maximizing, away from the frame; the
// window manager reads x and y only with USPosition or PPosition set.
void TopLevelWindow::SetSizeHints() {
  XSizeHints* hints = XAllocSizeHints();
  hints->flags = PSize | PMinSize | PMaxSize | PWinGravity;
  hints->width = hints->min_width = hints->max_width = size_.width;
  hints->height = hints->min_height = hints->max_height = size_.height;
  // NorthWest gravity: a requested position is that of the frame's top-left corner
  // (ICCCM 4.1.2.3), which is what the outer position means.
  hints->win_gravity = NorthWestGravity;
  if (position_given_) {
    hints->flags |= USPosition | PPosition;
    hints->x = Coordinate(position_.x);
    hints->y = Coordinate(position_.y);
  }
  XSetWMNormalHints(connection_.display(), window_, hints);
  XFree(hints);
}

void TopLevelWindow::Destroy() {
  if (window_ == None) return;
  XDestroyWindow(connection_.display(), window_);
  XFlush(connection_.display());
  window_ = None;
  mapped_ = false;
  move_pending_ = false;
  minimize_when_shown_ = false;
}

void TopLevelWindow::Show() {
  if (window_ == None || mapped_) return;
  Display* display = connection_.display();
  if (minimize_when_shown_) {
    // ICCCM 4.1.4: a window mapped with IconicState in its WM_HINTS starts minimized.
    if (XWMHints* hints = XGetWMHints(display, window_)) {
      hints->flags |= StateHint;
      hints->initial_state = IconicState;
      XSetWMHints(display, window_, hints);
      XFree(hints);
    }
  }
  XMapWindow(display, window_);
  mapped_ = true;
  // Positions and states asked for next are only meaningful once the window manager has the
  // window, which it says by setting WM_STATE; without a window manager (nobody owns the
  // WM_Sn selection, ICCCM 2.8) the map itself is the sign.
  const std::string manager_selection = "WM_S" + std::to_string(connection_.screen());
  const bool managed =
      XGetSelectionOwner(display, XInternAtom(display, manager_selection.c_str(), False)) != None;
  const Window window = window_;
  const Atom wm_state = connection_.atoms().wm_state;
  auto is_managed = [window, wm_state, managed](const XEvent& e) {
    if (managed) {
      return e.type == PropertyNotify && e.xproperty.window == window &&
             e.xproperty.atom == wm_state;
    }
    return e.type == MapNotify && e.xmap.window == window;
  };
  XEvent event;
  connection_.WaitForEvent(is_managed, kWindowManagerTimeoutMs, &event);
}

Point TopLevelWindow::OuterPosition() {
  if (window_ == None || connection_.Lost()) return position_;
  if (!mapped_ || move_pending_) return position_;
  Display* display = connection_.display();
  int x = 0, y = 0;
  Window child = None;
  XTranslateCoordinates(display, window_, connection_.root(), 0, 0, &x, &y, &child);
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window_, connection_.atoms().net_frame_extents, 0, 4, False,
                         XA_CARDINAL, &type, &format, &items, &after, &data) == Success &&
      data != nullptr) {
    if (type == XA_CARDINAL && format == 32 && items == 4) {
      const long* extents = reinterpret_cast<const long*>(data);  // left, right, top, bottom
      x -= static_cast<int>(extents[0]);
      y -= static_cast<int>(extents[2]);
    }
    XFree(data);
  }
  // Kept, so that a connection lost later still leaves the last position that was known.
  position_ = {x, y};
  return position_;
}

void TopLevelWindow::NoteConfigure() {
  move_pending_ = false;
  OuterPosition();
}

void TopLevelWindow::SetOuterPosition(Point outer) {
  position_ = outer;
  position_given_ = true;
  if (window_ == None || connection_.Lost()) return;
  SetSizeHints();
  XMoveWindow(connection_.display(), window_, Coordinate(outer.x), Coordinate(outer.y));
  XFlush(connection_.display());
  // A window manager carries the move out later and answers with a ConfigureNotify (ICCCM
  // 4.1.5); until then the server still reports the old place, which must not be read back.
  move_pending_ = mapped_ && ManagedByWindowManager();
}

long TopLevelWindow::WmState() {
  if (window_ == None || connection_.Lost()) return -1;
  const Atom wm_state = connection_.atoms().wm_state;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  long state = -1;
  if (XGetWindowProperty(connection_.display(), window_, wm_state, 0, 2, False, wm_state, &type,
                         &format, &items, &after, &data) == Success &&
      data != nullptr) {
    if (type == wm_state && format == 32 && items >= 1) state = reinterpret_cast<long*>(data)[0];
    XFree(data);
  }
  return state;
}

bool TopLevelWindow::ManagedByWindowManager() {
  return WmState() != -1;
}

bool TopLevelWindow::Minimized() {
  return WmState() == IconicState;
}

void TopLevelWindow::WaitForWmState(long state) {
  const Window window = window_;
  const Atom wm_state = connection_.atoms().wm_state;
  auto is_state_change = [window, wm_state](const XEvent& e) {
    return e.type == PropertyNotify && e.xproperty.window == window && e.xproperty.atom == wm_state;
  };
  XEvent event;
  while (WmState() != state &&
         connection_.WaitForEvent(is_state_change, kWindowManagerTimeoutMs, &event)) {
  }
}

void TopLevelWindow::SetMinimized(bool minimized) {
  if (window_ == None || connection_.Lost()) return;
  if (!mapped_) {
    minimize_when_shown_ = minimized;
    return;
  }
  // Without a window manager there is nobody to iconify or restore the window.
  if (!ManagedByWindowManager() || Minimized() == minimized) return;
  Display* display = connection_.display();
  if (minimized) {
    XIconifyWindow(display, window_, connection_.screen());
    WaitForWmState(IconicState);
    return;
  }
  // ICCCM 4.1.4: mapping an iconic window asks for it to be restored; _NET_ACTIVE_WINDOW also
  // gives it the focus, as a restored window has.
  XMapRaised(display, window_);
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = window_;
  message.xclient.message_type = connection_.atoms().net_active_window;
  message.xclient.format = 32;
  message.xclient.data.l[0] = 1;  // the request comes from an application
  message.xclient.data.l[1] = static_cast<long>(connection_.LastTime());
  XSendEvent(display, connection_.root(), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &message);
  WaitForWmState(NormalState);
}

}  // namespace toolkit::x11
