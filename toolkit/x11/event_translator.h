// Keyboard, mouse and focus events of the top-level window as the toolkit's messages.
//
// Supports: key presses through the input method, their text converted to the window's code
// page (a character the code page cannot hold is refused with the bell), key releases reported
// as the key that was pressed, Shift/Ctrl/Alt, mouse press, release and motion with the left,
// middle and right buttons, double-clicks, activation from FocusIn/FocusOut with the window
// manager's grab and ungrab notifications ignored (ICCCM 4.1.7).
// Does not yet: the wheel and extra buttons (4 and above are ignored), key repeat counts.
#pragma once

#include <array>
#include <optional>

#include "platform/code_page.h"
#include "toolkit/native_message.h"
#include "toolkit/x11/connection.h"
#include "toolkit/x11/input_method.h"
#include "toolkit/x11/input_rules.h"
#include "toolkit/x11/xlib.h"

namespace toolkit::x11 {

class EventTranslator {
 public:
  EventTranslator(Connection& connection, InputMethod& input_method)
      : connection_(connection), input_method_(input_method) {}

  // A new window: its code page, and no keys held, no click pending, not active.
  void Reset(platform::CodePage code_page);

  // The message of an input event, or nothing when the event carries none.
  std::optional<NativeMessage> Translate(XEvent& event);

 private:
  NativeMessage OnKeyPress(XKeyEvent& event);
  NativeMessage OnKeyRelease(XKeyEvent& event);
  std::optional<NativeMessage> OnButton(const XButtonEvent& event);
  std::optional<NativeMessage> OnFocus(const XFocusChangeEvent& event);

  Connection& connection_;
  InputMethod& input_method_;
  platform::CodePage code_page_ = platform::CodePage::Windows1251;
  bool active_ = false;
  DoubleClickTracker clicks_;
  // The key each keycode was reported as when pressed, so its release names the same key
  // whatever the modifiers are by then.
  std::array<Key, 256> pressed_{};
};

}  // namespace toolkit::x11
