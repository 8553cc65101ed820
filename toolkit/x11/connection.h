// The connection to the X server, shared by every part of the X11 backend.
//
// Supports: opening the display, the atoms the backend uses, a non-fatal protocol error
// handler with error traps, surviving a lost connection (the exit handler returns instead of
// ending the process), the self-pipe that wakes a wait from a signal handler, waiting for a
// matching event with a timeout, and the latest server timestamp seen.
// Does not yet: several displays or screens (the default screen only), threads.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "toolkit/x11/xlib.h"

namespace toolkit::x11 {

struct Atoms {
  Atom wm_protocols, wm_delete_window, wm_state, wm_change_state, wm_take_focus;
  Atom net_wm_name, net_wm_icon_name, net_wm_icon, net_wm_pid, net_wm_ping;
  Atom net_wm_window_type, net_wm_window_type_normal, net_frame_extents, net_active_window;
  Atom net_wm_state, net_wm_state_hidden, net_supporting_wm_check;
  Atom net_workarea, net_current_desktop;
  Atom motif_wm_hints, utf8_string, clipboard, clipboard_manager, targets, save_targets;
  Atom text, timestamp, incr, null_atom, atom_pair, selection_property;
};

class Connection {
 public:
  // Nothing when the display cannot be opened; `error` then says why in one line.
  static std::unique_ptr<Connection> Open(std::string* error);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  Display* display() const { return display_; }
  int screen() const { return screen_; }
  Window root() const { return root_; }
  const Atoms& atoms() const { return atoms_; }

  // True once the connection to the server is gone; every request is then a no-op.
  bool Lost() const { return lost_; }

  // The latest timestamp of an event from the server (CurrentTime before the first).
  Time LastTime() const { return last_time_; }
  void NoteTime(const XEvent& event);

  // Async-signal-safe: makes the next Wait return Ready::Wake.
  void Wake();
  // True when Wake was called since the last call; empties the pipe.
  bool TakeWake();

  enum class Ready { Events, Wake, Timeout };
  // Flushes the output and waits until events are queued, Wake is called or the timeout
  // passes (negative: no limit).
  Ready Wait(int timeout_ms);

  // Takes the first queued or arriving event that `match` accepts, leaving all others queued
  // in their order. False when none came within the timeout or the connection was lost.
  bool WaitForEvent(const std::function<bool(const XEvent&)>& match, int timeout_ms, XEvent* out);

  // Protocol errors are counted, never fatal: a request the server refuses (a requestor
  // window that vanished, a size it cannot handle) must not end the program.
  class ErrorTrap {
   public:
    explicit ErrorTrap(Connection& connection);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    // Synchronises with the server and tells whether a request made since the trap was set
    // failed.
    bool Failed();

   private:
    Connection& connection_;
    unsigned long first_serial_;
  };

 private:
  Connection() = default;
  static void OnConnectionLost(Display* display, void* self);

  Display* display_ = nullptr;
  int screen_ = 0;
  Window root_ = None;
  Atoms atoms_{};
  std::atomic<bool> lost_{false};
  Time last_time_ = CurrentTime;
  int wake_read_ = -1;
  int wake_write_ = -1;
};

}  // namespace toolkit::x11
