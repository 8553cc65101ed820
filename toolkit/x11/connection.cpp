#include "toolkit/x11/connection.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

namespace toolkit::x11 {
namespace {

// Xlib's error handlers are process-wide; the backend has one connection at a time.
std::atomic<unsigned long> g_last_error_serial{0};
std::atomic<int> g_open_traps{0};

int OnProtocolError(Display* display, XErrorEvent* error) {
  g_last_error_serial = error->serial;
  if (g_open_traps == 0) {
    char text[160] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "X error: %s (request %d.%d)\n", text, error->request_code,
                 error->minor_code);
  }
  return 0;
}

// Called first when the connection breaks; returning lets the exit handler below decide.
int OnIOError(Display*) {
  return 0;
}

void InternAtoms(Display* display, Atoms& atoms) {
  struct Name {
    Atom Atoms::*member;
    const char* name;
  };
  static const Name kNames[] = {
      {&Atoms::wm_protocols, "WM_PROTOCOLS"},
      {&Atoms::wm_delete_window, "WM_DELETE_WINDOW"},
      {&Atoms::wm_state, "WM_STATE"},
      {&Atoms::wm_change_state, "WM_CHANGE_STATE"},
      {&Atoms::wm_take_focus, "WM_TAKE_FOCUS"},
      {&Atoms::net_wm_name, "_NET_WM_NAME"},
      {&Atoms::net_wm_icon_name, "_NET_WM_ICON_NAME"},
      {&Atoms::net_wm_icon, "_NET_WM_ICON"},
      {&Atoms::net_wm_pid, "_NET_WM_PID"},
      {&Atoms::net_wm_ping, "_NET_WM_PING"},
      {&Atoms::net_wm_window_type, "_NET_WM_WINDOW_TYPE"},
      {&Atoms::net_wm_window_type_normal, "_NET_WM_WINDOW_TYPE_NORMAL"},
      {&Atoms::net_frame_extents, "_NET_FRAME_EXTENTS"},
      {&Atoms::net_active_window, "_NET_ACTIVE_WINDOW"},
      {&Atoms::net_wm_state, "_NET_WM_STATE"},
      {&Atoms::net_wm_state_hidden, "_NET_WM_STATE_HIDDEN"},
      {&Atoms::net_supporting_wm_check, "_NET_SUPPORTING_WM_CHECK"},
      {&Atoms::net_workarea, "_NET_WORKAREA"},
      {&Atoms::net_current_desktop, "_NET_CURRENT_DESKTOP"},
      {&Atoms::motif_wm_hints, "_MOTIF_WM_HINTS"},
      {&Atoms::utf8_string, "UTF8_STRING"},
      {&Atoms::clipboard, "CLIPBOARD"},
      {&Atoms::clipboard_manager, "CLIPBOARD_MANAGER"},
      {&Atoms::targets, "TARGETS"},
      {&Atoms::save_targets, "SAVE_TARGETS"},
      {&Atoms::text, "TEXT"},
      {&Atoms::timestamp, "TIMESTAMP"},
      {&Atoms::incr, "INCR"},
      {&Atoms::null_atom, "NULL"},
      {&Atoms::atom_pair, "ATOM_PAIR"},
      {&Atoms::selection_property, "RENUMERA_SELECTION"},
  };
  constexpr int kCount = sizeof kNames / sizeof kNames[0];
  char* names[kCount];
  Atom values[kCount];
  for (int i = 0; i < kCount; ++i) names[i] = const_cast<char*>(kNames[i].name);
  XInternAtoms(display, names, kCount, False, values);
  for (int i = 0; i < kCount; ++i) atoms.*(kNames[i].member) = values[i];
}

}  // namespace

