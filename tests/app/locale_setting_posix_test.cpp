// The "WINDOWS" collation on posix, where its word sort is our own: the exact order.
#include <gtest/gtest.h>

#include "app/locale_setting.h"
#include "app/locale_tables.h"
#include "tests/app/locale_test_support.h"

namespace app {
namespace {

using testing::Char;
using testing::ExpectAscending;
using testing::ExpectEveryCharacterDistinct;

TEST(WindowsCollationOnThisSystem, SortsLikeAWordSortAfterTheIgnoredControlCodes) {
  LocaleTables tables;
  ApplyLocaleSetting(tables, LocaleSetting::CollationSequence, "WINDOWS");
  ExpectEveryCharacterDistinct(tables);
  // The ignored control codes rank equal and so stay in code order, below everything else.
  ExpectAscending(tables, {Char(0), "\x01", "\x08", "\x0E", "\x1F", "\x7F", "\x98", "\xAD", "'",
                           "-",     "\t",   " ",    "!",    "0",    "a",    "A",    "b",    "z",
                           "Z",     "\xE0", "\xC0", "\xFE", "\xDE", "\xDF", "\xFF"});
}

}  // namespace
}  // namespace app
