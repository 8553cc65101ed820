// Fonts through Xft and fontconfig, addressed by the toolkit's font handles.
//
// Supports: a face by name with metric-compatible stand-ins (Arial is Liberation Sans where
// Arial itself is absent), points at the Xft.dpi resource (96 when it is not set) turned into
// a pixel size, weight, the character set as the font's code page (204 Windows-1251, 0 and
// others Windows-1252) and as a language hint for the match, text-metric ascent, descent and
// height (ascent + descent), text widths by advance.
// Does not yet: italic or underlined faces, kerning (text is measured and drawn unkerned, as
// the classic text output of the platform the program comes from does).
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "toolkit/font.h"
#include "toolkit/x11/connection.h"
#include "toolkit/x11/xlib.h"

namespace toolkit::x11 {

struct LoadedFont {
  XftFont* xft = nullptr;
  platform::CodePage code_page = platform::CodePage::Windows1252;
};

// The pixel size of a font of `points` at `dpi`, rounded to the nearest pixel.
int PixelSizeOfPoints(int points, double dpi);

class FontTable {
 public:
  explicit FontTable(Connection& connection);
  ~FontTable();
  FontTable(const FontTable&) = delete;
  FontTable& operator=(const FontTable&) = delete;

  FontHandle Create(const FontSpec& wanted);
  void Destroy(FontHandle font);
  // Nothing for a handle that names no font.
  const LoadedFont* Find(FontHandle font) const;
  FontMetrics Metrics(FontHandle font) const;
  int TextWidth(FontHandle font, std::string_view text) const;

  double dpi() const { return dpi_; }

 private:
  Connection& connection_;
  double dpi_ = 96.0;
  std::map<FontHandle, LoadedFont> fonts_;
  FontHandle next_handle_ = 1;
};

}  // namespace toolkit::x11