std::unique_ptr<Connection> Connection::Open(std::string* error) {
  const char* name = XDisplayName(nullptr);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    if (error != nullptr) {
      *error = (name == nullptr || *name == '\0')
                   ? "cannot open the X display: DISPLAY is not set"
                   : std::string("cannot open the X display \"") + name + "\"";
    }
    return nullptr;
  }
  int pipe_ends[2];
  if (pipe2(pipe_ends, O_NONBLOCK | O_CLOEXEC) != 0) {
    XCloseDisplay(display);
    if (error != nullptr) *error = "cannot create the wake-up pipe";
    return nullptr;
  }
  std::unique_ptr<Connection> connection(new Connection);
  connection->display_ = display;
  connection->screen_ = DefaultScreen(display);
  connection->root_ = RootWindow(display, connection->screen_);
  connection->wake_read_ = pipe_ends[0];
  connection->wake_write_ = pipe_ends[1];
  XSetErrorHandler(OnProtocolError);
  XSetIOErrorHandler(OnIOError);
  XSetIOErrorExitHandler(display, OnConnectionLost, connection.get());
  InternAtoms(display, connection->atoms_);
  return connection;
}

Connection::~Connection() {
  XCloseDisplay(display_);
  close(wake_read_);
  close(wake_write_);
}

// Without this handler Xlib would end the process here. Returning instead leaves the display
// in an "I/O error" state in which every Xlib call returns at once, so the event loop can
// hand out a close request and the program shuts down along its normal path.
void Connection::OnConnectionLost(Display*, void* self) {
  static_cast<Connection*>(self)->lost_ = true;
  std::fputs("lost the connection to the X server\n", stderr);
}

void Connection::NoteTime(const XEvent& event) {
  switch (event.type) {
    case KeyPress:
    case KeyRelease:
      last_time_ = event.xkey.time;
      break;
    case ButtonPress:
    case ButtonRelease:
      last_time_ = event.xbutton.time;
      break;
    case MotionNotify:
      last_time_ = event.xmotion.time;
      break;
    case PropertyNotify:
      last_time_ = event.xproperty.time;
      break;
    default:
      break;
  }
}

void Connection::Wake() {
  const char byte = 1;
  // A full pipe already holds a wake-up; nothing else can be done in a signal handler.
  [[maybe_unused]] ssize_t written = write(wake_write_, &byte, 1);
}

bool Connection::TakeWake() {
  char buffer[64];
  bool woken = false;
  while (read(wake_read_, buffer, sizeof buffer) > 0) woken = true;
  return woken;
}

Connection::Ready Connection::Wait(int timeout_ms) {
  if (lost_) return Ready::Events;
  if (XPending(display_) > 0) return Ready::Events;
  pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wake_read_, POLLIN, 0}};
  int result;
  do {
    result = poll(fds, 2, timeout_ms);
  } while (result < 0 && errno == EINTR && timeout_ms < 0);
  if (result <= 0) return Ready::Timeout;
  if (fds[1].revents != 0) return Ready::Wake;
  return Ready::Events;
}

bool Connection::WaitForEvent(const std::function<bool(const XEvent&)>& match, int timeout_ms,
                              XEvent* out) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  auto predicate = [](Display*, XEvent* event, XPointer arg) -> Bool {
    return (*reinterpret_cast<const std::function<bool(const XEvent&)>*>(arg))(*event);
  };
  while (!lost_) {
    XFlush(display_);
    auto* arg = reinterpret_cast<XPointer>(const_cast<std::function<bool(const XEvent&)>*>(&match));
    if (XCheckIfEvent(display_, out, predicate, arg)) {
      NoteTime(*out);
      return true;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd fd = {ConnectionNumber(display_), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left));
  }
  return false;
}

Connection::ErrorTrap::ErrorTrap(Connection& connection)
    : connection_(connection), first_serial_(NextRequest(connection.display())) {
  // Serials count per connection; an error of an earlier connection says nothing here.
  g_last_error_serial = 0;
  ++g_open_traps;
}

Connection::ErrorTrap::~ErrorTrap() {
  --g_open_traps;
}

bool Connection::ErrorTrap::Failed() {
  XSync(connection_.display(), False);
  const unsigned long last = g_last_error_serial;
  return connection_.Lost() || (last != 0 && last >= first_serial_);
}

}  // namespace toolkit::x11
