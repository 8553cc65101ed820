// Drawing into the top-level window with Xft and the Render extension.
//
// Supports: drawing straight to the window (the default) or, switched on, into a back buffer
// copied to the window at EndPaint; filled rectangles, text of a font in its code page
// (converted to UTF-8 only to draw, baseline one ascent below the cell's top), ARGB icon
// images blended onto what is already drawn (straight alpha, premultiplied on upload).
// Does not yet: clipping to a damaged region (every paint covers the whole client area),
// servers without the Render extension (icons are then skipped).
#pragma once

#include <string_view>

#include "platform/icon_file.h"
#include "toolkit/geometry.h"
#include "toolkit/x11/connection.h"
#include "toolkit/x11/fonts.h"
#include "toolkit/x11/xlib.h"

namespace toolkit::x11 {

class Painter {
 public:
  Painter(Connection& connection, const FontTable& fonts);
  ~Painter();
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;

  // The window to draw into and its client size; None detaches.
  void Attach(Window window, Size size);

  void SetBackBuffer(bool enabled);
  void Begin();
  void End();

  void FillRect(Rect rect, Color color);
  void DrawText(FontHandle font, Point top_left, std::string_view text, Color color);
  void DrawIcon(const platform::IconImage& image, Point top_left);

 private:
  void ReleaseBuffer();
  Drawable Target() const;

  Connection& connection_;
  const FontTable& fonts_;
  Visual* visual_ = nullptr;
  Colormap colormap_ = None;
  Window window_ = None;
  Size size_;
  XftDraw* draw_ = nullptr;
  bool back_buffer_ = false;
  Pixmap buffer_ = None;
  GC copy_gc_ = nullptr;
};

}  // namespace toolkit::x11
