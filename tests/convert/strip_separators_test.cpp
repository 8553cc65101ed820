#include "convert/strip_separators.h"

#include <gtest/gtest.h>

#include <string>

namespace convert {
namespace {

using namespace std::string_literals;

TEST(StripSeparators, DropsTheNineSeparatorsAndKeepsEverythingElseInPlace) {
  struct Case {
    std::string text;
    std::string stripped;
  };
  const Case cases[] = {
      {"", ""},
      {"12-34-56", "123456"},
      {"(812) 345.67/8+9=0:1", "812345678901"},
      {"  12 34 56   ", "123456"},
      {"-=: ./+()", ""},
      {"      ", ""},
      {"1,2\t3_a\xC0\xFF"s, "1,2\t3_a\xC0\xFF"s},
      {"1\0-2"s, "1\0002"s},
      {"12\t  ", "12\t"},  // the TAB ends the clipping and survives
      {"\t-\t", "\t\t"},
  };
  for (const Case& c : cases) EXPECT_EQ(StripSeparators(c.text), c.stripped) << c.text;
}

TEST(StripSeparators, EveryByteValue) {
  const std::string separators = "-=: ./+()";
  for (int value = 0; value < 256; ++value) {
    const char byte = static_cast<char>(value);
    const bool is_separator = separators.find(byte) != std::string::npos;
    const std::string text = "1"s + byte + "2";
    EXPECT_EQ(StripSeparators(text), is_separator ? "12"s : text) << "byte " << value;
  }
}

TEST(StripSeparators, KeepsTheFirstThousandSurvivorsOfALongText) {
  EXPECT_EQ(StripSeparators(std::string(1500, '7')), std::string(kStripCapacity, '7'));

  std::string interleaved;
  for (int i = 0; i < 1500; ++i) {
    interleaved += '-';
    interleaved += static_cast<char>('0' + i % 10);
  }
  const std::string stripped = StripSeparators(interleaved);
  ASSERT_EQ(stripped.size(), kStripCapacity);
  EXPECT_EQ(stripped.substr(0, 12), "012345678901");

  EXPECT_EQ(StripSeparators(std::string(999, 'a') + std::string(5000, '-') + "bc"),
            std::string(999, 'a') + "b");
  EXPECT_EQ(StripSeparators(std::string(5000, ' ') + "(812)" + std::string(5000, '.') + "34-56"),
            "8123456");
}

}  // namespace
}  // namespace convert
