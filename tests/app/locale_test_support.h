// Checks on the state of locale tables shared by the locale tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/locale_tables.h"

namespace app::testing {

inline std::string Char(int code) {
  return std::string(1, static_cast<char>(code));
}

// Each text sorts strictly before the next under CompareText.
inline void ExpectAscending(const LocaleTables& tables,
                            const std::vector<std::string_view>& texts) {
  for (std::size_t i = 1; i < texts.size(); ++i) {
    EXPECT_LT(tables.CompareText(texts[i - 1], texts[i]), 0)
        << "position " << i << ": \"" << texts[i - 1] << "\" vs \"" << texts[i] << '"';
    EXPECT_GT(tables.CompareText(texts[i], texts[i - 1]), 0) << "position " << i;
  }
}

// The weights are a permutation: no two different characters compare equal.
inline void ExpectEveryCharacterDistinct(const LocaleTables& tables) {
  int equal_pairs = 0;
  for (int a = 0; a < 256; ++a) {
    for (int b = a + 1; b < 256; ++b) equal_pairs += tables.CompareText(Char(a), Char(b)) == 0;
  }
  EXPECT_EQ(equal_pairs, 0);
}

// The codes that are letters: `pairs` holds each capital with its small letter.
inline void ExpectLetterPairs(const LocaleTables& tables,
                              const std::vector<std::pair<int, int>>& pairs) {
  std::vector<int> partner(256, 0);
  std::vector<bool> capital(256, false);
  for (const auto& [upper, lower] : pairs) {
    partner[upper] = lower;
    partner[lower] = upper;
    capital[upper] = true;
  }
  for (int code = 0; code < 256; ++code) {
    const auto c = static_cast<unsigned char>(code);
    const bool letter = partner[code] != 0;
    EXPECT_EQ(tables.IsLetter(c), letter) << code;
    EXPECT_EQ(tables.IsLetterOrDigit(c), letter || (code >= '0' && code <= '9')) << code;
    EXPECT_EQ(tables.ToUpper(c), letter && !capital[code] ? partner[code] : code) << code;
    EXPECT_EQ(tables.ToLower(c), letter && capital[code] ? partner[code] : code) << code;
  }
}

// The ASCII letter pairs, which every case table keeps.
inline std::vector<std::pair<int, int>> AsciiLetterPairs() {
  std::vector<std::pair<int, int>> pairs;
  for (int c = 'A'; c <= 'Z'; ++c) pairs.emplace_back(c, c + 32);
  return pairs;
}

}  // namespace app::testing
