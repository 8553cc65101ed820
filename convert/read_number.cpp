#include "convert/read_number.h"

#include <algorithm>
#include <limits>

namespace convert {
namespace {

constexpr auto kDigits = static_cast<std::int64_t>(Number::kDigits);

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Removes the first character of text when it is one of chars.
bool TakeOneOf(std::string_view& text, std::string_view chars) {
  if (text.empty() || chars.find(text.front()) == std::string_view::npos) return false;
  text.remove_prefix(1);
  return true;
}

// Removes and returns the leading run of digits of text.
std::string_view TakeDigits(std::string_view& text) {
  std::size_t count = 0;
  while (count < text.size() && IsDigit(text[count])) ++count;
  const std::string_view digits = text.substr(0, count);
  text.remove_prefix(count);
  return digits;
}

// The digits read before and after the point, as one sequence whose point lies after the
// first before.size() digits.
struct Mantissa {
  std::string_view before;
  std::string_view after;

  std::int64_t Size() const { return static_cast<std::int64_t>(before.size() + after.size()); }

  // The digit at index i of the sequence, and 0 outside it, like the zeros around a number.
  std::uint8_t Digit(std::int64_t i) const {
    if (i < 0 || i >= Size()) return 0;
    const auto k = static_cast<std::size_t>(i);
    return static_cast<std::uint8_t>((k < before.size() ? before[k] : after[k - before.size()]) -
                                     '0');
  }
};

// Reads an exponent ('e' or 'E', an optional sign, digits; 0 when absent or without digits).
// Its magnitude saturates at limit, past which every exponent gives the same number, so an
// exponent of any length is read without overflow.
std::int64_t TakeExponent(std::string_view& text, std::int64_t limit) {
  if (!TakeOneOf(text, "eE")) return 0;
  const bool negative = TakeOneOf(text, "-");
  if (!negative) TakeOneOf(text, "+");
  std::int64_t magnitude = 0;
  for (const char c : TakeDigits(text)) {
    const int digit = c - '0';
    magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace

bool Number::IsZero() const {
  const auto zero = [](std::uint8_t digit) { return digit == 0; };
  return std::all_of(whole.begin(), whole.end(), zero) &&
         std::all_of(fraction.begin(), fraction.end(), zero);
}

Number ReadNumber(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  const bool negative = TakeOneOf(text, "-");
  while (!text.empty() && text.front() == '0') text.remove_prefix(1);

  Mantissa digits;
  digits.before = TakeDigits(text);
  if (TakeOneOf(text, ".,")) digits.after = TakeDigits(text);
  if (digits.Size() == 0) return {};

  // An exponent beyond the mantissa's length plus 32 places either overflows the 32 digits
  // before the point or leaves nothing within the 32 after it, whatever its exact value.
  const std::int64_t exponent = TakeExponent(text, digits.Size() + kDigits + 1);
  const std::int64_t point = static_cast<std::int64_t>(digits.before.size()) + exponent;

  std::int64_t first_significant = 0;
  while (first_significant < digits.Size() && digits.Digit(first_significant) == 0) {
    ++first_significant;
  }
  if (first_significant == digits.Size()) return {};
  if (point - first_significant > kDigits) return {};

  Number number;
  for (std::int64_t k = 0; k < kDigits; ++k) {
    number.whole[k] = digits.Digit(point - 1 - k);
    number.fraction[k] = digits.Digit(point + k);
  }
  number.negative = negative && !number.IsZero();
  return number;
}

Number IntegerPart(const Number& number) {
  Number integer = number;
  integer.fraction.fill(0);
  integer.negative = number.negative && !integer.IsZero();
  return integer;
}

std::int32_t ToInt32(const Number& number) {
  // Once the magnitude passes 2^31 the result saturates whatever the sign, so the rest of the
  // digits need not be added.
  constexpr std::int64_t kSaturated = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (std::size_t k = Number::kDigits; k-- > 0 && magnitude <= kSaturated;) {
    magnitude = magnitude * 10 + number.whole[k];
  }
  const std::int64_t value = number.negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace convert
