#include "platform/code_page.h"

#include <array>

#include "platform/code_page_tables.h"

namespace platform {
namespace {

const std::array<char16_t, 128>& UpperHalf(CodePage page) {
  switch (page) {
    case CodePage::Windows1251: return kWindows1251Upper;
    case CodePage::Windows1252: return kWindows1252Upper;
    case CodePage::Oem866: return kOem866Upper;
  }
  return kWindows1252Upper;
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at `pos` and advances past it; a malformed, overlong or
// surrogate sequence consumes one byte and gives kInvalid.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(utf8[pos++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; min = 0x80; }
  else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; min = 0x800; }
  else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; min = 0x10000; }
  else return kInvalid;
  if (utf8.size() - pos < static_cast<std::size_t>(extra)) return kInvalid;
  for (int i = 0; i < extra; ++i) {
    const auto next = static_cast<unsigned char>(utf8[pos + i]);
    if ((next & 0xC0) != 0x80) return kInvalid;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kInvalid;
  pos += extra;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

CodePage CodePageOfCharset(int charset) {
  switch (charset) {
    case 204: return CodePage::Windows1251;
    case 255: return CodePage::Oem866;
    default: return CodePage::Windows1252;
  }
}

char32_t ToUnicode(CodePage page, unsigned char byte) {
  return byte < 0x80 ? byte : UpperHalf(page)[byte - 0x80];
}

std::optional<unsigned char> FromUnicode(CodePage page, char32_t code_point) {
  if (code_point < 0x80) return static_cast<unsigned char>(code_point);
  const auto& upper = UpperHalf(page);
  for (std::size_t i = 0; i < upper.size(); ++i) {
    if (upper[i] == code_point) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

std::string ToUtf8(CodePage page, std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) AppendUtf8(out, ToUnicode(page, static_cast<unsigned char>(c)));
  return out;
}

std::string FromUtf8(CodePage page, std::string_view utf8, bool* dropped) {
  std::string out;
  out.reserve(utf8.size());
  bool any_dropped = false;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t cp = NextCodePoint(utf8, pos);
    const auto byte = cp == kInvalid ? std::nullopt : FromUnicode(page, cp);
    if (byte) {
      out += static_cast<char>(*byte);
    } else {
      any_dropped = true;
    }
  }
  if (dropped != nullptr) *dropped = any_dropped;
  return out;
}

std::string Recode(CodePage from, CodePage to, std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto byte = FromUnicode(to, ToUnicode(from, static_cast<unsigned char>(c)));
    out += byte ? static_cast<char>(*byte) : '?';
  }
  return out;
}

}  // namespace platform
