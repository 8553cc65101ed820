// The exact decimal number a text holds, read without floating point.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace convert {

// A sign and at most 32 decimal digits on either side of the point. Digits are stored by place
// value: whole[k] is the digit of 10^k, fraction[k] that of 10^-(k + 1). Zero is never negative,
// so equal values compare equal.
struct Number {
  static constexpr std::size_t kDigits = 32;

  bool negative = false;
  std::array<std::uint8_t, kDigits> whole{};
  std::array<std::uint8_t, kDigits> fraction{};

  bool IsZero() const;
  bool operator==(const Number&) const = default;
};

// Reads, after leading white space (blank, TAB, LF, VT, FF, CR), an optional '-', digits, an
// optional '.' or ',' with more digits, and an optional exponent ('e' or 'E', an optional sign,
// digits). Reading stops at the first character that does not fit; the rest is ignored.
// Gives 0 when no mantissa digit is read or when the value would need more than 32 digits
// before the point; digits past the 32nd decimal place are dropped. Exponents of any length are
// accepted.
Number ReadNumber(std::string_view text);

// The number without its decimal places (towards zero), sign kept.
Number IntegerPart(const Number& number);

// The number as a 32-bit signed value: its integer part, saturated to the int32 range, so
// anything above INT32_MAX gives INT32_MAX and anything below INT32_MIN gives INT32_MIN.
// "-2147483648" gives INT32_MIN exactly.
std::int32_t ToInt32(const Number& number);

}  // namespace convert
