#include "toolkit/win32/input_rules.h"

#include "toolkit/win32/wide_text.h"
#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {
namespace {

struct VirtualKeyKey {
  unsigned virtual_key;
  Key key;
};

// The keypad's editing keys arrive with their own codes only while NumLock is off; with it
// on they type digits and come as VK_NUMPAD0.. with a WM_CHAR.
constexpr VirtualKeyKey kKeys[] = {
    {VK_TAB, Key::Tab},
    {VK_RETURN, Key::Enter},
    {VK_ESCAPE, Key::Escape},
    {VK_BACK, Key::Backspace},
    {VK_DELETE, Key::Delete},
    {VK_INSERT, Key::Insert},
    {VK_HOME, Key::Home},
    {VK_END, Key::End},
    {VK_LEFT, Key::Left},
    {VK_RIGHT, Key::Right},
    {VK_UP, Key::Up},
    {VK_DOWN, Key::Down},
    {VK_SPACE, Key::Space},
    {VK_F4, Key::F4},
    {'A', Key::A},
    {'C', Key::C},
    {'V', Key::V},
    {'X', Key::X},
    {'Z', Key::Z},
};

bool IsHighSurrogate(wchar_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(wchar_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// C0 and C1 controls and DEL: Tab, Enter, Esc and Backspace come as characters after their
// key, and Ctrl+letters as 0x01..0x1A; none of them is text.
bool IsControl(wchar_t unit) {
  return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

}  // namespace

Key KeyOfVirtualKey(unsigned virtual_key) {
  for (const VirtualKeyKey& entry : kKeys) {
    if (entry.virtual_key == virtual_key) return entry.key;
  }
  return Key::Other;
}

std::string TypedText(std::wstring_view units, uint8_t modifiers, platform::CodePage page,
                      bool* refused) {
  std::string typed;
  bool any_refused = false;
  const bool ctrl = (modifiers & kControl) != 0;
  const bool alt = (modifiers & kAlt) != 0;
  if (ctrl != alt) units = {};
  for (std::size_t i = 0; i < units.size(); ++i) {
    std::wstring_view character = units.substr(i, 1);
    if (IsHighSurrogate(units[i]) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      character = units.substr(i++, 2);
    } else if (IsControl(units[i])) {
      continue;
    }
    if (const auto byte = ByteOfCharacter(page, character)) {
      typed += static_cast<char>(*byte);
    } else {
      any_refused = true;
    }
  }
  if (refused != nullptr) *refused = any_refused;
  return typed;
}

}  // namespace toolkit::win32
