// A push button. It takes the focus when clicked; a press is a mouse button or Space held
// down on it, and releasing the press over the button posts its accepted event. A press is
// dropped when the button loses the focus or the mouse capture while it is held.
#pragma once

#include <string>

#include "toolkit/control.h"

namespace toolkit {

class PushButton final : public Control {
 public:
  PushButton(ControlHost& host, const ControlSetup& setup, std::string_view caption, bool flat)
      : Control(host, setup), caption_(caption), flat_(flat) {}

  FocusPolicy Policy() const override { return FocusPolicy::TabAndClick; }
  // The heavy frame of the button that Enter activates; the window moves it as the focus
  // moves between buttons.
  void SetDefaultLook(bool default_look);
  bool HasDefaultLook() const { return default_look_; }
  bool IsPushed() const { return pressed_ && pointer_inside_; }

  void Paint(Canvas& canvas) override;
  void FocusReceived(FocusCause cause, Point at) override;
  void FocusLost() override;
  bool KeyDown(Key key, uint8_t modifiers) override;
  void KeyUp(Key key, uint8_t modifiers) override;
  void MouseDown(Point at, uint8_t modifiers) override;
  void MouseMove(Point at, uint8_t modifiers) override;
  void MouseUp(Point at, uint8_t modifiers) override;
  // A double-click is a second press.
  void DoubleClick(Point at, uint8_t modifiers) override { MouseDown(at, modifiers); }
  void CaptureLost() override { DropPress(); }

 private:
  void DropPress();

  std::string caption_;
  bool flat_;
  bool default_look_ = false;
  bool focused_ = false;
  bool pressed_ = false;
  bool pointer_inside_ = false;
};

}  // namespace toolkit
