// Font requests and metrics.
#pragma once

#include <string>

namespace toolkit {

// The character set that means "the toolkit's default character set".
inline constexpr int kDefaultCharset = 1;

struct FontSpec {
  std::string face{};
  int points = 8;
  int weight = 400;        // 400 regular, 700 bold
  int charset = kDefaultCharset;  // 0 Western, 204 Cyrillic; backends receive it resolved
  bool operator==(const FontSpec&) const = default;
};

struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;                 // ascent + descent, the text-metric height
  unsigned char first_char = 0x20;  // the font's character range, in its code page
  unsigned char last_char = 0xFF;
  unsigned char default_char = '?';  // drawn for a character outside the range
};

// Opaque backend font; 0 is no font.
using FontHandle = int;

}  // namespace toolkit
