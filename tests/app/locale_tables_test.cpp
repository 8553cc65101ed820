#include "app/locale_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace app {
namespace {

TEST(LocaleTablesDefaults, CharacterClassesAndPartnersCoverOnlyAsciiLettersAndDigits) {
  const LocaleTables tables;
  for (int code = 0; code < 256; ++code) {
    const auto c = static_cast<unsigned char>(code);
    const bool upper = c >= 'A' && c <= 'Z';
    const bool lower = c >= 'a' && c <= 'z';
    const bool digit = c >= '0' && c <= '9';
    EXPECT_EQ(tables.IsLetter(c), upper || lower) << code;
    EXPECT_EQ(tables.IsLetterOrDigit(c), upper || lower || digit) << code;
    EXPECT_EQ(tables.ToUpper(c), lower ? c - 32 : c) << code;
    EXPECT_EQ(tables.ToLower(c), upper ? c + 32 : c) << code;
  }
  EXPECT_EQ(tables.ToUpper(std::string_view("Ab1-\xE6z")), "AB1-\xE6Z");
  EXPECT_EQ(tables.ToLower(std::string_view("Ab1-\xC6Z")), "ab1-\xC6z");
}

TEST(LocaleTablesDefaults, TextsCountersAndFlag) {
  const LocaleTables tables;
  EXPECT_EQ(tables.MonthName(1, false), "Jan");
  EXPECT_EQ(tables.MonthName(5, false), "May");
  EXPECT_EQ(tables.MonthName(9, true), "September");
  EXPECT_EQ(tables.MonthName(12, true), "December");
  EXPECT_EQ(tables.MonthName(0, true), "");
  EXPECT_EQ(tables.MonthName(13, false), "");
  EXPECT_EQ(tables.MorningDesignator(), "AM");
  EXPECT_EQ(tables.AfternoonDesignator(), "PM");
  const std::string captions[] = {"OK",     "&Yes",    "&No",    "&Abort",
                                  "&Retry", "&Ignore", "Cancel", "&Help"};
  for (int i = 0; i < kStandardButtonCount; ++i) {
    EXPECT_EQ(tables.ButtonCaption(static_cast<StandardButton>(i)), captions[i]);
  }
  EXPECT_EQ(tables.MonthNamesVersion(), 0u);
  EXPECT_EQ(tables.DesignatorsVersion(), 0u);
  EXPECT_FALSE(tables.IsOemCharacterSet());
}

TEST(LocaleTablesDefaults, SystemDesignatorsDoNotReplaceTheOnesInUse) {
  const LocaleTables tables("\xE4\xEF", "\xEF\xEF");
  EXPECT_EQ(tables.MorningDesignator(), "AM");
  EXPECT_EQ(tables.AfternoonDesignator(), "PM");
}

struct Comparison {
  std::string a;
  std::string b;
  int sign;
};

class CompareTextByCodes : public ::testing::TestWithParam<Comparison> {};

// With the default weights texts order by their codes, the shorter one padded with blanks.
TEST_P(CompareTextByCodes, OrdersByWeightsWithBlankPadding) {
  const LocaleTables tables;
  const Comparison& c = GetParam();
  const auto sign = [](int n) { return (n > 0) - (n < 0); };
  EXPECT_EQ(sign(tables.CompareText(c.a, c.b)), c.sign);
  EXPECT_EQ(sign(tables.CompareText(c.b, c.a)), -c.sign);
}

INSTANTIATE_TEST_SUITE_P(Defaults, CompareTextByCodes,
                         ::testing::Values(Comparison{"", "", 0}, Comparison{"abc", "abc", 0},
                                           Comparison{"ab", "ab   ", 0}, Comparison{"", " ", 0},
                                           Comparison{"a", "b", -1}, Comparison{"B", "a", -1},
                                           Comparison{"ab", "abc", -1},
                                           Comparison{"a\x01", "a", -1}, Comparison{"a\t", "a", -1},
                                           Comparison{"z", "\x80", -1},
                                           Comparison{std::string("a\0", 2), "a", -1}));

TEST(CompareTextIgnoringCase, FoldsThroughToUpper) {
  const LocaleTables tables;
  EXPECT_EQ(tables.CompareTextIgnoringCase("Hello", "hELLO"), 0);
  EXPECT_LT(tables.CompareTextIgnoringCase("apple", "BANANA"), 0);
  EXPECT_GT(tables.CompareText("apple", "BANANA"), 0);
  // Without a Cyrillic case table 'ж' and 'Ж' are different characters.
  EXPECT_NE(tables.CompareTextIgnoringCase("\xE6", "\xC6"), 0);
}

}  // namespace
}  // namespace app
