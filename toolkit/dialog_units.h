// Dialog units: window positions and sizes measured in fractions of the window font's
// average character width (a quarter) and height (an eighth).
#pragma once

#include <cstdint>

#include "toolkit/geometry.h"

namespace toolkit {

// a * b / c with a 64-bit intermediate, rounded to the nearest integer (halves away from
// zero); -1 when c is 0 or the result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

// The 52 letters whose width gives the average character width of a font.
inline constexpr char kAverageWidthSample[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

struct BaseUnits {
  int x = 1;  // average character width, pixels
  int y = 1;  // text-metric height, pixels
  bool operator==(const BaseUnits&) const = default;
};

// From the width of kAverageWidthSample and the font's text-metric height. A font that
// measures nothing still gives base units of at least 1 pixel, so that conversions stay
// defined.
BaseUnits ComputeBaseUnits(int sample_width, int text_height);

class DialogUnits {
 public:
  explicit DialogUnits(BaseUnits base) : base_(base) {}
  BaseUnits Base() const { return base_; }

  int ToPixelsX(int dlu) const { return MulDiv(dlu, base_.x, 4); }
  int ToPixelsY(int dlu) const { return MulDiv(dlu, base_.y, 8); }
  int FromPixelsX(int px) const { return MulDiv(px, 4, base_.x); }
  int FromPixelsY(int px) const { return MulDiv(px, 8, base_.y); }

  Point ToPixels(Point dlu) const { return {ToPixelsX(dlu.x), ToPixelsY(dlu.y)}; }
  Size ToPixels(Size dlu) const { return {ToPixelsX(dlu.width), ToPixelsY(dlu.height)}; }
  Point FromPixels(Point px) const { return {FromPixelsX(px.x), FromPixelsY(px.y)}; }
  Size FromPixels(Size px) const { return {FromPixelsX(px.width), FromPixelsY(px.height)}; }

 private:
  BaseUnits base_;
};

}  // namespace toolkit
