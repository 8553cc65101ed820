#include "app/locale_setting.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

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

class LocaleSettingTest : public ::testing::Test {
 protected:
  LocaleSettingTest() {
    // A system alphabet unlike the Russian one, so that falling back to it shows.
    os_.capitals = {{'Q', 'q'}, {0xC1, 0xE1}, {0xAA, 0xBA}};
  }

  void Apply(LocaleSetting setting, std::string_view value) {
    ApplyLocaleSetting(tables_, setting, value, os_);
  }

  std::vector<std::pair<int, int>> PairsWith(std::vector<std::pair<int, int>> extra) {
    auto pairs = AsciiLetterPairs();
    pairs.insert(pairs.end(), extra.begin(), extra.end());
    return pairs;
  }

  testing::FakeOsLocale os_;
  LocaleTables tables_{std::string("\xE4\xEF\xF0"), std::string("\xEF\xEF")};
};

// --- The value: its cut, its clipping, its leading blanks ---------------------------------

TEST_F(LocaleSettingTest, LeadingBlanksAndTabsAreSkippedAndTrailingBlanksClipped) {
  Apply(LocaleSetting::ButtonCaptions, " \t  &Да \t  "_cp1251);
  EXPECT_EQ(tables_.ButtonCaption(StandardButton::Ok), "&Да \t"_cp1251);
  // Blanks inside an item and after a comma belong to the item.
  Apply(LocaleSetting::ButtonCaptions, "x, &Да ,z"_cp1251);
  EXPECT_EQ(tables_.ButtonCaption(StandardButton::Yes), " &Да "_cp1251);
}

TEST_F(LocaleSettingTest, OnlyTheFirst299CharactersCountAndAreClippedAfterTheCut) {
  Apply(LocaleSetting::ButtonCaptions, ",,,,,,," + std::string(400, 'x'));
  EXPECT_EQ(tables_.ButtonCaption(StandardButton::Help), std::string(292, 'x'));
  // Cut to its first 299 characters the value ends in a blank, which is clipped.
  Apply(LocaleSetting::ButtonCaptions, std::string(298, 'a') + " b");
  EXPECT_EQ(tables_.ButtonCaption(StandardButton::Ok), std::string(298, 'a'));
}

// --- CaseTable --------------------------------------------------------------------------------

TEST_F(LocaleSettingTest, CaseTablePairsTheTwoAlphabetsByPosition) {
  Apply(LocaleSetting::CaseTable, "ЖЁ,жё"_cp1251);
  ExpectLetterPairs(tables_, PairsWith({{0xC6, 0xE6}, {0xA8, 0xB8}}));
}

TEST_F(LocaleSettingTest, CaseTablePassesOverPairsWithAnAsciiCharacter) {
  Apply(LocaleSetting::CaseTable, "AЖ1,bжZ"_cp1251);
  ExpectLetterPairs(tables_, PairsWith({{0xC6, 0xE6}}));
  EXPECT_EQ(tables_.ToLower('A'), 'a');
}

struct SystemAlphabetCase {
  const char* name;
  std::string_view value;
};

class CaseTableFallback : public LocaleSettingTest,
                          public ::testing::WithParamInterface<SystemAlphabetCase> {};

TEST_P(CaseTableFallback, TakesTheSystemAlphabet) {
  Apply(LocaleSetting::CaseTable, "Ж,ж"_cp1251);
  Apply(LocaleSetting::CaseTable, GetParam().value);
  ExpectLetterPairs(tables_, PairsWith({{0xC1, 0xE1}, {0xAA, 0xBA}}));
}

