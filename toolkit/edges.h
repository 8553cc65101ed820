// The lines of the classic 3D look, drawn with filled rectangles.
#pragma once

#include "toolkit/control.h"

namespace toolkit {

Rect Inset(Rect rect, int by);

// A one-pixel outline.
void DrawFrame(Canvas& canvas, Rect rect, Color color);
// A one-pixel outline lit from the top-left.
void DrawEdge(Canvas& canvas, Rect rect, Color top_left, Color bottom_right);
// Two pixels: the raised edge of a push button.
void DrawRaisedEdge(Canvas& canvas, Rect rect);
// Two pixels: the sunken edge of an entry field.
void DrawSunkenEdge(Canvas& canvas, Rect rect);
// A dotted outline, every other pixel.
void DrawFocusRect(Canvas& canvas, Rect rect, Color color);

}  // namespace toolkit
