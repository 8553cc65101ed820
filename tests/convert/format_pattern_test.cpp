#include "convert/format_pattern.h"

#include <gtest/gtest.h>

#include <string>

namespace convert {
namespace {

TEST(FormatPattern, RoundsByTheFirstDecimalAndFillsTheDigitPositions) {
  struct Case {
    std::string number;
    std::string pattern;
    std::string shown;
  };
  const Case cases[] = {
      {"0", "##-##-##", "00-00-00"},
      {"", "###-##-##", "000-00-00"},
      {"123456", "##-##-##", "12-34-56"},
      {"1234", "##-##-##", "00-12-34"},
      {"4123456", "###-##-##", "412-34-56"},
      {"12.45", "##-##-##", "00-00-12"},
      {"12.5", "##-##-##", "00-00-13"},
      {"12.49999", "##", "12"},
      {"0.5", "##-#", "00-1"},
      {"0.4999", "##-#", "00-0"},
      {"999", "##-#", "99-9"},
      {"999.5", "##-#", "##-#"},
      {"1000", "##-#", "##-#"},
      {"999999.4", "##-##-##", "99-99-99"},
      {"999999.5", "##-##-##", "##-##-##"},
      {"999999.5", "###-##-##", "100-00-00"},
      {"1234567", "##-##-##", "##-##-##"},
      {"12345678", "###-##-##", "###-##-##"},
      // No sign position: a negative number shows as its magnitude.
      {"-123456", "##-##-##", "12-34-56"},
      {"-0.5", "##", "01"},
      {"7", "(#)", "(7)"},
      {"5", "", ""},
      {"0", "", ""},
      // The carry out of 32 nines needs a 33rd digit.
      {std::string(32, '9') + ".5", std::string(32, '#'), std::string(32, '#')},
      {std::string(32, '9') + ".5", std::string(33, '#'), "1" + std::string(32, '0')},
      {"42", std::string(40, '#'), std::string(38, '0') + "42"},
  };
  for (const Case& c : cases) {
    const std::string shown = FormatPattern(ReadNumber(c.number), c.pattern);
    EXPECT_EQ(shown, c.shown) << c.number << " through " << c.pattern;
    EXPECT_EQ(shown.size(), c.pattern.size());
  }
}

}  // namespace
}  // namespace convert
