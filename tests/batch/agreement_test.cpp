// The converter and the window's ConvertNumber give the same new number for every one of the
// million six-digit numbers, in each of the three written forms.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "convert/convert_number.h"
#include "convert/fixed_text.h"
#include "tests/batch/memory_files.h"

namespace batch {
namespace {

constexpr int kNumbers = 1000000;

struct WindowResult {
  std::string new_number;  // "###-##-##" as the window shows it
  bool has_prefix;
};

WindowResult ConvertInWindow(const char* digits) {
  convert::FixedText OLDNUM(10, digits);
  convert::FixedText NEWNUM(11);
  convert::FixedText PrefixDigit(1, " ");
  convert::ConvertNumber(OLDNUM, NEWNUM, PrefixDigit);
  return {std::string(NEWNUM.Clipped()), PrefixDigit.Stored() != " "};
}

std::string Written(std::string dashed, NumberForm form) {
  if (form == NumberForm::kDashed) return dashed;
  std::string written;
  for (const char c : dashed) {
    if (c != '-')
      written += c;
    else if (form == NumberForm::kSpaced)
      written += ' ';
  }
  return written;
}

class Agreement : public ::testing::TestWithParam<NumberForm> {};

TEST_P(Agreement, EveryOldNumberGetsTheWindowsNewNumber) {
  const NumberForm form = GetParam();
  std::string input;
  std::string expected;
  input.reserve(kNumbers * 9);
  expected.reserve(kNumbers * 10);
  std::uint64_t with_prefix = 0;
  for (int n = 0; n < kNumbers; ++n) {
    char digits[7];
    std::snprintf(digits, sizeof digits, "%06d", n);
    const WindowResult window = ConvertInWindow(digits);
    const std::string old_dashed = {digits[0], digits[1], '-',       digits[2],
                                    digits[3], '-',       digits[4], digits[5]};
    input += Written(old_dashed, form) + '\n';
    // Without a prefix digit the window shows the old digits behind a zero; the converter
    // leaves such a number as it is.
    if (window.has_prefix) {
      ++with_prefix;
      expected += Written(window.new_number, form) + '\n';
    } else {
      ASSERT_EQ(window.new_number, std::string("0") + digits[0] + digits[1] + '-' + digits[2] +
                                       digits[3] + '-' + digits[4] + digits[5]);
      expected += Written(old_dashed, form) + '\n';
    }
  }

  TextScope scope;
  const testing::Converted converted = testing::ConvertBytes(input, scope, FormSet().With(form));
  ASSERT_EQ(converted.outcome.status, RenumberOutcome::Status::kDone);
  EXPECT_EQ(converted.outcome.tally.converted, with_prefix);
  EXPECT_EQ(converted.outcome.tally.without_new_number, kNumbers - with_prefix);
  ASSERT_EQ(converted.output.size(), expected.size());
  // Compared line by line, so a disagreement names its number.
  for (std::size_t at = 0, line = 0; at < expected.size(); ++line) {
    const std::size_t end = expected.find('\n', at) + 1;
    ASSERT_EQ(converted.output.substr(at, end - at), expected.substr(at, end - at))
        << "number " << line;
    at = end;
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, Agreement,
                         ::testing::Values(NumberForm::kBare, NumberForm::kDashed,
                                           NumberForm::kSpaced),
                         [](const ::testing::TestParamInfo<NumberForm>& info) {
                           switch (info.param) {
                             case NumberForm::kBare:
                               return std::string("Bare");
                             case NumberForm::kDashed:
                               return std::string("Dashed");
                             case NumberForm::kSpaced:
                               return std::string("Spaced");
                           }
                           return std::string();
                         });

}  // namespace
}  // namespace batch
