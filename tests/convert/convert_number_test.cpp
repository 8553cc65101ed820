#include "convert/convert_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/convert/conversion_texts.h"
#include "tests/convert/prefix_by_value.h"

namespace convert {
namespace {

using testing::ConversionTexts;

// The texts after a conversion, without their trailing blanks; a PrefixDigit of nothing means
// the conversion left it as it was.
struct Outcome {
  std::string OLDNUM;
  std::string NEWNUM;
  std::optional<char> PrefixDigit;
};

void ExpectOutcome(const ConversionTexts& texts, const Outcome& expected, char prefix_before,
                   const std::string& context) {
  // Comparing whole FixedTexts checks the blank padding up to each capacity as well.
  EXPECT_EQ(texts.OLDNUM, FixedText(10, expected.OLDNUM)) << context;
  EXPECT_EQ(texts.NEWNUM, FixedText(11, expected.NEWNUM)) << context;
  const char prefix = expected.PrefixDigit.value_or(prefix_before);
  EXPECT_EQ(texts.PrefixDigit, FixedText(1, std::string(1, prefix))) << context;
}

constexpr std::nullopt_t kUnchanged = std::nullopt;

TEST(ConvertNumber, TableOfOldNumbers) {
  struct Case {
    std::string OLDNUM;
    Outcome after;
  };
  const Case cases[] = {
      {"", {"", "", kUnchanged}},
      {"5", {"5", "5", kUnchanged}},
      {"12", {"12", "12", kUnchanged}},
      {"100", {"10-0", "100", kUnchanged}},
      {"1-2", {"12", "12", kUnchanged}},
      {"12-3", {"12-3", "123", kUnchanged}},
      {"1234", {"00-12-34", "004-12-34", '4'}},
      {"12345", {"01-23-45", "041-23-45", '4'}},
      {"123456", {"12-34-56", "412-34-56", '4'}},
      {"12-34-56", {"12-34-56", "412-34-56", '4'}},
      {"12 34 56", {"12-34-56", "412-34-56", '4'}},
      {"234567", {"23-45-67", "223-45-67", '2'}},
      {"999999", {"99-99-99", "299-99-99", '2'}},
      {"812345", {"81-23-45", "081-23-45", ' '}},
      {"012345", {"01-23-45", "001-23-45", ' '}},
      {"099999", {"09-99-99", "009-99-99", ' '}},
      {"100000", {"10-00-00", "410-00-00", '4'}},
      {"170999", {"17-09-99", "417-09-99", '4'}},
      {"171000", {"17-10-00", "017-10-00", ' '}},
      {"180000", {"18-00-00", "218-00-00", '2'}},
      {"000000", {"00-00-00", "000-00-00", ' '}},
      {"12AB56", {"00-00-12", "000-00-12", ' '}},
      {"ABCD", {"00-00-00", "000-00-00", ' '}},
      {"(812)3456", {"##-##-##", "812-34-56", ' '}},
      {"1234567", {"##-##-##", "###-##-##", '4'}},
      {"12,5", {"00-00-13", "000-00-13", ' '}},
      {"1e5", {"##-#", "1e5", kUnchanged}},
      // Ten stripped characters fill NEWNUM exactly behind the prefix digit.
      {"1234567890", {"##-##-##", "###-##-##", '4'}},
      {"12-34-5678", {"##-##-##", "###-##-##", '4'}},
      {"8123456", {"##-##-##", "812-34-56", ' '}},
      // A TAB is no separator: it is kept, and skipped as white space when read.
      {"\t123456", {"12-34-56", "012-34-56", ' '}},
      // The first three characters read as nine thousand million, beyond every range.
      {"9e9999", {"00-00-00", "000-00-00", ' '}},
      {"          ", {"", "", kUnchanged}},
      {"-- ()", {"", "", kUnchanged}},
  };
  // Each case starts from every PrefixDigit an earlier call can leave, and from one it cannot,
  // so a digit that leaks from before or a short entry that touches it shows.
  for (const char prefix_before : {' ', '2', '4', '7'}) {
    for (const Case& c : cases) {
      ConversionTexts texts;
      texts.PrefixDigit = std::string(1, prefix_before);
      texts.Convert(c.OLDNUM);
      ExpectOutcome(texts, c.after, prefix_before,
                    "OLDNUM \"" + c.OLDNUM + "\", PrefixDigit before '" + prefix_before + "'");
    }
  }
}

TEST(ConvertNumber, FirstThreeDigitsAtTheRangeBounds) {
  struct Case {
    std::string first_three;
    char prefix;
  };
  const Case cases[] = {
      {"100", '4'}, {"109", '4'}, {"130", '4'}, {"170", '4'}, {"199", '4'}, {"110", '2'},
      {"117", '2'}, {"129", '2'}, {"180", '2'}, {"189", '2'}, {"999", '2'}, {"099", ' '},
      {"171", ' '}, {"179", ' '}, {"800", ' '}, {"899", ' '},
  };
  for (const Case& c : cases) {
    ConversionTexts texts;
    texts.Convert(c.first_three + "456");
    ExpectOutcome(texts,
                  {c.first_three.substr(0, 2) + "-" + c.first_three[2] + "4-56",
                   (c.prefix == ' ' ? '0' : c.prefix) + c.first_three.substr(0, 2) + "-" +
                       c.first_three[2] + "4-56",
                   c.prefix},
                  ' ', c.first_three);
  }
}

// The conversion applied again to its own output: six digits and short entries come back the
// same; four and five digits gain zeros in front, which changes the first three characters.
TEST(ConvertNumber, ConvertingItsOwnOutputAgain) {
  struct Case {
    std::string OLDNUM;
    Outcome first;
    Outcome second;
  };
  const Case cases[] = {
      {"1234", {"00-12-34", "004-12-34", '4'}, {"00-12-34", "000-12-34", ' '}},
      {"12345", {"01-23-45", "041-23-45", '4'}, {"01-23-45", "001-23-45", ' '}},
      {"234567", {"23-45-67", "223-45-67", '2'}, {"23-45-67", "223-45-67", '2'}},
      {"812345", {"81-23-45", "081-23-45", ' '}, {"81-23-45", "081-23-45", ' '}},
      {"100", {"10-0", "100", kUnchanged}, {"10-0", "100", kUnchanged}},
      {"12", {"12", "12", kUnchanged}, {"12", "12", kUnchanged}},
      {"1234567", {"##-##-##", "###-##-##", '4'}, {"00-00-00", "000-00-00", ' '}},
  };
  for (const Case& c : cases) {
    ConversionTexts texts;
    texts.PrefixDigit = "7";
    texts.Convert(c.OLDNUM);
    ExpectOutcome(texts, c.first, '7', "first call on " + c.OLDNUM);
    const char prefix_between = texts.PrefixDigit.Stored()[0];
    texts.Convert();
    ExpectOutcome(texts, c.second, prefix_between, "second call on " + c.OLDNUM);
  }
}

// Every six-digit old number: the new number is its prefix digit, or a zero when the first
// three digits are in no range, followed by the old digits.
TEST(ConvertNumber, EverySixDigitNumber) {
  ConversionTexts texts;
  int failures = 0;
  for (int value = 0; value < 1'000'000 && failures < 10; ++value) {
    std::string digits = std::to_string(value);
    digits.insert(0, 6 - digits.size(), '0');
    texts.Convert(digits);

    const std::optional<char> prefix = testing::PrefixByValue(value / 1000);
    const std::string old_shown =
        digits.substr(0, 2) + "-" + digits.substr(2, 2) + "-" + digits.substr(4, 2) + "  ";
    const std::string new_shown = prefix.value_or('0') + digits.substr(0, 2) + "-" +
                                  digits.substr(2, 2) + "-" + digits.substr(4, 2) + "  ";
    if (texts.OLDNUM.Stored() != old_shown || texts.NEWNUM.Stored() != new_shown ||
        texts.PrefixDigit.Stored()[0] != prefix.value_or(' ')) {
      ++failures;
      ADD_FAILURE() << digits << " gave \"" << texts.OLDNUM.Stored() << "\", \""
                    << texts.NEWNUM.Stored() << "\", '" << texts.PrefixDigit.Stored() << "'";
    }
  }
}

}  // namespace
}  // namespace convert
