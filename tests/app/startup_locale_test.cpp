#include "app/startup_locale.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/cp1251_literal.h"
#include "tests/app/fake_os_locale.h"
#include "tests/app/locale_test_support.h"

namespace app {
namespace {

using platform::operator""_cp1251;
using testing::AsciiLetterPairs;
using testing::Char;
using testing::ExpectAscending;
using testing::ExpectEveryCharacterDistinct;
using testing::ExpectLetterPairs;

TEST(StartupLocaleSettings, ValuesHoldTheirAlphabets) {
  const std::string_view case_table = kStartupLocaleSettings[1].value;
  ASSERT_EQ(case_table.size(), 119u);
  EXPECT_EQ(case_table[59], ',');
  const std::string_view collation = kStartupLocaleSettings[4].value;
  ASSERT_EQ(collation.size(), 116u);
  EXPECT_EQ(collation.find_first_of("Vv"), std::string_view::npos);
  EXPECT_EQ(collation.find(','), std::string_view::npos);
  for (std::size_t i = 0; i < collation.size(); i += 2) {
    // Each pair is the capital of case_table's upper alphabet and its small letter.
    EXPECT_NE(case_table.substr(0, 59).find(collation[i]), std::string_view::npos) << i;
    EXPECT_EQ(case_table.find(collation[i + 1]), case_table.find(collation[i]) + 60) << i;
  }
}

// Start-up's state with the system's own locale services, and with services that answer
// everything differently: the system's alphabet and ranking must leave nothing behind.
struct SystemUnderTest {
  const char* name;
  std::shared_ptr<const platform::OsLocale> os;
};

std::shared_ptr<const platform::OsLocale> ContraryOs() {
  auto os = std::make_shared<testing::FakeOsLocale>();
  for (int c = 128; c < 256; c += 2) os->capitals[static_cast<unsigned char>(c)] = c + 1;
  os->compare = [](unsigned char a, unsigned char b) { return int(b) - int(a); };
  os->designators = {"\xE4\xEE \xEF\xEE\xEB\xF3\xE4\xED\xFF", "\xEF\xEF"};
  return os;
}

class AfterStartup : public ::testing::TestWithParam<SystemUnderTest> {
 protected:
  AfterStartup()
      : designators_(GetParam().os->UserDesignators()),
        tables_(designators_.morning, designators_.afternoon) {
    ApplyStartupLocaleSettings(tables_, *GetParam().os);
  }

