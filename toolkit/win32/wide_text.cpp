#include "toolkit/win32/wide_text.h"

#include <climits>

#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {
namespace {

std::wstring Widen(unsigned code_page, std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(code_page, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

unsigned WindowsCodePage(platform::CodePage page) {
  switch (page) {
    case platform::CodePage::Windows1251:
      return 1251;
    case platform::CodePage::Windows1252:
      return 1252;
    case platform::CodePage::Oem866:
      return 866;
  }
  return 1252;
}

std::wstring WideOf(platform::CodePage page, std::string_view bytes) {
  return Widen(WindowsCodePage(page), bytes);
}

std::wstring WideOfUtf8(std::string_view utf8) {
  return Widen(CP_UTF8, utf8);
}

std::string Utf8OfWide(std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX / 4) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::optional<unsigned char> ByteOfCharacter(platform::CodePage page, std::wstring_view character) {
  if (character.empty() || character.size() > 2) return std::nullopt;
  char bytes[4] = {};
  BOOL used_default = FALSE;
  // Without WC_NO_BEST_FIT_CHARS an 'é' typed into a Cyrillic field would arrive as 'e'.
  const int length = WideCharToMultiByte(WindowsCodePage(page), WC_NO_BEST_FIT_CHARS,
                                         character.data(), static_cast<int>(character.size()),
                                         bytes, sizeof bytes, "?", &used_default);
  if (length != 1 || used_default) return std::nullopt;
  return static_cast<unsigned char>(bytes[0]);
}

}  // namespace toolkit::win32
