// Native messages: the dialog keys, keyboard and mouse input to the controls, the mouse
// capture, activation, the focus and the caret blink.
#include <algorithm>

#include "toolkit/push_button.h"
#include "toolkit/window.h"

namespace toolkit {

void Window::Dispatch(const NativeMessage& message) {
  if (!open_) return;
  switch (message.kind) {
    case MessageKind::KeyDown: {
      // Keyboard input reaches only the active window; a window system that delivers it
      // without having announced the activation has activated the window all the same.
      Activate();
      RestartCaretBlink();
      if (HandleDialogKey(message) || focus_ < 0) break;
      Control* control = controls_[focus_].control.get();
      if (control->KeyDown(message.key, message.modifiers)) break;
      // Alt with a key is a menu key, not typing; Ctrl+Alt (AltGr) types.
      if ((message.modifiers & kAlt) && !(message.modifiers & kControl)) break;
      for (const char c : message.text) {
        if (focus_ < 0 || controls_[focus_].control.get() != control) break;
        control->Character(static_cast<unsigned char>(c));
      }
      break;
    }
    case MessageKind::KeyUp:
      if (active_ && focus_ >= 0) controls_[focus_].control->KeyUp(message.key, message.modifiers);
      break;
    case MessageKind::MouseDown:
    case MessageKind::MouseDoubleClick:
      MouseDown(message);
      break;
    case MessageKind::MouseMove:
      if (capture_ >= 0) controls_[capture_].control->MouseMove(message.point, message.modifiers);
      break;
    case MessageKind::MouseUp:
      MouseUp(message);
      break;
    case MessageKind::Activated:
      Activate();
      break;
    case MessageKind::Deactivated:
      Deactivate();
      break;
    case MessageKind::CloseRequest:
      RequestClose();
      break;
    case MessageKind::Expose:
      InvalidateAll();
      break;
  }
}

void Window::ProcessNextMessage() {
  if (const auto message = backend_.WaitMessage(CaretTimeoutMs())) {
    Dispatch(*message);
  } else {
    BlinkCaret();
  }
}

bool Window::HandleDialogKey(const NativeMessage& message) {
  switch (message.key) {
    case Key::Tab:
      if (message.modifiers & kShift) {
        MoveFocus(-1, FocusCause::ShiftTab);
      } else {
        MoveFocus(1, FocusCause::Tab);
      }
      return true;
    case Key::Enter:
      ActivateDefaultButton();
      return true;
    case Key::Escape:
      RequestClose();
      return true;
    case Key::F4:
      if (!(message.modifiers & kAlt)) return false;
      RequestClose();
      return true;
    default:
      return false;
  }
}

void Window::MouseDown(const NativeMessage& message) {
  if (message.button != 1) return;
  Activate();
  RestartCaretBlink();
  ReleaseCapture();
  const int index = ControlIndexAt(message.point);
  if (index < 0) return;
  // The focus moves before the control hears of the press, so that a field left by this
  // click has completed (and posted its event) before the pressed control reacts.
  if (Focusable(index)) SetFocus(index, FocusCause::Click, message.point);
  capture_ = index;
  Control& control = *controls_[index].control;
  if (message.kind == MessageKind::MouseDown) {
    control.MouseDown(message.point, message.modifiers);
  } else {
    control.DoubleClick(message.point, message.modifiers);
  }
}

void Window::MouseUp(const NativeMessage& message) {
  // A release belongs to the control that had the press; once the capture is gone (the
  // control lost the focus meanwhile) the release means nothing to anyone.
  if (message.button != 1 || capture_ < 0) return;
  const int index = capture_;
  capture_ = -1;
  controls_[index].control->MouseUp(message.point, message.modifiers);
}

void Window::Activate() {
  if (active_) return;
  active_ = true;
  RestartCaretBlink();
  if (focus_ >= 0) controls_[focus_].control->FocusReceived(FocusCause::Activation, {});
}

void Window::Deactivate() {
  if (!active_) return;
  active_ = false;
  if (focus_ >= 0) {
    Control& control = *controls_[focus_].control;
    control.FocusLost();
    Invalidate(control);
  }
  ReleaseCapture();
}

void Window::Select(int control_number) {
  const int count = ControlCount();
  if (!open_ || control_number < 1 || control_number > count) return;
  for (int step = 0; step < count; ++step) {
    const int index = (control_number - 1 + step) % count;
    if (!Focusable(index)) continue;
    SetFocus(index, FocusCause::Program);
    if (EntryControl* entry = EntryAt(index + 1)) entry->SelectAll();
    return;
  }
}

void Window::MoveFocus(int direction, FocusCause cause) {
  const int count = ControlCount();
  if (count == 0) return;
  const int start = focus_ >= 0 ? focus_ : (direction > 0 ? count - 1 : 0);
  for (int step = 1; step <= count; ++step) {
    const int index = ((start + direction * step) % count + count) % count;
    if (Focusable(index)) {
      SetFocus(index, cause);
      return;
    }
  }
}

void Window::ActivateDefaultButton() {
  // A focused push button is the one Enter activates; otherwise the definition's default.
  const int target = ButtonAt(focus_) != nullptr ? focus_ : default_button_;
  if (target < 0) return;
  SetFocus(target, FocusCause::DefaultButton);
  PostAccepted(target + 1);
}

void Window::RequestClose() {
  if (EntryControl* entry = EntryAt(focus_ + 1)) entry->StoreIfModified();
  PostCloseRequest();
}

void Window::SetFocus(int index, FocusCause cause, Point at) {
  if (index == focus_) return;
  const int previous = focus_;
  // The new focus control is in place before the old one hears of its loss, so that
  // nothing it does then finds it still focused.
  focus_ = index;
  UpdateDefaultLook();
  if (!active_) return;
  RestartCaretBlink();
  if (previous >= 0) {
    controls_[previous].control->FocusLost();
    if (capture_ == previous) ReleaseCapture();
  }
  if (focus_ == index) controls_[index].control->FocusReceived(cause, at);
}

void Window::UpdateDefaultLook() {
  // The focused push button carries the default look; while the focus is elsewhere the
  // definition's default button has it.
  const bool button_focused = ButtonAt(focus_) != nullptr;
  for (int index = 0; index < ControlCount(); ++index) {
    if (PushButton* button = ButtonAt(index)) {
      button->SetDefaultLook(button_focused ? index == focus_ : index == default_button_);
    }
  }
}

void Window::ReleaseCapture() {
  if (capture_ < 0) return;
  const int index = capture_;
  capture_ = -1;
  controls_[index].control->CaptureLost();
}

int Window::ControlIndexAt(Point at) const {
  // Later controls are painted over earlier ones, so they are hit first.
  for (int index = ControlCount() - 1; index >= 0; --index) {
    if (controls_[index].control->Bounds().Contains(at)) return index;
  }
  return -1;
}

bool Window::Focusable(int index) const {
  return controls_[index].control->Policy() == FocusPolicy::TabAndClick;
}

PushButton* Window::ButtonAt(int index) {
  if (index < 0 || index >= ControlCount() || controls_[index].kind != ControlKind::PushButton) {
    return nullptr;
  }
  return static_cast<PushButton*>(controls_[index].control.get());
}

void Window::RestartCaretBlink() {
  const bool was_hidden = !caret_on_;
  caret_on_ = true;
  caret_toggle_at_ = Clock::now() + std::chrono::milliseconds(backend_.CaretBlinkMs());
  if (was_hidden && focus_ >= 0) Invalidate(*controls_[focus_].control);
}

int Window::CaretTimeoutMs() const {
  const int blink = backend_.CaretBlinkMs();
  if (!active_ || focus_ < 0 || controls_[focus_].kind != ControlKind::EntryField || blink <= 0) {
    return -1;
  }
  const auto remaining =
      std::chrono::ceil<std::chrono::milliseconds>(caret_toggle_at_ - Clock::now());
  return static_cast<int>(std::clamp<long long>(remaining.count(), 0, blink));
}

void Window::BlinkCaret() {
  if (!active_ || focus_ < 0) return;
  caret_on_ = !caret_on_;
  caret_toggle_at_ = Clock::now() + std::chrono::milliseconds(backend_.CaretBlinkMs());
  Invalidate(*controls_[focus_].control);
}

}  // namespace toolkit
