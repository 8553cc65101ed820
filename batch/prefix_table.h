// The prefix digit of every three-digit start of an old number, taken from the window's own
// ChoosePrefix once, so the converter's hot path is a table lookup and the window's code stays
// the only source of the ranges.
#pragma once

#include <array>

namespace batch {

class PrefixTable {
 public:
  PrefixTable();
  // '2', '4', or '\0' when the range of the three digits has no new number.
  char For(char first, char second, char third) const {
    return digit_[(first - '0') * 100 + (second - '0') * 10 + (third - '0')];
  }

 private:
  std::array<char, 1000> digit_;
};

}  // namespace batch
