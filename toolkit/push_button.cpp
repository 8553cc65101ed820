#include "toolkit/push_button.h"

#include "toolkit/edges.h"
#include "toolkit/system_colors.h"

namespace toolkit {

void PushButton::SetDefaultLook(bool default_look) {
  if (default_look_ == default_look) return;
  default_look_ = default_look;
  Host().Invalidate(*this);
}

void PushButton::FocusReceived(FocusCause, Point) {
  focused_ = true;
  Host().Invalidate(*this);
}

void PushButton::FocusLost() {
  focused_ = false;
  DropPress();
  Host().Invalidate(*this);
}

void PushButton::DropPress() {
  if (!pressed_) return;
  pressed_ = false;
  Host().Invalidate(*this);
}

bool PushButton::KeyDown(Key key, uint8_t) {
  if (key != Key::Space) return false;
  // Auto-repeat sends further key downs while Space is held; the press is already on.
  if (!pressed_) {
    pressed_ = true;
    pointer_inside_ = true;
    Host().Invalidate(*this);
  }
  return true;
}

void PushButton::KeyUp(Key key, uint8_t) {
  if (key != Key::Space || !pressed_) return;
  pressed_ = false;
  Host().Invalidate(*this);
  Host().PostAccepted(Number());
}

void PushButton::MouseDown(Point at, uint8_t) {
  pressed_ = true;
  pointer_inside_ = Bounds().Contains(at);
  Host().Invalidate(*this);
}

void PushButton::MouseMove(Point at, uint8_t) {
  const bool inside = Bounds().Contains(at);
  if (!pressed_ || inside == pointer_inside_) return;
  pointer_inside_ = inside;
  Host().Invalidate(*this);
}

void PushButton::MouseUp(Point at, uint8_t) {
  if (!pressed_) return;
  pressed_ = false;
  Host().Invalidate(*this);
  if (Bounds().Contains(at)) Host().PostAccepted(Number());
}

void PushButton::Paint(Canvas& canvas) {
  Rect rect = Bounds();
  const bool pushed = IsPushed();
  if (default_look_) {
    DrawFrame(canvas, rect, kWindowFrame);
    rect = Inset(rect, 1);
  }
  Rect face;
  if (flat_) {
    DrawFrame(canvas, rect, pushed ? kButtonShadow : kWindowFrame);
    face = Inset(rect, 1);
  } else if (pushed) {
    DrawFrame(canvas, rect, kButtonShadow);
    face = Inset(rect, 1);
  } else {
    DrawRaisedEdge(canvas, rect);
    face = Inset(rect, 2);
  }
  canvas.FillRect(face, kButtonFace);

  const FontMetrics metrics = canvas.Metrics(Font());
  const int shift = pushed ? 1 : 0;
  const int width = canvas.TextWidth(Font(), caption_);
  canvas.DrawText(Font(),
                  {face.x + (face.width - width) / 2 + shift,
                   face.y + (face.height - metrics.height) / 2 + shift},
                  caption_, TextColor());
  if (focused_) DrawFocusRect(canvas, Inset(face, 2), kWindowText);
}

}  // namespace toolkit
