#include "toolkit/static_controls.h"

namespace toolkit {

void StaticText::Paint(Canvas& canvas) {
  canvas.FillRect(Bounds(), Background());
  canvas.DrawText(Font(), {Bounds().x, Bounds().y}, text_, TextColor());
}

void ImageControl::Paint(Canvas& canvas) {
  const Rect bounds = Bounds();
  canvas.FillRect(bounds, Background());
  if (!image_) return;
  // Centred, so that an image in a box larger than itself stays in the middle of it.
  canvas.DrawIcon(*image_, {bounds.x + (bounds.width - image_->width) / 2,
                            bounds.y + (bounds.height - image_->height) / 2});
}

}  // namespace toolkit
