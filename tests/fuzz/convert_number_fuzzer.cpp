// ConvertNumber and the number reading under it, on any bytes, with the capacities the main
// window gives its variables. The first byte is what PrefixDigit held before, the next eleven
// what NEWNUM held, the rest is the entry.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "convert/convert_number.h"
#include "convert/fixed_text.h"
#include "convert/format_pattern.h"
#include "convert/read_number.h"
#include "tests/convert/prefix_by_value.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using convert::FixedText;
using fuzz::Require;

struct Texts {
  FixedText OLDNUM{10};
  FixedText NEWNUM{11};
  FixedText PrefixDigit{1};

  void Convert() { convert::ConvertNumber(OLDNUM, NEWNUM, PrefixDigit); }
  bool operator==(const Texts&) const = default;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether text is the pattern with a digit in each '#' position; `digits` receives them.
bool FilledPattern(std::string_view text, std::string_view pattern, std::string* digits) {
  if (text.size() != pattern.size()) return false;
  digits->clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (pattern[i] != '#') {
      if (text[i] != pattern[i]) return false;
    } else if (!IsDigit(text[i])) {
      return false;
    } else {
      *digits += text[i];
    }
  }
  return true;
}

// The entry as the conversion works on it, written out again here from the rule: trailing
// blanks and the nine separators gone.
std::string Stripped(std::string_view entry) {
  std::string kept;
  for (const char c : convert::ClipBlanks(entry)) {
    if (std::string_view("-=: ./+()").find(c) == std::string_view::npos) kept += c;
  }
  return kept;
}

bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

void CheckReading(std::string_view bytes) {
  const convert::Number number = convert::ReadNumber(bytes);
  Require(!(number.negative && number.IsZero()), "zero is never negative");
  const convert::Number integer = convert::IntegerPart(number);
  Require(convert::IntegerPart(integer) == integer, "the integer part is whole");
  Require(convert::ToInt32(integer) == convert::ToInt32(number),
          "ToInt32 depends on the integer part only");
  for (const std::string_view pattern : {"##-##-##", "###-##-##", "##-#"}) {
    Require(convert::FormatPattern(number, pattern).size() == pattern.size(),
            "a formatted number is as long as its pattern");
  }
  // Up to nine digits and nothing else: the value is the plain decimal one.
  if (!bytes.empty() && bytes.size() <= 9 && AllDigits(bytes)) {
    Require(convert::ToInt32(number) == std::stoi(std::string(bytes)),
            "a text of digits reads as its decimal value");
  }
}

void CheckConversion(std::string_view prefix_before, std::string_view new_before,
                     std::string_view entry) {
  Texts texts;
  texts.OLDNUM = entry;
  texts.NEWNUM = new_before;
  texts.PrefixDigit = prefix_before;
  const FixedText entered = texts.OLDNUM;
  texts.Convert();

  Require(texts.OLDNUM.Capacity() == 10 && texts.NEWNUM.Capacity() == 11 &&
              texts.PrefixDigit.Capacity() == 1,
          "the texts keep their capacities");

  // What NEWNUM held before never matters, nor do the entry's bytes past OLDNUM's capacity.
  Texts fresh;
  fresh.OLDNUM = entry.substr(0, 10);
  fresh.PrefixDigit = prefix_before;
  fresh.Convert();
  Require(fresh == texts, "the result depends on nothing but the entry's first ten bytes");

  const std::string stripped = Stripped(entered.Stored());
  if (stripped.size() < 4) {
    Require(texts.NEWNUM.Clipped() == stripped, "a short entry is copied to NEWNUM");
    Require(texts.PrefixDigit == FixedText(1, prefix_before), "a short entry keeps PrefixDigit");
    std::string digits;
    if (stripped.size() == 3) {
      Require(FilledPattern(texts.OLDNUM.Clipped(), "##-#", &digits) ||
                  texts.OLDNUM.Clipped() == "##-#",
              "a three-character entry shows as ##-#, or the pattern when it does not fit");
    } else {
      Require(texts.OLDNUM.Clipped() == stripped, "a shorter entry is only stripped");
    }
    return;
  }

  const char prefix = texts.PrefixDigit.Stored()[0];
  Require(prefix == ' ' || prefix == '2' || prefix == '4', "the prefix is 2, 4 or blank");
  if (AllDigits(stripped.substr(0, 3))) {
    Require(
        prefix == convert::testing::PrefixByValue(std::stoi(stripped.substr(0, 3))).value_or(' '),
        "the prefix is the table's for the first three digits");
  }

  std::string old_digits;
  std::string new_digits;
  const bool old_shown = FilledPattern(texts.OLDNUM.Stored(), "##-##-##  ", &old_digits);
  const bool new_shown = FilledPattern(texts.NEWNUM.Stored(), "###-##-##  ", &new_digits);
  Require(old_shown || texts.OLDNUM.Clipped() == "##-##-##",
          "OLDNUM shows ##-##-## filled with digits, or the pattern when they do not fit");
  Require(new_shown || texts.NEWNUM.Clipped() == "###-##-##",
          "NEWNUM shows ###-##-## filled with digits, or the pattern when they do not fit");

  // An entry of four to six digits shows as itself with zeros in front; the new number is the
  // prefix followed by the entry, brought to seven digits the same way.
  if (stripped.size() <= 6 && AllDigits(stripped)) {
    const auto padded = [](std::string digits, std::size_t length) {
      return std::string(length - digits.size(), '0') + digits;
    };
    Require(old_shown && old_digits == padded(stripped, 6), "OLDNUM shows the digits entered");
    const std::string joined = prefix == ' ' ? stripped : prefix + stripped;
    Require(new_shown && new_digits == padded(joined, 7),
            "NEWNUM shows the prefix and the digits entered");
  }

  // A result whose first three digits are the ones that chose the prefix converts to itself,
  // so converting twice (Enter) shows the same as once.
  if (old_shown && AllDigits(stripped.substr(0, 3)) &&
      old_digits.substr(0, 3) == stripped.substr(0, 3)) {
    Texts again = texts;
    again.Convert();
    Require(again == texts, "a second conversion of a six-digit result changes nothing");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckReading(bytes);
  if (bytes.size() < 12) {
    CheckConversion(" ", "", bytes);
  } else {
    CheckConversion(bytes.substr(0, 1), bytes.substr(1, 11), bytes.substr(12));
  }
  return 0;
}
