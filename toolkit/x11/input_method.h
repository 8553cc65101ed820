// Keyboard text through an X input method, with a reconnect when the input method server
// restarts.
//
// Supports: the locale's input method (XMODIFIERS honoured) with a root-window style
// (no preedit or status area of ours), XFilterEvent, UTF-8 lookup with buffer growth,
// focus in/out of the input context, losing the server (destroy callback) and taking it back
// when it returns (instantiate callback), and plain XLookupString input while there is none.
// Does not yet: on-the-spot or over-the-spot preedit drawing.
#pragma once

#include <string>

#include "toolkit/x11/connection.h"
#include "toolkit/x11/xlib.h"

namespace toolkit::x11 {

class InputMethod {
 public:
  explicit InputMethod(Connection& connection);
  ~InputMethod();
  InputMethod(const InputMethod&) = delete;
  InputMethod& operator=(const InputMethod&) = delete;

  // The window whose keyboard input goes through the input method (None: no window).
  void AttachWindow(Window window, long base_event_mask);
  void SetFocus(bool focused);

  // True when the input method took the event (a key of a composition in progress).
  bool Filter(XEvent& event);

  // The text of a key press in UTF-8 and the key's symbol under the current modifiers.
  std::string LookupPress(XKeyEvent& event, KeySym* keysym);

  bool Connected() const { return im_ != nullptr; }

 private:
  void Open();
  void CreateContext();
  void DropServer();
  static void OnInstantiate(Display* display, XPointer self, XPointer call_data);
  static void OnDestroy(XIM im, XPointer self, XPointer call_data);

  Connection& connection_;
  XIM im_ = nullptr;
  XIC ic_ = nullptr;
  Window window_ = None;
  long base_event_mask_ = 0;
  bool focused_ = false;
  bool waiting_for_server_ = false;
};

}  // namespace toolkit::x11
