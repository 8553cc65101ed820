#include "convert/format_pattern.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace convert {
namespace {

// The magnitude rounded by its first decimal digit, by place value like Number::whole, with one
// more place for the carry out of 32 nines.
using RoundedDigits = std::array<std::uint8_t, Number::kDigits + 1>;

RoundedDigits RoundByFirstDecimal(const Number& number) {
  RoundedDigits digits{};
  std::copy(number.whole.begin(), number.whole.end(), digits.begin());
  int carry = number.fraction[0] >= 5 ? 1 : 0;
  for (std::uint8_t& digit : digits) {
    const int sum = digit + carry;
    digit = static_cast<std::uint8_t>(sum % 10);
    carry = sum / 10;
  }
  return digits;
}

}  // namespace

std::string FormatPattern(const Number& number, std::string_view pattern) {
  const RoundedDigits digits = RoundByFirstDecimal(number);
  std::size_t length = digits.size();
  while (length > 0 && digits[length - 1] == 0) --length;

  const auto positions = static_cast<std::size_t>(std::count(pattern.begin(), pattern.end(), '#'));
  std::string shown(pattern);
  if (length > positions) return shown;

  std::size_t place = 0;
  for (auto position = shown.rbegin(); position != shown.rend(); ++position) {
    if (*position != '#') continue;
    *position = static_cast<char>('0' + (place < length ? digits[place] : 0));
    ++place;
  }
  return shown;
}

}  // namespace convert
