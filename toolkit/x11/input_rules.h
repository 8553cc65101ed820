// How raw X11 keyboard and mouse input becomes the toolkit's keys, modifiers, characters and
// double-clicks. Pure rules over keysyms and event fields, so they are tested without a server.
//
// Supports: the editing, navigation and dialog keys with their keypad forms (NumLock off),
// ISO_Left_Tab as Shift+Tab, letters for shortcuts by key position, Shift/Ctrl/Alt,
// the double-click rule (500 ms, 4 x 4 px square).
// Does not yet: function keys other than F4, dead keys of their own (the input method composes).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/geometry.h"
#include "toolkit/native_message.h"
#include "toolkit/x11/xlib.h"

namespace toolkit::x11 {

// `keysym` is the key's symbol under the current modifiers and layout; `shortcut_keysym` the
// symbol of the same key without modifiers in the first keyboard group (or the first group
// with a Latin letter on it), which names the letter keys: Ctrl+C is Key::C in a Russian
// layout too.
Key KeyOfKeysym(KeySym keysym, KeySym shortcut_keysym);

uint8_t ModifiersOfState(unsigned int state);

// The characters a key press types, still in UTF-8: nothing while Ctrl or Alt is held (the
// press is a shortcut), and never a control character.
std::string TypedCharacters(std::string_view utf8, uint8_t modifiers);

// The UTF-8 text of a key press looked up without an input method: the character of a Latin-1
// or Unicode (0x01000000 + code point) keysym, else the ASCII part of what XLookupString gave.
std::string TextWithoutInputMethod(KeySym keysym, std::string_view lookup_bytes);

class DoubleClickTracker {
 public:
  static constexpr unsigned long kIntervalMs = 500;
  static constexpr int kSquarePx = 4;

  // True when this press completes a double-click: the same button pressed again within
  // kIntervalMs of the previous press and inside the kSquarePx square centred on it. The
  // press that completes a double-click does not start another one.
  bool Press(int button, Point at, unsigned long time_ms);

 private:
  bool armed_ = false;
  int button_ = 0;
  Point at_;
  unsigned long time_ms_ = 0;
};

}  // namespace toolkit::x11
