#include "toolkit/win32/event_translator.h"

#include "toolkit/win32/input_rules.h"

namespace toolkit::win32 {
namespace {

bool Held(int virtual_key) {
  return (GetKeyState(virtual_key) & 0x8000) != 0;
}

uint8_t KeyboardModifiers() {
  uint8_t modifiers = 0;
  if (Held(VK_SHIFT)) modifiers |= kShift;
  if (Held(VK_CONTROL)) modifiers |= kControl;
  if (Held(VK_MENU)) modifiers |= kAlt;
  return modifiers;
}

// Signed: with the mouse captured, a point left of or above the window is negative.
Point PointOfLParam(LPARAM lparam) {
  const auto packed = static_cast<DWORD>(lparam);
  return {static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
}

uint8_t MouseModifiers(WPARAM wparam) {
  uint8_t modifiers = 0;
  if (wparam & MK_SHIFT) modifiers |= kShift;
  if (wparam & MK_CONTROL) modifiers |= kControl;
  if (Held(VK_MENU)) modifiers |= kAlt;
  return modifiers;
}

}  // namespace

void EventTranslator::Reset(HWND window, platform::CodePage code_page) {
  window_ = window;
  code_page_ = code_page;
  active_ = false;
  left_held_ = false;
  releasing_capture_ = false;
  high_surrogate_ = 0;
}

std::optional<Translation> EventTranslator::Translate(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return OnKeyDown(message, wparam);
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      Translation translation;
      translation.pass_on = message == WM_SYSKEYUP;
      NativeMessage& up = translation.message.emplace();
      up.kind = MessageKind::KeyUp;
      up.key = KeyOfVirtualKey(static_cast<unsigned>(wparam));
      up.modifiers = KeyboardModifiers();
      return translation;
    }
    case WM_CHAR:
      return OnCharacter(wparam);
    case WM_LBUTTONDOWN:
      return OnMouse(MessageKind::MouseDown, 1, wparam, lparam);
    case WM_MBUTTONDOWN:
      return OnMouse(MessageKind::MouseDown, 2, wparam, lparam);
    case WM_RBUTTONDOWN:
      return OnMouse(MessageKind::MouseDown, 3, wparam, lparam);
    case WM_LBUTTONDBLCLK:
      return OnMouse(MessageKind::MouseDoubleClick, 1, wparam, lparam);
    case WM_MBUTTONDBLCLK:
      return OnMouse(MessageKind::MouseDoubleClick, 2, wparam, lparam);
    case WM_RBUTTONDBLCLK:
      return OnMouse(MessageKind::MouseDoubleClick, 3, wparam, lparam);
    case WM_LBUTTONUP:
      return OnMouse(MessageKind::MouseUp, 1, wparam, lparam);
    case WM_MBUTTONUP:
      return OnMouse(MessageKind::MouseUp, 2, wparam, lparam);
    case WM_RBUTTONUP:
      return OnMouse(MessageKind::MouseUp, 3, wparam, lparam);
    case WM_MOUSEMOVE:
      return OnMouse(MessageKind::MouseMove, 1, wparam, lparam);
    case WM_CAPTURECHANGED: {
      Translation translation;
      // Our own release after the button came up is no loss; another window's capture while
      // the button is still held ends the press where no control is, so that nothing clicks.
      if (left_held_ && !releasing_capture_ && reinterpret_cast<HWND>(lparam) != window_) {
        left_held_ = false;
        NativeMessage& up = translation.message.emplace();
        up.kind = MessageKind::MouseUp;
        up.point = kNowhere;
      }
      return translation;
    }
    case WM_SETFOCUS:
      return OnFocus(true);
    case WM_KILLFOCUS:
      return OnFocus(false);
    default:
      return std::nullopt;
  }
}

Translation EventTranslator::OnKeyDown(UINT message, WPARAM wparam) {
  Translation translation;
  const auto virtual_key = static_cast<unsigned>(wparam);
  // Alt combinations belong to the system too. Alt+F4 goes to it alone: its SC_CLOSE comes
  // back as WM_CLOSE, the close request of every other way to close the window.
  if (message == WM_SYSKEYDOWN) {
    translation.pass_on = true;
    if (virtual_key == VK_F4) return translation;
  }
  // TranslateMessage has already queued the characters of this key; they belong to it.
  std::wstring units;
  MSG character;
  while (PeekMessageW(&character, window_, WM_CHAR, WM_CHAR, PM_REMOVE)) {
    units += static_cast<wchar_t>(character.wParam);
  }
  NativeMessage& down = translation.message.emplace();
  down.kind = MessageKind::KeyDown;
  down.key = KeyOfVirtualKey(virtual_key);
  down.modifiers = KeyboardModifiers();
  down.text = TextOf(units, down.modifiers);
  return translation;
}

Translation EventTranslator::OnCharacter(WPARAM wparam) {
  Translation translation;
  const auto unit = static_cast<wchar_t>(wparam);
  std::wstring units;
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    high_surrogate_ = unit;  // the other half follows in a WM_CHAR of its own
    return translation;
  }
  if (high_surrogate_ != 0 && unit >= 0xDC00 && unit <= 0xDFFF) units += high_surrogate_;
  high_surrogate_ = 0;
  units += unit;
  const uint8_t modifiers = KeyboardModifiers();
  std::string text = TextOf(units, modifiers);
  if (text.empty()) return translation;
  NativeMessage& down = translation.message.emplace();
  down.kind = MessageKind::KeyDown;
  down.modifiers = modifiers;
  down.text = std::move(text);
  return translation;
}

std::string EventTranslator::TextOf(const std::wstring& units, uint8_t modifiers) {
  bool refused = false;
  std::string text = TypedText(units, modifiers, code_page_, &refused);
  if (refused) MessageBeep(MB_OK);
  return text;
}

Translation EventTranslator::OnMouse(MessageKind kind, int button, WPARAM wparam, LPARAM lparam) {
  Translation translation;
  NativeMessage& mouse = translation.message.emplace();
  mouse.kind = kind;
  mouse.button = button;
  mouse.point = PointOfLParam(lparam);
  mouse.modifiers = MouseModifiers(wparam);
  if (button != 1 || kind == MessageKind::MouseMove) return translation;
  if (kind == MessageKind::MouseUp) {
    left_held_ = false;
    releasing_capture_ = true;
    ReleaseCapture();
    releasing_capture_ = false;
  } else {
    // Held, the press goes on outside the window: its moves and release still come here.
    left_held_ = true;
    SetCapture(window_);
  }
  return translation;
}

Translation EventTranslator::OnFocus(bool active) {
  Translation translation;
  if (!active && left_held_) {
    left_held_ = false;
    releasing_capture_ = true;
    ReleaseCapture();
    releasing_capture_ = false;
  }
  if (active == active_) return translation;
  active_ = active;
  NativeMessage& focus = translation.message.emplace();
  focus.kind = active ? MessageKind::Activated : MessageKind::Deactivated;
  return translation;
}

}  // namespace toolkit::win32
