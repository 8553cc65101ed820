#include "toolkit/x11/input_rules.h"

#include <cstdlib>

#include "toolkit/x11/xlib.h"

namespace toolkit::x11 {
namespace {

struct KeysymKey {
  KeySym keysym;
  Key key;
};

constexpr KeysymKey kSpecialKeys[] = {
    {XK_Tab, Key::Tab},
    {XK_ISO_Left_Tab, Key::Tab},
    {XK_KP_Tab, Key::Tab},
    {XK_Return, Key::Enter},
    {XK_KP_Enter, Key::Enter},
    {XK_Escape, Key::Escape},
    {XK_BackSpace, Key::Backspace},
    {XK_Delete, Key::Delete},
    {XK_KP_Delete, Key::Delete},
    {XK_Insert, Key::Insert},
    {XK_KP_Insert, Key::Insert},
    {XK_Home, Key::Home},
    {XK_KP_Home, Key::Home},
    {XK_End, Key::End},
    {XK_KP_End, Key::End},
    {XK_Left, Key::Left},
    {XK_KP_Left, Key::Left},
    {XK_Right, Key::Right},
    {XK_KP_Right, Key::Right},
    {XK_Up, Key::Up},
    {XK_KP_Up, Key::Up},
    {XK_Down, Key::Down},
    {XK_KP_Down, Key::Down},
    {XK_space, Key::Space},
    {XK_KP_Space, Key::Space},
    {XK_F4, Key::F4},
};

constexpr KeysymKey kLetterKeys[] = {
    {XK_a, Key::A}, {XK_c, Key::C}, {XK_v, Key::V}, {XK_x, Key::X}, {XK_z, Key::Z},
};

}  // namespace

Key KeyOfKeysym(KeySym keysym, KeySym shortcut_keysym) {
  for (const KeysymKey& entry : kSpecialKeys) {
    if (entry.keysym == keysym) return entry.key;
  }
  KeySym lower = 0;
  KeySym upper = 0;
  XConvertCase(shortcut_keysym, &lower, &upper);
  for (const KeysymKey& entry : kLetterKeys) {
    if (entry.keysym == lower) return entry.key;
  }
  return Key::Other;
}

uint8_t ModifiersOfState(unsigned int state) {
  uint8_t modifiers = 0;
  if (state & ShiftMask) modifiers |= kShift;
  if (state & ControlMask) modifiers |= kControl;
  if (state & Mod1Mask) modifiers |= kAlt;
  return modifiers;
}

std::string TypedCharacters(std::string_view utf8, uint8_t modifiers) {
  std::string typed;
  if (modifiers & (kControl | kAlt)) return typed;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x20 || byte == 0x7F) continue;
    // C1 controls U+0080..U+009F are C2 80..C2 9F in UTF-8.
    if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      ++i;
      continue;
    }
    typed += utf8[i];
  }
  return typed;
}

std::string TextWithoutInputMethod(KeySym keysym, std::string_view lookup_bytes) {
  char32_t cp = 0;
  if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF)) {
    cp = static_cast<char32_t>(keysym);
  } else if (keysym >= 0x010000A0 && keysym <= 0x0110FFFF) {
    cp = static_cast<char32_t>(keysym - 0x01000000);
  }
  std::string utf8;
  if (cp == 0) {
    for (char c : lookup_bytes) {
      if (static_cast<unsigned char>(c) < 0x80) utf8 += c;
    }
  } else if (cp < 0x80) {
    utf8 += static_cast<char>(cp);
  } else if (cp < 0x800) {
    utf8 += static_cast<char>(0xC0 | (cp >> 6));
    utf8 += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    utf8 += static_cast<char>(0xE0 | (cp >> 12));
    utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    utf8 += static_cast<char>(0xF0 | (cp >> 18));
    utf8 += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return utf8;
}

bool DoubleClickTracker::Press(int button, Point at, unsigned long time_ms) {
  // Server time is a 32-bit millisecond counter that wraps about every 49 days.
  const auto elapsed = static_cast<uint32_t>(time_ms - time_ms_);
  const bool completes = armed_ && button == button_ && elapsed <= kIntervalMs &&
                         std::abs(at.x - at_.x) <= kSquarePx / 2 &&
                         std::abs(at.y - at_.y) <= kSquarePx / 2;
  armed_ = !completes;
  button_ = button;
  at_ = at;
  time_ms_ = time_ms;
  return completes;
}

}  // namespace toolkit::x11
