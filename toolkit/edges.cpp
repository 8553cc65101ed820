#include "toolkit/edges.h"

#include <algorithm>

#include "toolkit/system_colors.h"

namespace toolkit {

Rect Inset(Rect rect, int by) {
  return {rect.x + by, rect.y + by, std::max(0, rect.width - 2 * by),
          std::max(0, rect.height - 2 * by)};
}

void DrawEdge(Canvas& canvas, Rect rect, Color top_left, Color bottom_right) {
  if (rect.width <= 0 || rect.height <= 0) return;
  canvas.FillRect({rect.x, rect.y, rect.width, 1}, top_left);
  canvas.FillRect({rect.x, rect.y, 1, rect.height}, top_left);
  canvas.FillRect({rect.x, rect.y + rect.height - 1, rect.width, 1}, bottom_right);
  canvas.FillRect({rect.x + rect.width - 1, rect.y, 1, rect.height}, bottom_right);
}

void DrawFrame(Canvas& canvas, Rect rect, Color color) {
  DrawEdge(canvas, rect, color, color);
}

void DrawRaisedEdge(Canvas& canvas, Rect rect) {
  DrawEdge(canvas, rect, kButtonHighlight, kButtonDarkShadow);
  DrawEdge(canvas, Inset(rect, 1), kButtonFace, kButtonShadow);
}

void DrawSunkenEdge(Canvas& canvas, Rect rect) {
  DrawEdge(canvas, rect, kButtonShadow, kButtonHighlight);
  DrawEdge(canvas, Inset(rect, 1), kButtonDarkShadow, kButtonFace);
}

void DrawFocusRect(Canvas& canvas, Rect rect, Color color) {
  if (rect.width <= 0 || rect.height <= 0) return;
  const int right = rect.x + rect.width - 1;
  const int bottom = rect.y + rect.height - 1;
  // One walk around the outline keeps the dots evenly spaced across the corners.
  int step = 0;
  auto dot = [&](int x, int y) {
    if (step++ % 2 == 0) canvas.FillRect({x, y, 1, 1}, color);
  };
  for (int x = rect.x; x < right; ++x) dot(x, rect.y);
  for (int y = rect.y; y < bottom; ++y) dot(right, y);
  for (int x = right; x > rect.x; --x) dot(x, bottom);
  for (int y = bottom; y > rect.y; --y) dot(rect.x, y);
}

}  // namespace toolkit
