#include "platform/posix/user_designators.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <strings.h>

#include <array>
#include <cerrno>
#include <cstdlib>

#include "platform/code_page.h"

namespace platform::posix {
namespace {

bool IsUtf8(std::string_view codeset) {
  const std::string name(codeset);
  return strcasecmp(name.c_str(), "UTF-8") == 0 || strcasecmp(name.c_str(), "UTF8") == 0;
}

// `text` recoded from `codeset` to UTF-8, or nothing when iconv knows no such codeset or
// the text is not valid in it.
std::optional<std::string> ToUtf8Through(std::string_view text, std::string_view codeset) {
  const iconv_t converter = iconv_open("UTF-8", std::string(codeset).c_str());
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input(text);
  char* in = input.data();
  std::size_t in_left = input.size();
  std::string output;
  std::array<char, 64> chunk;
  bool failed = false;
  while (in_left > 0 && !failed) {
    char* out = chunk.data();
    std::size_t out_left = chunk.size();
    // E2BIG only says the chunk is full; any other error is an invalid or cut sequence.
    failed = iconv(converter, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1) &&
             errno != E2BIG;
    output.append(chunk.data(), chunk.size() - out_left);
  }
  iconv_close(converter);
  if (failed) return std::nullopt;
  return output;
}

}  // namespace

std::string UserTimeLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

std::optional<std::string> DesignatorInWindows1251(std::string_view text,
                                                   std::string_view codeset) {
  if (text.empty()) return std::nullopt;
  const auto utf8 =
      IsUtf8(codeset) ? std::optional<std::string>(text) : ToUtf8Through(text, codeset);
  if (!utf8) return std::nullopt;
  bool dropped = false;
  std::string result = FromUtf8(CodePage::Windows1251, *utf8, &dropped);
  if (dropped || result.empty()) return std::nullopt;
  return result;
}

Designators ReadDesignators(const std::string& locale_name) {
  Designators designators{"AM", "PM"};
  // LC_CTYPE comes from the same locale so that CODESET names the encoding of its texts.
  const locale_t locale =
      newlocale(LC_TIME_MASK | LC_CTYPE_MASK, locale_name.c_str(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return designators;
  const std::string_view codeset = nl_langinfo_l(CODESET, locale);
  if (auto morning = DesignatorInWindows1251(nl_langinfo_l(AM_STR, locale), codeset)) {
    designators.morning = std::move(*morning);
  }
  if (auto afternoon = DesignatorInWindows1251(nl_langinfo_l(PM_STR, locale), codeset)) {
    designators.afternoon = std::move(*afternoon);
  }
  freelocale(locale);
  return designators;
}

}  // namespace platform::posix
