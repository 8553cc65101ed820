// Keyboard, mouse and focus messages of the top-level window as the toolkit's messages.
//
// Supports: WM_KEYDOWN with the WM_CHAR messages TranslateMessage made of it gathered into one
// KeyDown (UTF-16, surrogate pairs included, converted to the window's code page; a character
// the code page cannot hold is refused with the beep), WM_CHAR without a key (input methods,
// injected Unicode input), key releases, Alt combinations (WM_SYSKEYDOWN) passed on to the
// system as well, so that Alt+F4 becomes its SC_CLOSE and Alt+Space opens the system menu;
// Shift/Ctrl/Alt; the left, middle and right mouse buttons with double-clicks (CS_DBLCLKS),
// the mouse captured while the left button is held, and a capture taken away by another window
// (WM_CAPTURECHANGED) ending the press away from every control; activation from the keyboard
// focus of the window (WM_SETFOCUS / WM_KILLFOCUS).
// Does not yet: the wheel and the extra buttons, key repeat counts.
#pragma once

#include <optional>
#include <string>

#include "platform/code_page.h"
#include "toolkit/native_message.h"
#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {

// Where a press that lost its capture is said to end: outside every control.
inline constexpr Point kNowhere{-32768, -32768};

struct Translation {
  std::optional<NativeMessage> message;
  // The message is also the system's business (DefWindowProcW).
  bool pass_on = false;
};

class EventTranslator {
 public:
  // A new window: its code page, no keys or buttons held, not active.
  void Reset(HWND window, platform::CodePage code_page);

  // Nothing for a message that is no input; pass_on then says whether it goes to the system.
  std::optional<Translation> Translate(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  Translation OnKeyDown(UINT message, WPARAM wparam);
  Translation OnCharacter(WPARAM wparam);
  Translation OnMouse(MessageKind kind, int button, WPARAM wparam, LPARAM lparam);
  Translation OnFocus(bool active);
  std::string TextOf(const std::wstring& units, uint8_t modifiers);

  HWND window_ = nullptr;
  platform::CodePage code_page_ = platform::CodePage::Windows1251;
  bool active_ = false;
  bool left_held_ = false;
  bool releasing_capture_ = false;
  // The first half of a surrogate pair that came in a WM_CHAR of its own.
  wchar_t high_surrogate_ = 0;
};

}  // namespace toolkit::win32
