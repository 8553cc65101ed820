// What is and is not an old number in running text, in the dashed form alone and with bare and
// spaced numbers too.
#include <gtest/gtest.h>

#include "tests/batch/memory_files.h"

namespace batch {
namespace {

using testing::ConvertText;

struct NumberCase {
  const char* input;
  const char* dashed_only;  // output in running text
  const char* all_forms;    // output with --plain
};

class OldNumberCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(OldNumberCases, ConvertsExactlyTheNumbersStandingAlone) {
  const NumberCase& c = GetParam();
  EXPECT_EQ(ConvertText(c.input), c.dashed_only) << c.input;
  EXPECT_EQ(ConvertText(c.input, FormSet::All()), c.all_forms) << c.input;
}

INSTANTIATE_TEST_SUITE_P(
    Table, OldNumberCases,
    ::testing::Values(
        // The three forms, at the very start and end of the input.
        NumberCase{"23-45-67", "223-45-67", "223-45-67"}, NumberCase{"234567", "234567", "2234567"},
        NumberCase{"23 45 67", "23 45 67", "223 45 67"},
        // Longer runs hold no old number.
        NumberCase{"1234567", "1234567", "1234567"},
        NumberCase{"23-45-678", "23-45-678", "23-45-678"},
        NumberCase{"123-45-67", "123-45-67", "123-45-67"},
        NumberCase{"1-23-45-67", "1-23-45-67", "1-23-45-67"},
        NumberCase{"812-23-45-67", "812-23-45-67", "812-23-45-67"},
        NumberCase{"23-45-67-89", "23-45-67-89", "23-45-67-89"},
        NumberCase{"12 34 56 78", "12 34 56 78", "12 34 56 78"},
        NumberCase{"1 23 45 67", "1 23 45 67", "1 23 45 67"},
        NumberCase{"23 45 67 8", "23 45 67 8", "23 45 67 8"},
        NumberCase{"23-4-567", "23-4-567", "23-4-567"},
        NumberCase{"2345678 234567 23456", "2345678 234567 23456", "2345678 2234567 23456"},
        // Codes and words in front.
        NumberCase{"(812) 23-45-67", "(812) 223-45-67", "(812) 223-45-67"},
        NumberCase{"+7 812 23-45-67", "+7 812 223-45-67", "+7 812 223-45-67"},
        NumberCase{"8(812)234567", "8(812)234567", "8(812)2234567"},
        NumberCase{"тел.23-45-67", "тел.223-45-67", "тел.223-45-67"},
        NumberCase{"8 812 23 45 67", "8 812 23 45 67", "8 812 23 45 67"},
        // What may follow.
        NumberCase{"23-45-67-", "223-45-67-", "223-45-67-"},
        NumberCase{"23-45-67 - 89", "223-45-67 - 89", "223-45-67 - 89"},
        NumberCase{"23 45 67-89", "23 45 67-89", "223 45 67-89"},
        NumberCase{"23-45-67.", "223-45-67.", "223-45-67."},
        NumberCase{"23-45-67,34-56-78;", "223-45-67,434-56-78;", "223-45-67,434-56-78;"},
        NumberCase{"x23-45-67x", "x223-45-67x", "x223-45-67x"},
        NumberCase{"23-45-67\r\n", "223-45-67\r\n", "223-45-67\r\n"},
        NumberCase{"23\t45\t67", "23\t45\t67", "23\t45\t67"},
        // Ranges with no new number: 0 to 99, 171 to 179, 800 to 899; their neighbours do.
        NumberCase{"09-99-99 10-00-00", "09-99-99 410-00-00", "09-99-99 410-00-00"},
        NumberCase{"17-09-99 17-10-00 17-19-99 18-00-00", "417-09-99 17-10-00 17-19-99 218-00-00",
                   "417-09-99 17-10-00 17-19-99 218-00-00"},
        NumberCase{"79-99-99 80-00-00 89-99-99 90-00-00", "279-99-99 80-00-00 89-99-99 290-00-00",
                   "279-99-99 80-00-00 89-99-99 290-00-00"},
        // A dashed and a spaced number sharing a pair of digits are both left alone.
        NumberCase{"23-45-67 89 01", "223-45-67 89 01", "23-45-67 89 01"},
        NumberCase{"12 34 23-45-67", "12 34 223-45-67", "12 34 23-45-67"},
        // Bytes of every code page pass through.
        NumberCase{"\xD2\xE5\xEB. 23-45-67\xFF", "\xD2\xE5\xEB. 223-45-67\xFF",
                   "\xD2\xE5\xEB. 223-45-67\xFF"},
        NumberCase{"", "", ""}));

TEST(OldNumber, NulBytesAndHighBytesAroundANumberAreKept) {
  const std::string input(
      "\0"
      "23-45-67"
      "\0\x80",
      11);
  EXPECT_EQ(ConvertText(input), std::string("\0"
                                            "223-45-67"
                                            "\0\x80",
                                            12));
}

}  // namespace
}  // namespace batch
