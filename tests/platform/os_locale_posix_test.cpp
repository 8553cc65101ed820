#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/cp1251_literal.h"
#include "platform/os_locale.h"
#include "platform/posix/unicode_case.h"
#include "platform/posix/user_designators.h"

// With LOCPATH set, glibc's newlocale builds a search list of locale directories that it
// keeps, without a pointer to it, for the life of the process. The memory is glibc's; keep the
// leak checker of the sanitizer build quiet about it.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:__argz_add_sep\nleak:__argz_create_sep\n";
}

namespace platform {
namespace {

// --- The alphabet -----------------------------------------------------------------------------

TEST(PosixOsLocale, UpperCaseLettersAreTheCapitalsOfWindows1251WithTheirSmallLetters) {
  std::map<int, int> expected = {{0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
                                 {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2},
                                 {0xA3, 0xBC}, {0xA5, 0xB4}, {0xA8, 0xB8}, {0xAA, 0xBA},
                                 {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
  for (int c = 'A'; c <= 'Z'; ++c) expected[c] = c + 32;
  for (int c = 0xC0; c <= 0xDF; ++c) expected[c] = c + 32;

  const OsLocale& os = SystemLocale();
  for (int code = 0; code < 256; ++code) {
    const auto c = static_cast<unsigned char>(code);
    const auto it = expected.find(code);
    EXPECT_EQ(os.IsUpperCaseLetter(c), it != expected.end()) << code;
    EXPECT_EQ(os.ToLowerCase(c), it != expected.end() ? it->second : code) << code;
  }
}

TEST(UnicodeCase, CapitalsOfTheLatinAndCyrillicBlocks) {
  const std::pair<char32_t, std::optional<char32_t>> cases[] = {
      {U'A', U'a'},        {U'a', std::nullopt}, {U'@', std::nullopt}, {U'À', U'à'},
      {U'Þ', U'þ'},        {U'×', std::nullopt}, {U'ß', std::nullopt}, {U'µ', std::nullopt},
      {U'Ѐ', U'ѐ'},        {U'Џ', U'џ'},         {U'Я', U'я'},         {U'я', std::nullopt},
      {U'Ѡ', U'ѡ'},        {U'ѡ', std::nullopt}, {U'Ґ', U'ґ'},         {U'Ӏ', U'ӏ'},
      {U'Ӂ', U'ӂ'},        {U'ӂ', std::nullopt}, {U'Ӿ', U'ӿ'},         {U'№', std::nullopt},
      {U'Ā', std::nullopt}};
  for (const auto& [code_point, lower] : cases) {
    EXPECT_EQ(posix::LowerCaseOfCapital(code_point), lower) << std::hex << uint32_t(code_point);
  }
}

// --- The ranking ------------------------------------------------------------------------------

bool IsIgnorable(int code) {
  return (code >= 1 && code <= 8) || (code >= 14 && code <= 31) || code == 127 || code == 0x98 ||
         code == 0xAD;
}

TEST(PosixOsLocale, ComparisonIgnoresControlCodesAndRanksEveryOtherCharacterApart) {
  const OsLocale& os = SystemLocale();
  for (int a = 1; a <= 254; ++a) {
    for (int b = 1; b <= 254; ++b) {
      const int order = os.CompareCharacters(a, b);
      if (a == b || (IsIgnorable(a) && IsIgnorable(b))) {
        EXPECT_EQ(order, 0) << a << " " << b;
      } else if (IsIgnorable(a)) {
        EXPECT_LT(order, 0) << a << " " << b;
      } else {
        EXPECT_NE(order, 0) << a << " " << b;
        EXPECT_EQ(order<0, os.CompareCharacters(b, a)> 0) << a << " " << b;
      }
    }
  }
}

TEST(PosixOsLocale, ComparisonRanksLikeAWordSort) {
  // A plain array: clang 14 crashes on a compile-time literal inside the initializer list of a
  // std::vector.
  const std::string_view rising[] = {
      "'",        "-",        "\t",       " ",        "\xA0",     "!",        "~",
      "–"_cp1251, "+",        "»"_cp1251, "€"_cp1251, "№"_cp1251, "0",        "9",
      "a",        "A",        "v",        "V",        "z",        "Z",        "µ"_cp1251,
      "а"_cp1251, "А"_cp1251, "г"_cp1251, "Г"_cp1251, "ѓ"_cp1251, "ґ"_cp1251, "д"_cp1251,
      "е"_cp1251, "Е"_cp1251, "ё"_cp1251, "Ё"_cp1251, "є"_cp1251, "ж"_cp1251, "и"_cp1251,
      "й"_cp1251, "і"_cp1251, "ї"_cp1251, "к"_cp1251, "ю"_cp1251, "Ю"_cp1251, "я"_cp1251};
  const OsLocale& os = SystemLocale();
  for (std::size_t i = 1; i < std::size(rising); ++i) {
    EXPECT_LT(os.CompareCharacters(rising[i - 1][0], rising[i][0]), 0) << i;
  }
}

// --- The designators --------------------------------------------------------------------------

struct DesignatorCase {
  std::string text;
  std::string codeset;
  std::optional<std::string> expected;
};

class DesignatorConversion : public ::testing::TestWithParam<DesignatorCase> {};

TEST_P(DesignatorConversion, RecodesToWindows1251OrGivesNothing) {
  EXPECT_EQ(posix::DesignatorInWindows1251(GetParam().text, GetParam().codeset),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codesets, DesignatorConversion,
    ::testing::Values(DesignatorCase{"AM", "UTF-8", "AM"},
                      DesignatorCase{"PM", "ANSI_X3.4-1968", "PM"},
                      DesignatorCase{"дп", "UTF-8", std::string("дп"_cp1251)},
                      DesignatorCase{"дп", "utf8", std::string("дп"_cp1251)},
                      DesignatorCase{"\xC4\xD0", "KOI8-R", std::string("дп"_cp1251)},
                      DesignatorCase{"\xE4\xEF", "CP1251", std::string("дп"_cp1251)},
                      DesignatorCase{"", "UTF-8", std::nullopt},
                      DesignatorCase{"πμ", "UTF-8", std::nullopt},  // Greek: not in the code page
                      DesignatorCase{"a\u00E9", "UTF-8", std::nullopt},   // partly representable
                      DesignatorCase{"\xFF\xFE", "UTF-8", std::nullopt},  // not UTF-8
                      DesignatorCase{"\xC4", "ANSI_X3.4-1968", std::nullopt},
                      DesignatorCase{"AM", "NO-SUCH-CODESET", std::nullopt}));

TEST(UserDesignators, LocalesWithoutUsableDesignatorsGiveAmAndPm) {
  for (const char* name : {"C", "POSIX", "C.UTF-8", "xx_NO.SUCH-LOCALE"}) {
    const Designators designators = posix::ReadDesignators(name);
    EXPECT_EQ(designators.morning, "AM") << name;
    EXPECT_EQ(designators.afternoon, "PM") << name;
  }
}

// Compiles a locale whose designators are "дп" and "пп" into a directory of its own, once in
// UTF-8 and once in KOI8-R, and points LOCPATH at it. Skips when localedef or the locale
// sources are not installed.
class CompiledLocale : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    directory_ = ::testing::TempDir() + "renumera_locales_" + std::to_string(getpid());
    const std::string source = directory_ + "/test_DP";
    if (mkdir(directory_.c_str(), 0700) != 0) return;
    std::ofstream(source) << R"(LC_TIME
abday "Sun";"Mon";"Tue";"Wed";"Thu";"Fri";"Sat"
day "Sunday";"Monday";"Tuesday";"Wednesday";"Thursday";"Friday";"Saturday"
abmon "Jan";"Feb";"Mar";"Apr";"May";"Jun";"Jul";"Aug";"Sep";"Oct";"Nov";"Dec"
mon "January";"February";"March";"April";"May";"June";"July";"August";"September";"October";"November";"December"
d_t_fmt "%a %b %e %H:%M:%S %Y"
d_fmt "%m/%d/%y"
t_fmt "%H:%M:%S"
am_pm "<U0434><U043F>";"<U043F><U043F>"
t_fmt_ampm "%I:%M:%S %p"
END LC_TIME
LC_CTYPE
copy "POSIX"
END LC_CTYPE
)";
    for (const char* charmap : {"UTF-8", "KOI8-R"}) {
      // localedef warns about the categories the source leaves out, and -c writes anyway.
      const std::string command = "localedef -c -i '" + source + "' -f " + charmap + " '" +
                                  directory_ + "/test_DP." + charmap + "' >/dev/null 2>&1";
      if (std::system(command.c_str()) == -1) return;
    }
  }

  static void TearDownTestSuite() { std::system(("rm -rf '" + directory_ + "'").c_str()); }

  void SetUp() override {
    struct stat info;
    const std::string compiled = directory_ + "/test_DP.KOI8-R";
    if (stat(compiled.c_str(), &info) != 0) GTEST_SKIP() << "localedef could not compile";
    const char* locpath = std::getenv("LOCPATH");
    saved_locpath_ = locpath ? std::optional<std::string>(locpath) : std::nullopt;
    setenv("LOCPATH", directory_.c_str(), 1);
  }

  void TearDown() override {
    if (saved_locpath_) {
      setenv("LOCPATH", saved_locpath_->c_str(), 1);
    } else {
      unsetenv("LOCPATH");
    }
  }

  static inline std::string directory_;
  std::optional<std::string> saved_locpath_;
};

TEST_F(CompiledLocale, DesignatorsAreReadInTheLocalesOwnCodeset) {
  for (const char* name : {"test_DP.UTF-8", "test_DP.KOI8-R"}) {
    const Designators designators = posix::ReadDesignators(name);
    EXPECT_EQ(designators.morning, "дп"_cp1251) << name;
    EXPECT_EQ(designators.afternoon, "пп"_cp1251) << name;
  }
}

// Sets the locale variables of the environment for one test and restores them after it.
class LocaleEnvironment : public ::testing::Test {
 protected:
  static constexpr const char* kVariables[] = {"LC_ALL", "LC_TIME", "LANG"};

  LocaleEnvironment() {
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
      unsetenv(name);
    }
  }
  ~LocaleEnvironment() override {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }

  std::map<std::string, std::optional<std::string>> saved_;
};

TEST_F(LocaleEnvironment, TimeLocaleComesFromLcAllThenLcTimeThenLang) {
  EXPECT_EQ(posix::UserTimeLocaleName(), "C");
  setenv("LANG", "de_DE.UTF-8", 1);
  EXPECT_EQ(posix::UserTimeLocaleName(), "de_DE.UTF-8");
  setenv("LC_TIME", "ru_RU.UTF-8", 1);
  EXPECT_EQ(posix::UserTimeLocaleName(), "ru_RU.UTF-8");
  setenv("LC_ALL", "", 1);
  EXPECT_EQ(posix::UserTimeLocaleName(), "ru_RU.UTF-8");
  setenv("LC_ALL", "en_GB.UTF-8", 1);
  EXPECT_EQ(posix::UserTimeLocaleName(), "en_GB.UTF-8");
}

TEST_F(LocaleEnvironment, SystemDesignatorsFollowTheEnvironment) {
  setenv("LC_ALL", "C", 1);
  const Designators designators = SystemLocale().UserDesignators();
  EXPECT_EQ(designators.morning, "AM");
  EXPECT_EQ(designators.afternoon, "PM");
}

}  // namespace
}  // namespace platform
