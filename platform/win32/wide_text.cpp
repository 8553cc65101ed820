#include "platform/win32/wide_text.h"

#include "platform/code_page.h"

namespace platform::win32 {

std::wstring WideFromWindows1251(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  // Every character of Windows-1251 lies in the Basic Multilingual Plane: one UTF-16 unit.
  for (const char c : text) {
    wide += static_cast<wchar_t>(ToUnicode(CodePage::Windows1251, static_cast<unsigned char>(c)));
  }
  return wide;
}

std::optional<std::string> Windows1251FromWide(std::wstring_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  // A surrogate is a character outside the BMP, which Windows-1251 cannot hold either.
  for (const wchar_t unit : text) {
    const auto byte = FromUnicode(CodePage::Windows1251, static_cast<char32_t>(unit));
    if (!byte) return std::nullopt;
    narrow += static_cast<char>(*byte);
  }
  return narrow;
}

}  // namespace platform::win32
