#include "toolkit/x11/fonts.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace toolkit::x11 {
namespace {

// Faces the program may ask for and the metric-compatible faces that stand in for them.
// fontconfig's own metric aliases normally do this; naming the stand-in as the second family
// keeps the widths right where that configuration is missing.
struct StandIn {
  std::string_view face;
  const char* stand_in;
};
constexpr StandIn kStandIns[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

// The language fontconfig should prefer coverage for, by character set.
const char* LanguageOfCharset(int charset) {
  switch (charset) {
    case 204:
      return "ru";
    case 0:
      return "en";
    default:
      return nullptr;
  }
}

double ReadDpi(Display* display) {
  const char* value = XGetDefault(display, "Xft", "dpi");
  if (value == nullptr) return 96.0;
  char* end = nullptr;
  const double dpi = std::strtod(value, &end);
  return (end != value && dpi >= 24.0 && dpi <= 960.0) ? dpi : 96.0;
}

}  // namespace

int PixelSizeOfPoints(int points, double dpi) {
  return static_cast<int>(std::lround(points * dpi / 72.0));
}

FontTable::FontTable(Connection& connection)
    : connection_(connection), dpi_(ReadDpi(connection.display())) {}

FontTable::~FontTable() {
  for (auto& [handle, font] : fonts_) XftFontClose(connection_.display(), font.xft);
}

FontHandle FontTable::Create(const FontSpec& wanted) {
  assert(wanted.charset != kDefaultCharset && "the toolkit resolves the default character set");
  const int pixels = std::max(1, PixelSizeOfPoints(std::clamp(wanted.points, 1, 1000), dpi_));
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(wanted.face.c_str()));
  for (const StandIn& entry : kStandIns) {
    if (entry.face == wanted.face) {
      FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(entry.stand_in));
    }
  }
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixels);
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(std::clamp(wanted.weight, 1, 1000)));
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  if (const char* language = LanguageOfCharset(wanted.charset)) {
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(language));
  }
  FcResult result = FcResultNoMatch;
  FcPattern* match = XftFontMatch(connection_.display(), connection_.screen(), pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return 0;
  XftFont* xft = XftFontOpenPattern(connection_.display(), match);  // takes `match`
  if (xft == nullptr) {
    FcPatternDestroy(match);
    return 0;
  }
  const FontHandle handle = next_handle_++;
  fonts_[handle] = {xft, platform::CodePageOfCharset(wanted.charset)};
  return handle;
}

void FontTable::Destroy(FontHandle font) {
  const auto found = fonts_.find(font);
  if (found == fonts_.end()) return;
  XftFontClose(connection_.display(), found->second.xft);
  fonts_.erase(found);
}

const LoadedFont* FontTable::Find(FontHandle font) const {
  const auto found = fonts_.find(font);
  return found == fonts_.end() ? nullptr : &found->second;
}

FontMetrics FontTable::Metrics(FontHandle font) const {
  FontMetrics metrics;
  if (const LoadedFont* loaded = Find(font)) {
    metrics.ascent = loaded->xft->ascent;
    metrics.descent = loaded->xft->descent;
    // The text-metric height leaves out the line gap that Xft's own height includes.
    metrics.height = metrics.ascent + metrics.descent;
  }
  return metrics;
}

int FontTable::TextWidth(FontHandle font, std::string_view text) const {
  const LoadedFont* loaded = Find(font);
  if (loaded == nullptr || text.empty()) return 0;
  // Xft reports advances as 16-bit values, so long texts are measured in pieces; without
  // kerning the pieces add up to the whole.
  constexpr std::size_t kPiece = 16;
  long long width = 0;
  for (std::size_t start = 0; start < text.size() && width < INT_MAX; start += kPiece) {
    const std::string utf8 = platform::ToUtf8(loaded->code_page, text.substr(start, kPiece));
    XGlyphInfo extents{};
    XftTextExtentsUtf8(connection_.display(), loaded->xft,
                       reinterpret_cast<const FcChar8*>(utf8.data()), static_cast<int>(utf8.size()),
                       &extents);
    width += extents.xOff;
  }
  return static_cast<int>(std::min<long long>(width, INT_MAX));
}

}  // namespace toolkit::x11
