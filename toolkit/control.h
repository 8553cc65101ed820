// What every control of a window is, and what a control may ask of its window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/backend.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"
#include "toolkit/native_message.h"

namespace toolkit {

class Control;

// Drawing for one control's Paint; coordinates are the window's client coordinates.
class Canvas {
 public:
  explicit Canvas(Backend& backend) : backend_(backend) {}
  void FillRect(Rect rect, Color color) { backend_.FillRect(rect, color); }
  void DrawText(FontHandle font, Point top_left, std::string_view text, Color color) {
    backend_.DrawText(font, top_left, text, color);
  }
  void DrawIcon(const platform::IconImage& image, Point top_left) {
    backend_.DrawIcon(image, top_left);
  }
  bool DrawStyledEditBorder(Rect bounds, bool focused) {
    return backend_.DrawStyledEditBorder(bounds, focused);
  }
  int TextWidth(FontHandle font, std::string_view text) { return backend_.TextWidth(font, text); }
  FontMetrics Metrics(FontHandle font) { return backend_.GetFontMetrics(font); }

 private:
  Backend& backend_;
};

// The services of the window a control lives in.
class ControlHost {
 public:
  virtual ~ControlHost() = default;
  // Queues the accepted event of a control at the end of the window's event queue.
  virtual void PostAccepted(int control_number) = 0;
  virtual void Beep() = 0;
  // Clipboard text in the window's code page; pasted characters it cannot hold are dropped.
  virtual void SetClipboardText(std::string_view text) = 0;
  virtual std::optional<std::string> GetClipboardText() = 0;
  virtual int TextWidth(FontHandle font, std::string_view text) = 0;
  virtual FontMetrics Metrics(FontHandle font) = 0;
  // Asks for the control to be drawn again once the current message has been handled.
  virtual void Invalidate(Control& control) = 0;
  // True while the caret of the focused control is in its visible blink phase.
  virtual bool CaretVisible() const = 0;
};

enum class FocusPolicy { None, TabAndClick };

// How a control came to receive the focus.
enum class FocusCause { Tab, ShiftTab, Click, Program, Activation, DefaultButton };

struct ControlSetup {
  int number = 0;  // 1-based, in definition order
  Rect bounds;     // pixels, client coordinates
  FontHandle font = 0;
  Color text_color;
  Color background;  // the window's background colour
};

class Control {
 public:
  Control(ControlHost& host, const ControlSetup& setup) : host_(host), setup_(setup) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int Number() const { return setup_.number; }
  Rect Bounds() const { return setup_.bounds; }
  FontHandle Font() const { return setup_.font; }
  Color TextColor() const { return setup_.text_color; }
  Color Background() const { return setup_.background; }
  // The window changes it when its own background changes, or when a visual style gives the
  // control a background of its own; the control shows it from its next paint.
  void SetBackground(Color color) { setup_.background = color; }

  virtual FocusPolicy Policy() const { return FocusPolicy::None; }
  // Paints the whole of Bounds(): a control drawn again on its own gets nothing erased
  // beneath it.
  virtual void Paint(Canvas& canvas) = 0;

  // Focus changes are synchronous: the losing control hears of it before the gaining one.
  // `at` is the pointer position for FocusCause::Click.
  virtual void FocusReceived(FocusCause /*cause*/, Point /*at*/) {}
  virtual void FocusLost() {}

  // A key the control handles returns true; the text of an unhandled KeyDown then reaches
  // Character one byte at a time. Dialog keys (Tab, Enter, Esc, Alt+F4) never get here.
  virtual bool KeyDown(Key /*key*/, uint8_t /*modifiers*/) { return false; }
  virtual void KeyUp(Key /*key*/, uint8_t /*modifiers*/) {}
  virtual void Character(unsigned char /*c*/) {}

  // Mouse input; while the left button is held after a MouseDown on this control, moves and
  // the release come here wherever the pointer is (the window's capture). A press that gives
  // the control the focus comes after FocusReceived(FocusCause::Click, at). The capture ends
  // with CaptureLost when the control loses the focus while the button is held; the release
  // then goes nowhere.
  virtual void MouseDown(Point /*at*/, uint8_t /*modifiers*/) {}
  virtual void MouseMove(Point /*at*/, uint8_t /*modifiers*/) {}
  virtual void MouseUp(Point /*at*/, uint8_t /*modifiers*/) {}
  virtual void DoubleClick(Point /*at*/, uint8_t /*modifiers*/) {}
  virtual void CaptureLost() {}

  // Shows the bound variable's current value again; raises no event.
  virtual void Refresh() {}

 protected:
  ControlHost& Host() { return host_; }

 private:
  ControlHost& host_;
  ControlSetup setup_;
};

// The entry-field slot of a window: a focusable control bound to a variable, which the window
// asks to select its whole text and to store a pending edit.
class EntryControl : public Control {
 public:
  using Control::Control;
  FocusPolicy Policy() const override { return FocusPolicy::TabAndClick; }
  // Selects the whole text, or holds the request until the control next receives the focus.
  virtual void SelectAll() = 0;
  // Stores a modified text into the variable without raising an event.
  virtual void StoreIfModified() = 0;
};

}  // namespace toolkit
