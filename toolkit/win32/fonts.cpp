#include "toolkit/win32/fonts.h"

#include <algorithm>
#include <string>

#include "toolkit/win32/wide_text.h"

namespace toolkit::win32 {

int FontHeightOfPoints(int points, int dpi) {
  return -MulDiv(points, dpi, 72);
}

FontTable::FontTable() {
  HDC screen = GetDC(nullptr);
  if (screen != nullptr) {
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    if (dpi > 0) dpi_ = dpi;
    ReleaseDC(nullptr, screen);
  }
  measure_dc_ = CreateCompatibleDC(nullptr);
  if (measure_dc_ != nullptr) original_font_ = GetCurrentObject(measure_dc_, OBJ_FONT);
}

FontTable::~FontTable() {
  if (measure_dc_ != nullptr) {
    SelectObject(measure_dc_, original_font_);
    DeleteDC(measure_dc_);
  }
  for (auto& [handle, font] : fonts_) DeleteObject(font.handle);
}

FontHandle FontTable::Create(const FontSpec& wanted) {
  if (measure_dc_ == nullptr) return 0;
  // Face names are ASCII; LOGFONT holds 31 characters and a terminator.
  const std::string face = wanted.face.substr(0, LF_FACESIZE - 1);
  HFONT handle =
      CreateFontA(FontHeightOfPoints(wanted.points, dpi_), 0, 0, 0, wanted.weight, FALSE, FALSE,
                  FALSE, static_cast<BYTE>(wanted.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  if (handle == nullptr) return 0;

  LoadedFont font;
  font.handle = handle;
  font.code_page = platform::CodePageOfCharset(wanted.charset);
  SelectObject(measure_dc_, handle);
  TEXTMETRICA tm{};
  if (!GetTextMetricsA(measure_dc_, &tm)) {
    SelectObject(measure_dc_, original_font_);
    DeleteObject(handle);
    return 0;
  }
  SelectObject(measure_dc_, original_font_);
  font.metrics.ascent = tm.tmAscent;
  font.metrics.descent = tm.tmDescent;
  font.metrics.height = tm.tmHeight;
  // Blank and the printable characters above it are what a field can show; a font that
  // reports a narrower range (a raster font of another character set) limits it.
  font.metrics.first_char = static_cast<unsigned char>(std::max<int>(0x20, tm.tmFirstChar));
  font.metrics.last_char = static_cast<unsigned char>(tm.tmLastChar);
  const unsigned char default_char = static_cast<unsigned char>(tm.tmDefaultChar);
  if (default_char >= font.metrics.first_char && default_char <= font.metrics.last_char) {
    font.metrics.default_char = default_char;
  }
  const FontHandle id = next_handle_++;
  fonts_.emplace(id, font);
  return id;
}

void FontTable::Destroy(FontHandle font) {
  const auto found = fonts_.find(font);
  if (found == fonts_.end()) return;
  DeleteObject(found->second.handle);
  fonts_.erase(found);
}

const LoadedFont* FontTable::Find(FontHandle font) const {
  const auto found = fonts_.find(font);
  return found == fonts_.end() ? nullptr : &found->second;
}

FontMetrics FontTable::Metrics(FontHandle font) const {
  const LoadedFont* loaded = Find(font);
  return loaded != nullptr ? loaded->metrics : FontMetrics{};
}

int FontTable::TextWidth(FontHandle font, std::string_view text) const {
  const LoadedFont* loaded = Find(font);
  if (loaded == nullptr || text.empty()) return 0;
  const std::wstring wide = WideOf(loaded->code_page, text);
  SelectObject(measure_dc_, loaded->handle);
  SIZE extent{};
  const BOOL measured =
      GetTextExtentPoint32W(measure_dc_, wide.data(), static_cast<int>(wide.size()), &extent);
  SelectObject(measure_dc_, original_font_);
  return measured ? extent.cx : 0;
}

}  // namespace toolkit::win32
