#include "toolkit/x11/event_translator.h"

#include <string>

namespace toolkit::x11 {
namespace {

// The key's symbol in the first keyboard group, or in the first group that has a Latin letter
// on it: with only a Russian layout loaded, the letter keys still name their shortcuts, as
// they do by key position on the platform the toolkit comes from.
KeySym ShortcutKeysym(Display* display, KeyCode keycode) {
  const KeySym first = XkbKeycodeToKeysym(display, keycode, 0, 0);
  for (int group = 0; group < XkbNumKbdGroups; ++group) {
    const KeySym keysym = XkbKeycodeToKeysym(display, keycode, group, 0);
    if ((keysym >= XK_a && keysym <= XK_z) || (keysym >= XK_A && keysym <= XK_Z)) return keysym;
  }
  return first;
}

}  // namespace

void EventTranslator::Reset(platform::CodePage code_page) {
  code_page_ = code_page;
  active_ = false;
  clicks_ = {};
  pressed_.fill(Key::Other);
}

std::optional<NativeMessage> EventTranslator::Translate(XEvent& event) {
  switch (event.type) {
    case KeyPress:
      return OnKeyPress(event.xkey);
    case KeyRelease:
      return OnKeyRelease(event.xkey);
    case ButtonPress:
    case ButtonRelease:
      return OnButton(event.xbutton);
    case MotionNotify: {
      NativeMessage message;
      message.kind = MessageKind::MouseMove;
      message.point = {event.xmotion.x, event.xmotion.y};
      message.modifiers = ModifiersOfState(event.xmotion.state);
      return message;
    }
    case FocusIn:
    case FocusOut:
      return OnFocus(event.xfocus);
    default:
      return std::nullopt;
  }
}

NativeMessage EventTranslator::OnKeyPress(XKeyEvent& event) {
  KeySym keysym = NoSymbol;
  const std::string utf8 = input_method_.LookupPress(event, &keysym);
  Display* display = connection_.display();
  const auto keycode = static_cast<KeyCode>(event.keycode);
  if (keysym == NoSymbol) {
    keysym = XkbKeycodeToKeysym(display, keycode, 0, (event.state & ShiftMask) ? 1 : 0);
  }
  NativeMessage message;
  message.kind = MessageKind::KeyDown;
  message.modifiers = ModifiersOfState(event.state);
  message.key = KeyOfKeysym(keysym, ShortcutKeysym(display, keycode));
  bool dropped = false;
  message.text = platform::FromUtf8(code_page_, TypedCharacters(utf8, message.modifiers), &dropped);
  if (dropped) XBell(display, 0);
  pressed_[keycode] = message.key;
  return message;
}

NativeMessage EventTranslator::OnKeyRelease(XKeyEvent& event) {
  const auto keycode = static_cast<KeyCode>(event.keycode);
  NativeMessage message;
  message.kind = MessageKind::KeyUp;
  message.modifiers = ModifiersOfState(event.state);
  message.key = pressed_[keycode];
  pressed_[keycode] = Key::Other;
  return message;
}

std::optional<NativeMessage> EventTranslator::OnButton(const XButtonEvent& event) {
  // Buttons 4 to 7 are the wheel; 8 and up are extra buttons the toolkit has no use for.
  if (event.button < Button1 || event.button > Button3) return std::nullopt;
  NativeMessage message;
  message.button = static_cast<int>(event.button);
  message.point = {event.x, event.y};
  message.modifiers = ModifiersOfState(event.state);
  if (event.type == ButtonRelease) {
    message.kind = MessageKind::MouseUp;
  } else {
    message.kind = clicks_.Press(message.button, message.point, event.time)
                       ? MessageKind::MouseDoubleClick
                       : MessageKind::MouseDown;
  }
  return message;
}

std::optional<NativeMessage> EventTranslator::OnFocus(const XFocusChangeEvent& event) {
  // A window manager grabs the keyboard for Alt+Tab or a keyboard move; the focus comes back
  // when it lets go, so neither side of that is a change of the active window.
  if (event.mode == NotifyGrab || event.mode == NotifyUngrab) return std::nullopt;
  // The focus moving between the pointer's windows says nothing about this window.
  if (event.detail == NotifyPointer || event.detail == NotifyInferior) return std::nullopt;
  const bool active = event.type == FocusIn;
  input_method_.SetFocus(active);
  if (active == active_) return std::nullopt;
  active_ = active;
  NativeMessage message;
  message.kind = active ? MessageKind::Activated : MessageKind::Deactivated;
  return message;
}

}  // namespace toolkit::x11
