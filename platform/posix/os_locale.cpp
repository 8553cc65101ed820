// The locale services on posix: the character classes and the word sort of Windows-1251
// worked out from the code points of its characters (never from the process's C locale),
// and the designators of the user's LC_TIME.
#include "platform/os_locale.h"

#include "platform/code_page.h"
#include "platform/posix/unicode_case.h"
#include "platform/posix/user_designators.h"
#include "platform/posix/word_sort.h"

namespace platform {
namespace {

class PosixLocale final : public OsLocale {
 public:
  bool IsUpperCaseLetter(unsigned char c) const override {
    return posix::LowerCaseOfCapital(ToUnicode(CodePage::Windows1251, c)).has_value();
  }

  unsigned char ToLowerCase(unsigned char c) const override {
    const auto lower = posix::LowerCaseOfCapital(ToUnicode(CodePage::Windows1251, c));
    if (!lower) return c;
    return FromUnicode(CodePage::Windows1251, *lower).value_or(c);
  }

  int CompareCharacters(unsigned char a, unsigned char b) const override {
    return posix::WordSortRank(a) - posix::WordSortRank(b);
  }

  Designators UserDesignators() const override {
    return posix::ReadDesignators(posix::UserTimeLocaleName());
  }
};

}  // namespace

const OsLocale& SystemLocale() {
  static const PosixLocale locale;
  return locale;
}

}  // namespace platform
