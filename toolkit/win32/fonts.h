// GDI fonts, addressed by the toolkit's font handles.
//
// Supports: a face by name through the font mapper (which substitutes where the face is
// absent), points at the DPI the system reports (LOGPIXELSY; the program is DPI aware, so
// that is the real DPI and text stays sharp at 150 % and 200 %), weight, the requested
// character set as the font's code page (204 Windows-1251, others Windows-1252), text-metric
// ascent, descent, height and character range, text widths of the converted UTF-16 text.
// Does not yet: a change of DPI while the program runs (per-monitor awareness).
#pragma once

#include <map>
#include <string_view>

#include "platform/code_page.h"
#include "toolkit/font.h"
#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {

struct LoadedFont {
  HFONT handle = nullptr;
  platform::CodePage code_page = platform::CodePage::Windows1252;
  FontMetrics metrics;
};

// The LOGFONT height of `points` at `dpi`: negative, the character height without its
// internal leading, rounded to the nearest pixel.
int FontHeightOfPoints(int points, int dpi);

class FontTable {
 public:
  FontTable();
  ~FontTable();
  FontTable(const FontTable&) = delete;
  FontTable& operator=(const FontTable&) = delete;

  // 0 when GDI cannot make the font.
  FontHandle Create(const FontSpec& wanted);
  void Destroy(FontHandle font);
  // nullptr for a handle that names no font.
  const LoadedFont* Find(FontHandle font) const;
  FontMetrics Metrics(FontHandle font) const;
  int TextWidth(FontHandle font, std::string_view text) const;

  int dpi() const { return dpi_; }

 private:
  // A memory DC that fonts are selected into for measuring, before any window exists.
  HDC measure_dc_ = nullptr;
  HGDIOBJ original_font_ = nullptr;
  int dpi_ = 96;
  std::map<FontHandle, LoadedFont> fonts_;
  FontHandle next_handle_ = 1;
};

}  // namespace toolkit::win32
