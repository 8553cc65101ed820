// Drawing into the top-level window with GDI.
//
// Supports: drawing straight to the window (the default), or, switched on, into a back buffer
// (a compatible bitmap of the client size) copied to the window at EndPaint; filled
// rectangles, text of a font in its code page converted to UTF-16 and drawn with the W
// function (the cell's top-left corner as given), ARGB icon images blended onto what is
// drawn, the visual style's edit-box border. Drawing outside WM_PAINT is what the toolkit
// does: it paints what it invalidated after each message, and WM_PAINT only asks it to.
// Does not yet: clipping to a damaged region (every paint covers the whole client area).
#pragma once

#include <string_view>

#include "platform/icon_file.h"
#include "toolkit/geometry.h"
#include "toolkit/win32/fonts.h"
#include "toolkit/win32/visual_style.h"
#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {

class Painter {
 public:
  explicit Painter(const FontTable& fonts) : fonts_(fonts) {}
  ~Painter();
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;

  // The window to draw into and its client size; nullptr detaches.
  void Attach(HWND window, Size size);
  void ThemeChanged() { style_.Reset(); }

  void SetBackBuffer(bool enabled);
  void Begin();
  void End();

  void FillRect(Rect rect, Color color);
  void DrawText(FontHandle font, Point top_left, std::string_view text, Color color);
  void DrawIcon(const platform::IconImage& image, Point top_left);
  bool DrawEditBorder(Rect bounds, bool focused);

 private:
  void ReleaseBuffer();

  const FontTable& fonts_;
  VisualStyle style_;
  HWND window_ = nullptr;
  Size size_;
  bool back_buffer_ = false;
  HDC window_dc_ = nullptr;  // between Begin and End
  HDC target_ = nullptr;     // the window's DC or the buffer's
  HDC buffer_dc_ = nullptr;
  HBITMAP buffer_ = nullptr;
  HGDIOBJ buffer_original_ = nullptr;
};

}  // namespace toolkit::win32