  platform::Designators designators_;
  LocaleTables tables_;
};

TEST_P(AfterStartup, CyrillicLettersPairUpAndNoOtherCodeAbove127IsALetter) {
  auto pairs = AsciiLetterPairs();
  for (int c = 0xC0; c <= 0xDF; ++c) pairs.emplace_back(c, c + 32);
  pairs.emplace_back(0xA8, 0xB8);
  ExpectLetterPairs(tables_, pairs);

  EXPECT_EQ(tables_.ToUpper("ж"_cp1251[0]), static_cast<unsigned char>("Ж"_cp1251[0]));
  EXPECT_EQ(tables_.ToLower("Ё"_cp1251[0]), static_cast<unsigned char>("ё"_cp1251[0]));
  EXPECT_EQ(tables_.ToUpper('q'), 'Q');
  for (std::string_view c : {"Є"_cp1251, "І"_cp1251, "Ї"_cp1251, "Ґ"_cp1251, "Ў"_cp1251}) {
    EXPECT_FALSE(tables_.IsLetter(c[0]));
  }
  for (std::string_view c : {"7"_cp1251, "z"_cp1251, "Ж"_cp1251, "ё"_cp1251}) {
    EXPECT_TRUE(tables_.IsLetterOrDigit(c[0]));
  }
  for (std::string_view c : {"-"_cp1251, "/"_cp1251, " "_cp1251, "№"_cp1251}) {
    EXPECT_FALSE(tables_.IsLetterOrDigit(c[0]));
  }
  EXPECT_EQ(tables_.ToUpper("ёлка Ёжик"_cp1251), "ЁЛКА ЁЖИК"_cp1251);
}

TEST_P(AfterStartup, CollationFollowsTheRussianSequenceAroundTheUnlistedCodes) {
  ExpectAscending(tables_, {"9", "A", "a", "B", "b"});
  ExpectAscending(tables_, {"K", "V", "k"});
  ExpectAscending(tables_, {"M", "[", "\\", "]", "^", "_", "`", "m"});
  ExpectAscending(tables_, {"x", "v", "Y"});
  ExpectAscending(tables_,
                  {"z", "А"_cp1251, "\xA9", "\xB7", "а"_cp1251, "\xB9", "\xBF", "Б"_cp1251});
  ExpectAscending(tables_, {"Е"_cp1251, "е"_cp1251, "Ё"_cp1251, "ё"_cp1251, "Ж"_cp1251});
  ExpectAscending(tables_, {"Ю"_cp1251, "ю"_cp1251, "Я"_cp1251, "я"_cp1251});
  ExpectAscending(tables_, {Char(0), "\x01", "\x1F", " ", "!", "0", "9", "@", "A"});
  ExpectEveryCharacterDistinct(tables_);
  // Letters that only differ in case are one text under the case-insensitive comparison.
  EXPECT_EQ(tables_.CompareTextIgnoringCase("ёлка"_cp1251, "ЁЛКА"_cp1251), 0);
  EXPECT_LT(tables_.CompareText("Ёлка"_cp1251, "ёлка"_cp1251), 0);
  EXPECT_LT(tables_.CompareText("Ель"_cp1251, "Ёлка"_cp1251), 0);
}

TEST_P(AfterStartup, RussianMonthNamesAndTheSystemDesignators) {
  const std::string_view short_names[] = {"Янв"_cp1251, "Фев"_cp1251, "Мар"_cp1251, "Апр"_cp1251,
                                          "Мая"_cp1251, "Июн"_cp1251, "Июл"_cp1251, "Авг"_cp1251,
                                          "Сен"_cp1251, "Окт"_cp1251, "Ноя"_cp1251, "Дек"_cp1251};
  const std::string_view long_names[] = {"Январь"_cp1251,  "Февраль"_cp1251, "Март"_cp1251,
                                         "Апрель"_cp1251,  "Май"_cp1251,     "Июнь"_cp1251,
                                         "Июль"_cp1251,    "Август"_cp1251,  "Сентябрь"_cp1251,
                                         "Октябрь"_cp1251, "Ноябрь"_cp1251,  "Декабрь"_cp1251};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(tables_.MonthName(month, false), short_names[month - 1]) << month;
    EXPECT_EQ(tables_.MonthName(month, true), long_names[month - 1]) << month;
  }
  EXPECT_EQ(tables_.MonthNamesVersion(), 2u);  // one for the short names, one for the long

  EXPECT_EQ(tables_.MorningDesignator(), designators_.morning.substr(0, 2));
  EXPECT_EQ(tables_.AfternoonDesignator(), designators_.afternoon.substr(0, 2));
  EXPECT_EQ(tables_.DesignatorsVersion(), 1u);
  EXPECT_FALSE(tables_.IsOemCharacterSet());
}

TEST_P(AfterStartup, RussianButtonCaptions) {
  const std::string_view captions[] = {
      "&OK"_cp1251,        "&Да"_cp1251,           "&Нет"_cp1251,      "Пре&рвать"_cp1251,
      "&Повторить"_cp1251, "&Игнорировать"_cp1251, "&Отменить"_cp1251, "&Справка"_cp1251};
  for (int i = 0; i < kStandardButtonCount; ++i) {
    EXPECT_EQ(tables_.ButtonCaption(static_cast<StandardButton>(i)), captions[i]) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Systems, AfterStartup,
    ::testing::Values(SystemUnderTest{"ThisSystem", std::shared_ptr<const platform::OsLocale>(
                                                        &platform::SystemLocale(), [](auto*) {})},
                      SystemUnderTest{"ContrarySystem", ContraryOs()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProcessLocaleTables, IsOneInstanceWithTheSystemDesignators) {
  const platform::Designators system = platform::SystemLocale().UserDesignators();
  LocaleTables& tables = ProcessLocaleTables();
  EXPECT_EQ(&tables, &ProcessLocaleTables());
  ApplyLocaleSetting(tables, LocaleSetting::AmPmDesignators, "WINDOWS");
  EXPECT_EQ(tables.MorningDesignator(), system.morning.substr(0, 2));
  EXPECT_EQ(tables.AfternoonDesignator(), system.afternoon.substr(0, 2));
}

}  // namespace
}  // namespace app
