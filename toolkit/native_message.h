// The toolkit's own typed form of the raw input a backend receives.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/geometry.h"

namespace toolkit {

enum class MessageKind : uint8_t {
  KeyDown,           // key, modifiers and the text the key produced
  KeyUp,
  MouseDown,         // point, button, modifiers
  MouseUp,
  MouseMove,
  MouseDoubleClick,  // the second press of a double-click, in place of its MouseDown
  Activated,         // the top-level window became the active window
  Deactivated,
  CloseRequest,      // window manager / system menu close, or a termination request
  Expose,            // the window's contents must be drawn again
};

// The keys the toolkit and its controls tell apart; every other key is Other. Letter keys are
// identified by their position in the first keyboard group, so Ctrl+C is Key::C whatever the
// active layout.
enum class Key : uint8_t {
  Other, Tab, Enter, Escape, Backspace, Delete, Insert, Home, End, Left, Right, Up, Down,
  Space, F4, A, C, V, X, Z,
};

enum Modifier : uint8_t { kShift = 1, kControl = 2, kAlt = 4 };

struct NativeMessage {
  MessageKind kind = MessageKind::Expose;
  Key key = Key::Other;
  uint8_t modifiers = 0;
  // KeyDown: the characters the key produced, in the window's code page. A character the code
  // page cannot hold never arrives here: the backend refuses it with the beep.
  std::string text{};
  Point point{};     // mouse messages: client coordinates
  int button = 1;    // mouse messages: 1 left, 2 middle, 3 right
};

}  // namespace toolkit
