#include "convert/read_number.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>

namespace convert {
namespace {

using namespace std::string_literals;

// The number as plain decimal text ("-12.5", "0"), written from its digits alone.
std::string Decimal(const Number& number) {
  std::string whole;
  for (std::size_t k = Number::kDigits; k-- > 0;) {
    if (!whole.empty() || number.whole[k] != 0) whole += static_cast<char>('0' + number.whole[k]);
  }
  std::string fraction;
  for (const std::uint8_t digit : number.fraction) fraction += static_cast<char>('0' + digit);
  fraction.erase(fraction.find_last_not_of('0') + 1);
  std::string decimal = number.negative ? "-" : "";
  decimal += whole.empty() ? "0" : whole;
  if (!fraction.empty()) decimal.append(".").append(fraction);
  return decimal;
}

struct ReadCase {
  std::string text;
  std::string value;
};

void ExpectReads(const ReadCase& c) {
  EXPECT_EQ(Decimal(ReadNumber(c.text)), c.value) << "text \"" << c.text << "\"";
}

TEST(ReadNumber, ReadsTheLeadingNumberOfAText) {
  const ReadCase cases[] = {
      {"", "0"},
      {"      ", "0"},
      {"7", "7"},
      {" \t\n\v\f\r7", "7"},
      {"  -3  ", "-3"},
      {"007", "7"},
      {"12AB56", "12"},
      {"1 2", "1"},
      {"12,5", "12.5"},
      {"12.5", "12.5"},
      {".5", "0.5"},
      {",5", "0.5"},
      {"5.", "5"},
      {"1.2.3", "1.2"},
      {"12\0005"s, "12"},
      {"-12.5", "-12.5"},
      {"999999.5", "999999.5"},
      {"0.123456789012345678901234567890123456", "0.12345678901234567890123456789012"},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
}

TEST(ReadNumber, TextsWithoutAMantissaDigitReadAsZero) {
  const ReadCase cases[] = {
      {"abc", "0"},
      {"-", "0"},
      {"--5", "0"},
      {"+5", "0"},
      {"- 5", "0"},
      {"-0", "0"},
      {"e5", "0"},
      {".e5", "0"},
      {"-.", "0"},
      {"\xA0"
       "5",
       "0"},
      {"\0005"s, "0"},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
}

TEST(ReadNumber, Exponents) {
  const ReadCase cases[] = {
      {"1e5", "100000"},
      {"1E5", "100000"},
      {"1e+3", "1000"},
      {"5e", "5"},
      {"5e+", "5"},
      {"5e-", "5"},
      {"5 e5", "5"},
      {"1e1.5", "10"},
      {"1e-0", "1"},
      {"1e0005", "100000"},
      {"2.5e-1", "0.25"},
      {"12345e-2", "123.45"},
      {"1,2e1", "12"},
      {"0.0001e4", "1"},
      {"-1.5e1", "-15"},
      {"9e9", "9000000000"},
      {"1e" + std::string(100, '0') + "3", "1000"},
      {"1e-32", "0.00000000000000000000000000000001"},
      {"1e-33", "0"},
      {"-1e-33", "0"},
      {"1e99999999999999999999", "0"},
      {"1e-99999999999", "0"},
      {"1e-99999999999999999999999999999999", "0"},
      {"0e99999999999999999999", "0"},
      {"1" + std::string(40, '0') + "e-20", "1" + std::string(20, '0')},
      {"0." + std::string(40, '0') + "1e45", "10000"},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
}

TEST(ReadNumber, ThirtyTwoDigitsBeforeThePointAndNoMore) {
  const ReadCase cases[] = {
      {std::string(32, '9'), std::string(32, '9')},
      {std::string(33, '9'), "0"},
      {"-" + std::string(33, '9'), "0"},
      {"1e31", "1" + std::string(31, '0')},
      {"1e32", "0"},
      {std::string(32, '9') + ".99", std::string(32, '9') + ".99"},
      {std::string(20, '0') + std::string(32, '1'), std::string(32, '1')},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
}

TEST(ReadNumber, TextsOfThousandsOfCharacters) {
  // Literals as std::string on the left: GCC 12 at -O3 takes `"1" + zeros` for an overlapping
  // copy.
  const std::string zeros(5000, '0');
  const std::string twos(5000, '2');
  const ReadCase cases[] = {
      {zeros + "5", "5"},
      {"1"s + zeros, "0"},
      {"1."s + twos, "1."s.append(32, '2')},
      {"0."s + zeros + "1", "0"},
      {"0."s + zeros + "1e5001", "1"},
      {"1"s + zeros + "e-4990", "1"s.append(10, '0')},
      {std::string(5000, ' ') + "42", "42"},
      {"42" + std::string(5000, 'x'), "42"},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
}

// The value read from `byte` followed by "5".
std::string ValueWithLeading(char byte) {
  if (byte >= '1' && byte <= '9') return {byte, '5'};
  if (byte == '0' || std::string_view(" \t\n\v\f\r").find(byte) != std::string_view::npos) {
    return "5";
  }
  if (byte == '-') return "-5";
  if (byte == '.' || byte == ',') return "0.5";
  return "0";
}

// The value read from "5", `byte`, "5".
std::string ValueWithInner(char byte) {
  if (byte >= '0' && byte <= '9') return {'5', byte, '5'};
  if (byte == '.' || byte == ',') return "5.5";
  if (byte == 'e' || byte == 'E') return "500000";
  return "5";
}

// Every byte in front of and inside a number: only the listed characters take part, whatever
// the byte's value above 127.
TEST(ReadNumber, EveryByteValue) {
  for (int value = 0; value < 256; ++value) {
    const char byte = static_cast<char>(value);
    EXPECT_EQ(Decimal(ReadNumber(byte + "5"s)), ValueWithLeading(byte)) << "byte " << value;
    EXPECT_EQ(Decimal(ReadNumber("5"s + byte + "5")), ValueWithInner(byte)) << "byte " << value;
  }
}

TEST(IntegerPart, DropsTheDecimalPlacesTowardsZero) {
  const ReadCase cases[] = {
      {"12.9", "12"}, {"-12.9", "-12"}, {"-0.5", "0"},
      {"7", "7"},     {"0.99", "0"},    {std::string(32, '9') + ".9", std::string(32, '9')},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(Decimal(IntegerPart(ReadNumber(c.text))), c.value) << c.text;
  }
  EXPECT_EQ(IntegerPart(ReadNumber("-0.5")), ReadNumber("0"));
}

TEST(ToInt32, SaturatesToTheInt32Range) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  struct Case {
    std::string text;
    std::int32_t value;
  };
  const Case cases[] = {
      {"", 0},
      {"12.9", 12},
      {"-12.9", -12},
      {"2147483647", kMax},
      {"2147483648", kMax},
      {"4294967296", kMax},
      {"-2147483647", -2147483647},
      {"-2147483648", kMin},
      {"-2147483649", kMin},
      {"1e31", kMax},
      {"-1e31", kMin},
      {std::string(32, '9'), kMax},
      {"-" + std::string(32, '9'), kMin},
  };
  for (const Case& c : cases) EXPECT_EQ(ToInt32(ReadNumber(c.text)), c.value) << c.text;
}

}  // namespace
}  // namespace convert
