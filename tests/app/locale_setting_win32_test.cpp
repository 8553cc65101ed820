// The "WINDOWS" collation on Windows, from the system's own string comparison. Its treatment of
// punctuation and white space varies between versions of the system, so only what every
// version agrees on is checked: a strict order, control codes first, then digits before
// letters, each small letter just before its capital, and the alphabets in their order.
#include <gtest/gtest.h>

#include "app/locale_setting.h"
#include "app/locale_tables.h"
#include "tests/app/locale_test_support.h"

namespace app {
namespace {

using testing::Char;
using testing::ExpectAscending;
using testing::ExpectEveryCharacterDistinct;

TEST(WindowsCollationOnThisSystem, RanksDigitsThenLettersInAlphabeticalOrder) {
  LocaleTables tables;
  ApplyLocaleSetting(tables, LocaleSetting::CollationSequence, "WINDOWS");
  ExpectEveryCharacterDistinct(tables);
  // Code 255 is not ranked: it comes last, after its capital.
  ExpectAscending(tables, {Char(0), "\x01", "0", "9", "a", "A", "b", "z", "Z", "\xE0", "\xC0",
                           "\xE1", "\xC1", "\xFE", "\xDE", "\xDF", "\xFF"});
  ExpectAscending(tables, {"\x01", "!"});
}

}  // namespace
}  // namespace app
