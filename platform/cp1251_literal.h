// Windows-1251 text written in UTF-8 source: "СТАРЫЙ НОМЕР:"_cp1251 is a std::string_view of
// the Windows-1251 bytes, converted at compile time. A character outside the code page does
// not compile.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/code_page_tables.h"

namespace platform {
namespace literal {

template <std::size_t N>
struct Utf8Source {
  char chars[N];
  consteval Utf8Source(const char (&text)[N]) {
    for (std::size_t i = 0; i < N; ++i) chars[i] = text[i];
  }
};

// Decodes the UTF-8 source into Windows-1251 bytes; `out` may be null to count them. Only
// evaluated at compile time, where a character outside the code page stops the build.
template <std::size_t N>
constexpr std::size_t Encode(const Utf8Source<N>& source, char* out) {
  std::size_t count = 0;
  for (std::size_t i = 0; i + 1 < N;) {
    const auto lead = static_cast<unsigned char>(source.chars[i]);
    char32_t cp = lead;
    std::size_t length = 1;
    if (lead >= 0xE0) {
      cp = ((lead & 0x0F) << 12) | ((source.chars[i + 1] & 0x3F) << 6) | (source.chars[i + 2] & 0x3F);
      length = 3;
    } else if (lead >= 0xC0) {
      cp = ((lead & 0x1F) << 6) | (source.chars[i + 1] & 0x3F);
      length = 2;
    }
    unsigned char byte = 0;
    if (cp < 0x80) {
      byte = static_cast<unsigned char>(cp);
    } else {
      std::size_t k = 0;
      while (k < kWindows1251Upper.size() && kWindows1251Upper[k] != cp) ++k;
      if (k == kWindows1251Upper.size()) throw "character not in Windows-1251";
      byte = static_cast<unsigned char>(0x80 + k);
    }
    if (out != nullptr) out[count] = static_cast<char>(byte);
    ++count;
    i += length;
  }
  return count;
}

template <Utf8Source S>
struct Cp1251Text {
  static constexpr std::size_t kSize = Encode(S, nullptr);
  static constexpr std::array<char, kSize + 1> kBytes = [] {
    std::array<char, kSize + 1> bytes{};
    Encode(S, bytes.data());
    return bytes;
  }();
};

}  // namespace literal

template <literal::Utf8Source S>
consteval std::string_view operator""_cp1251() {
  return {literal::Cp1251Text<S>::kBytes.data(), literal::Cp1251Text<S>::kSize};
}

}  // namespace platform