INSTANTIATE_TEST_SUITE_P(Values, CaseTableFallback,
                         ::testing::Values(SystemAlphabetCase{"Windows", "WINDOWS"},
                                           SystemAlphabetCase{"WindowsInSmallLetters", "windows"},
                                           SystemAlphabetCase{"WindowsAfterBlanks", " \tWinDows  "},
                                           SystemAlphabetCase{"LengthsDiffer", "ЖЗ,ж"_cp1251},
                                           SystemAlphabetCase{"NoSmallLetters", "ЖЗ"_cp1251},
                                           SystemAlphabetCase{"NoCapitals", ",жз"_cp1251},
                                           SystemAlphabetCase{"BothEmpty", ","}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LocaleSettingTest, CaseTableCutsEachAlphabetTo128CharactersBeforeComparingLengths) {
  // 129 capitals against 128 small letters: equal lengths once cut, so no fallback.
  const std::string upper = "\xC0" + std::string(127, 'Q') + "\xC2";
  const std::string lower = "\xE0" + std::string(127, 'q');
  Apply(LocaleSetting::CaseTable, upper + "," + lower);
  ExpectLetterPairs(tables_, PairsWith({{0xC0, 0xE0}}));
}

TEST_F(LocaleSettingTest, EmptyCaseTableResetsTheDefaults) {
  for (const char* empty : {"", "   ", " \t "}) {
    Apply(LocaleSetting::CaseTable, "Ж,ж"_cp1251);
    Apply(LocaleSetting::CaseTable, empty);
    ExpectLetterPairs(tables_, AsciiLetterPairs());
  }
}

TEST_F(LocaleSettingTest, CaseTableKeepsPartnersInPairsWhateverTheValue) {
  // 'Ж' is offered two small letters, and 'Ы' is offered itself: the first pairing wins
  // and a character is never its own partner.
  Apply(LocaleSetting::CaseTable, "ЖЖЫ,жзЫ"_cp1251);
  ExpectLetterPairs(tables_, PairsWith({{0xC6, 0xE6}}));
  Apply(LocaleSetting::CaseTable, "ЖЗ,жж"_cp1251);
  ExpectLetterPairs(tables_, PairsWith({{0xC6, 0xE6}}));
}

// --- CharacterSet and OEM values --------------------------------------------------------------

TEST_F(LocaleSettingTest, CharacterSetIsOemOnlyForItem0Oem) {
  const std::pair<const char*, bool> cases[] = {
      {"OEM", true},   {"oem", true},      {"  OeM", true}, {"OEM,ANSI", true}, {"ANSI", false},
      {"OEMX", false}, {"WINDOWS", false}, {"", false},     {" ,OEM", false}};
  for (const auto& [value, oem] : cases) {
    Apply(LocaleSetting::CharacterSet, value);
    EXPECT_EQ(tables_.IsOemCharacterSet(), oem) << value;
  }
}

TEST_F(LocaleSettingTest, OemValuesAreReadAsCodePage866) {
  Apply(LocaleSetting::CharacterSet, "OEM");
  // "Янв,Фев" and "Ж,ж" in code page 866.
  Apply(LocaleSetting::ShortMonthNames, "\x9F\xAD\xA2,\x94\xA5\xA2");
  EXPECT_EQ(tables_.MonthName(1, false), "Янв"_cp1251);
  EXPECT_EQ(tables_.MonthName(2, false), "Фев"_cp1251);
  Apply(LocaleSetting::CaseTable, "\x86,\xA6");
  ExpectLetterPairs(tables_, PairsWith({{0xC6, 0xE6}}));
  Apply(LocaleSetting::CharacterSet, "ANSI");
  Apply(LocaleSetting::ShortMonthNames, "\x9F\xAD\xA2");
  EXPECT_EQ(tables_.MonthName(1, false), "\x9F\xAD\xA2");
}

TEST_F(LocaleSettingTest, CollationSequenceIsNeverReadAsOem) {
  Apply(LocaleSetting::CharacterSet, "OEM");
  Apply(LocaleSetting::CollationSequence, "\xA0\x80");
  ExpectAscending(tables_, {"\xA0", "\x80"});
  ExpectAscending(tables_, {"\xC0", "\xE0"});
}

// --- CollationSequence ------------------------------------------------------------------------

TEST_F(LocaleSettingTest, ListedCharactersTakeTheirOwnCodesInTheListedOrder) {
  Apply(LocaleSetting::CollationSequence, "zyA");
  // 'z' takes the smallest of the three codes, 'A''s; the others keep their places.
  ExpectAscending(tables_, {"@", "z", "B", "Y", "Z", "x", "y", "A", "{", "~"});
  ExpectEveryCharacterDistinct(tables_);
}

TEST_F(LocaleSettingTest, RepeatedCharactersCountAtTheirFirstPlaceAndCommasAreCharacters) {
  Apply(LocaleSetting::CollationSequence, "b,ab");
  ExpectAscending(tables_, {"+", "b", "-", "`", ",", "a", "c"});
  ExpectEveryCharacterDistinct(tables_);
}

TEST_F(LocaleSettingTest, TheFull222CharacterFormGivesTheWeightsInTurn) {
  // Every code 32..126 and 128..254: 254, then the blank (which may neither lead nor end the
  // value), then 253 down to 128 and 126 down to 33.
  std::string sequence = "\xFE ";
  for (int c = 253; c >= 128; --c) sequence += Char(c);
  for (int c = 126; c >= 33; --c) sequence += Char(c);
  ASSERT_EQ(sequence.size(), 222u);
  Apply(LocaleSetting::CollationSequence, sequence);
  // 254 weighs 32, the blank 33, 253 34, ..., 161 126, 160 128, ..., 128 160, '~' 161, ...,
  // '!' 254; the codes 0..31, 127 and 255 keep theirs.
  ExpectAscending(tables_,
                  {"\x1F", "\xFE", " ", "\xFD", "\xA1", "\x7F", "\xA0", "\x80", "~", "!", "\xFF"});
  ExpectEveryCharacterDistinct(tables_);
}

TEST_F(LocaleSettingTest, A222CharacterSequenceOfOtherCodesStillOrdersOnlyItsOwnCodes) {
  // 222 distinct characters, from 254 down to 5, with control codes among them and without
  // the blank, 127 and the letters A..Z.
  std::string sequence;
  for (int c = 254; c >= 1 && sequence.size() < 222; --c) {
    if (c != 127 && c != 32 && !(c >= 'A' && c <= 'Z')) sequence += Char(c);
  }
  ASSERT_EQ(sequence.size(), 222u);
  Apply(LocaleSetting::CollationSequence, sequence);
  ExpectEveryCharacterDistinct(tables_);
  // The listed characters are reversed on their own codes (254 takes 5, 5 takes 254); the
  // others keep theirs.
  ExpectAscending(tables_, {"\x04", "\xFE", " ", "A", "Z", "\x7F", "@", "\x05", "\xFF"});
}

TEST_F(LocaleSettingTest, EmptyCollationSequenceRestoresTheCodes) {
  Apply(LocaleSetting::CollationSequence, "zyx");
  Apply(LocaleSetting::CollationSequence, "  ");
  ExpectAscending(tables_, {"x", "y", "z"});
}

TEST_F(LocaleSettingTest, WindowsCollationFollowsTheSystemRanking) {
  os_.compare = [](unsigned char a, unsigned char b) { return int(b) - int(a); };
  Apply(LocaleSetting::CollationSequence, "Windows");
  // Code 0 stays first and 255, outside the ranked codes, last.
  ExpectAscending(tables_, {Char(0), "\xFE", "\xFD", "B", "A", "\x01", "\xFF"});
}

TEST_F(LocaleSettingTest, WindowsCollationKeepsEqualRanksInCodeOrder) {
  // Ranked by whether the code is odd: the even codes first, each group ascending.
  os_.compare = [](unsigned char a, unsigned char b) { return (a & 1) - (b & 1); };
  Apply(LocaleSetting::CollationSequence, "WINDOWS");
  ExpectAscending(tables_, {Char(0), "\x02", "\x04", "\xFE", "\x01", "\x03", "\xFD", "\xFF"});
}

TEST_F(LocaleSettingTest, WindowsCollationSurvivesAnInconsistentSystemComparison) {
  std::mt19937 random(7);
  os_.compare = [&random](unsigned char, unsigned char) { return int(random() % 3) - 1; };
  Apply(LocaleSetting::CollationSequence, "WINDOWS");
  ExpectEveryCharacterDistinct(tables_);
  ExpectAscending(tables_, {Char(0), "\x01", "\xFF"});
}

// --- Month names ------------------------------------------------------------------------------

TEST_F(LocaleSettingTest, MonthNamesChangeUpToTheFirstMissingOrEmptyItem) {
  Apply(LocaleSetting::ShortMonthNames, "Янв,Фев,Мар,Апр,Мая"_cp1251);
  EXPECT_EQ(tables_.MonthName(5, false), "Мая"_cp1251);
  EXPECT_EQ(tables_.MonthName(6, false), "Jun");
  EXPECT_EQ(tables_.MonthName(12, false), "Dec");
  Apply(LocaleSetting::LongMonthNames, "Январь,Февраль,,Апрель"_cp1251);
  EXPECT_EQ(tables_.MonthName(2, true), "Февраль"_cp1251);
  EXPECT_EQ(tables_.MonthName(3, true), "March");
  EXPECT_EQ(tables_.MonthName(4, true), "April");
  EXPECT_EQ(tables_.MonthNamesVersion(), 2u);
}

TEST_F(LocaleSettingTest, MonthNamesAreCutAndKeepTheirBlanks) {
  Apply(LocaleSetting::ShortMonthNames, "January, February");
  EXPECT_EQ(tables_.MonthName(1, false), "Jan");
  EXPECT_EQ(tables_.MonthName(2, false), " Fe");
  Apply(LocaleSetting::LongMonthNames, "Сентябрьский день,b,c,d,e,f,g,h,i,j,k,l,m"_cp1251);
  EXPECT_EQ(tables_.MonthName(1, true), "Сентябрьский"_cp1251);
  EXPECT_EQ(tables_.MonthName(12, true), "l");
}

TEST_F(LocaleSettingTest, AnEmptyMonthValueChangesNoNameButCountsAsASetting) {
  Apply(LocaleSetting::ShortMonthNames, "");
  EXPECT_EQ(tables_.MonthName(1, false), "Jan");
  EXPECT_EQ(tables_.MonthNamesVersion(), 1u);
}

// --- Designators ------------------------------------------------------------------------------

TEST_F(LocaleSettingTest, OneDesignatorItemChangesOnlyTheMorning) {
  Apply(LocaleSetting::AmPmDesignators, "утро"_cp1251);
  EXPECT_EQ(tables_.MorningDesignator(), "ут"_cp1251);
  EXPECT_EQ(tables_.AfternoonDesignator(), "PM");
  Apply(LocaleSetting::AmPmDesignators, "a,");
  EXPECT_EQ(tables_.MorningDesignator(), "a");
  EXPECT_EQ(tables_.AfternoonDesignator(), "PM");
  EXPECT_EQ(tables_.DesignatorsVersion(), 2u);
}

TEST_F(LocaleSettingTest, TwoDesignatorItemsAreEachCutToTwoCharacters) {
  Apply(LocaleSetting::AmPmDesignators, "утро,вечер"_cp1251);
  EXPECT_EQ(tables_.MorningDesignator(), "ут"_cp1251);
  EXPECT_EQ(tables_.AfternoonDesignator(), "ве"_cp1251);
  EXPECT_EQ(tables_.DesignatorsVersion(), 1u);
}

TEST_F(LocaleSettingTest, AnEmptyFirstDesignatorItemDoesNothing) {
  for (const char* value : {"", "  ", ",PM", " ,PM"}) {
    Apply(LocaleSetting::AmPmDesignators, value);
  }
  EXPECT_EQ(tables_.MorningDesignator(), "AM");
  EXPECT_EQ(tables_.AfternoonDesignator(), "PM");
  EXPECT_EQ(tables_.DesignatorsVersion(), 0u);
}

TEST_F(LocaleSettingTest, WindowsDesignatorsAreTheSystemOnesReadAtTheStart) {
  os_.designators = {"xx", "yy"};  // asked only when the tables are made
  Apply(LocaleSetting::AmPmDesignators, "a,p");
  Apply(LocaleSetting::AmPmDesignators, "windows,p");
  EXPECT_EQ(tables_.MorningDesignator(), "\xE4\xEF");
  EXPECT_EQ(tables_.AfternoonDesignator(), "\xEF\xEF");
  EXPECT_EQ(tables_.DesignatorsVersion(), 2u);
}

// --- Button captions --------------------------------------------------------------------------

TEST_F(LocaleSettingTest, EmptyCaptionItemsLeaveTheirButtonsAsTheyWere) {
  Apply(LocaleSetting::ButtonCaptions, "&OK,&Да"_cp1251);
  Apply(LocaleSetting::ButtonCaptions, ",,&Нет"_cp1251);
  EXPECT_EQ(tables_.ButtonCaption(StandardButton::Ok), "&OK");
  EXPECT_EQ(tables_.ButtonCaption(StandardButton::Yes), "&Да"_cp1251);
  EXPECT_EQ(tables_.ButtonCaption(StandardButton::No), "&Нет"_cp1251);
  EXPECT_EQ(tables_.ButtonCaption(StandardButton::Abort), "&Abort");
}

TEST_F(LocaleSettingTest, CaptionItemsBeyondTheEighthHaveNoButton) {
  Apply(LocaleSetting::ButtonCaptions, "1,2,3,4,5,6,7,8,9,10");
  EXPECT_EQ(tables_.ButtonCaption(StandardButton::Ok), "1");
  EXPECT_EQ(tables_.ButtonCaption(StandardButton::Help), "8");
}

}  // namespace
}  // namespace app
