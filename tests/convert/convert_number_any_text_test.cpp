// ConvertNumber on texts nobody would type: every byte value, separators only, pseudo-random
// bytes. Each must give the defined shape of result.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "tests/convert/conversion_texts.h"
#include "tests/convert/prefix_by_value.h"

namespace convert {
namespace {

using namespace std::string_literals;
using testing::ConversionTexts;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether text is pattern with digits in every '#' position, or the pattern itself.
bool ShowsThrough(std::string_view text, std::string_view pattern) {
  if (text == pattern) return true;
  if (text.size() != pattern.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (pattern[i] == '#' ? !IsDigit(text[i]) : text[i] != pattern[i]) return false;
  }
  return true;
}

// The entry as the conversion sees it: trailing blanks and the nine separators removed.
std::string Stripped(std::string_view entry) {
  std::string kept;
  for (const char c : ClipBlanks(entry)) {
    if (std::string_view("-=: ./+()").find(c) == std::string_view::npos) kept += c;
  }
  return kept;
}

std::string ByteValues(std::string_view text) {
  std::string values;
  for (const char c : text) {
    values += ' ';
    values += std::to_string(static_cast<unsigned char>(c));
  }
  return values;
}

// Converts entry from a PrefixDigit the conversion never writes, and checks the shape of the
// result: the two patterns for an entry of four or more characters, with the table's digit
// when it starts with three digits; the entry itself in NEWNUM and PrefixDigit untouched for a
// shorter one.
void ExpectDefinedResult(const std::string& entry) {
  ConversionTexts texts;
  texts.PrefixDigit = "7";
  texts.Convert(entry);
  const std::string stripped = Stripped(
      texts.OLDNUM.Capacity() < entry.size() ? entry.substr(0, texts.OLDNUM.Capacity()) : entry);
  const std::string trace = std::string("entry of bytes").append(ByteValues(entry));

  if (stripped.size() >= 4) {
    EXPECT_TRUE(ShowsThrough(texts.OLDNUM.Stored(), "##-##-##  ")) << trace;
    EXPECT_TRUE(ShowsThrough(texts.NEWNUM.Stored(), "###-##-##  ")) << trace;
    const char prefix = texts.PrefixDigit.Stored()[0];
    EXPECT_TRUE(prefix == ' ' || prefix == '2' || prefix == '4') << trace;
    if (IsDigit(stripped[0]) && IsDigit(stripped[1]) && IsDigit(stripped[2])) {
      EXPECT_EQ(prefix, testing::PrefixByValue(std::stoi(stripped.substr(0, 3))).value_or(' '))
          << trace;
    }
  } else {
    EXPECT_EQ(texts.NEWNUM.Clipped(), stripped) << trace;
    EXPECT_EQ(texts.PrefixDigit.Stored(), "7") << trace;
    if (stripped.size() == 3) {
      EXPECT_TRUE(ShowsThrough(texts.OLDNUM.Stored(), "##-#      ")) << trace;
    } else {
      EXPECT_EQ(texts.OLDNUM.Clipped(), stripped) << trace;
    }
  }
}

TEST(ConvertNumberAnyText, EveryByteValueInEveryRole) {
  for (int value = 0; value < 256; ++value) {
    const char byte = static_cast<char>(value);
    for (const std::string& entry :
         {std::string(1, byte), std::string(3, byte), std::string(10, byte), "12"s + byte + "456",
          byte + "23456"s, "123"s + byte + byte + byte, "1"s + byte + "e" + byte + "9"}) {
      ExpectDefinedResult(entry);
    }
  }
}

TEST(ConvertNumberAnyText, SeparatorsOnly) {
  for (const std::string& entry :
       {"-"s, "  -  -  "s, "()()()()()"s, "-=: ./+()"s, "          "s, "+7 (812) -"s}) {
    ExpectDefinedResult(entry);
  }
  ConversionTexts texts;
  texts.Convert("-=: ./+()");
  EXPECT_EQ(texts.OLDNUM, FixedText(10));
  EXPECT_EQ(texts.NEWNUM, FixedText(11));
}

// Deterministic pseudo-random entries from bytes that matter to the reading (digits,
// separators, point, comma, exponent, white space) mixed with arbitrary ones.
TEST(ConvertNumberAnyText, PseudoRandomEntries) {
  constexpr std::string_view kInteresting = "0123456789-=: ./+(),eE\t\n";
  std::mt19937 engine(20240229);  // the engine's output sequence is fixed by the language
  for (int round = 0; round < 100'000; ++round) {
    std::string entry(engine() % 11, '\0');
    for (char& c : entry) {
      const std::uint32_t pick = engine();
      c = pick % 4 == 0 ? static_cast<char>(pick >> 8)
                        : kInteresting[(pick >> 8) % kInteresting.size()];
    }
    ExpectDefinedResult(entry);
    if (::testing::Test::HasFailure()) break;
  }
}

}  // namespace
}  // namespace convert
