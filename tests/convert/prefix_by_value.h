// The prefix digit of every value, from the ranges laid out in ascending order of value, so the
// tests check the searched table against a differently written one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace convert::testing {

inline std::optional<char> PrefixByValue(std::int64_t b) {
  struct Span {
    std::int64_t from;
    std::int64_t to;
    std::optional<char> digit;
  };
  static constexpr std::array<Span, 15> kByValue = {{
      {100, 109, '4'},
      {110, 117, '2'},
      {118, 124, '4'},
      {125, 129, '2'},
      {130, 170, '4'},
      {171, 179, std::nullopt},
      {180, 189, '2'},
      {190, 199, '4'},
      {200, 299, '2'},
      {300, 399, '4'},
      {400, 599, '2'},
      {600, 699, '4'},
      {700, 799, '2'},
      {800, 899, std::nullopt},
      {900, 999, '2'},
  }};
  for (const Span& span : kByValue) {
    if (span.from <= b && b <= span.to) return span.digit;
  }
  return std::nullopt;
}

}  // namespace convert::testing
