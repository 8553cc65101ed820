// The locale services on Windows: the system's own character classes and string comparison,
// asked about the UTF-16 form of each Windows-1251 character. The W functions answer for the
// character itself; their A forms would read the byte in the system's ANSI code page, which is
// Windows-1251 only on a Cyrillic system.
#include "platform/os_locale.h"

#include <windows.h>

#include "platform/code_page.h"
#include "platform/win32/user_designators.h"

namespace platform {
namespace {

wchar_t Wide(unsigned char c) {
  return static_cast<wchar_t>(ToUnicode(CodePage::Windows1251, c));
}

class WindowsLocale final : public OsLocale {
 public:
  bool IsUpperCaseLetter(unsigned char c) const override {
    return IsCharAlphaW(Wide(c)) && IsCharUpperW(Wide(c));
  }

  unsigned char ToLowerCase(unsigned char c) const override {
    wchar_t text[2] = {Wide(c), L'\0'};
    CharLowerW(text);
    return FromUnicode(CodePage::Windows1251, static_cast<char32_t>(text[0])).value_or(c);
  }

  int CompareCharacters(unsigned char a, unsigned char b) const override {
    const wchar_t first[2] = {Wide(a), L'\0'};
    const wchar_t second[2] = {Wide(b), L'\0'};
    return lstrcmpW(first, second);
  }

  Designators UserDesignators() const override { return win32::ReadDesignators(); }
};

}  // namespace

const OsLocale& SystemLocale() {
  static const WindowsLocale locale;
  return locale;
}

}  // namespace platform
