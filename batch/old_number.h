// What counts as an old six-digit number in a run of bytes, in its three written forms.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace batch {

enum class NumberForm : std::uint8_t {
  kBare,    // 234567
  kDashed,  // 23-45-67
  kSpaced,  // 23 45 67
};

// The forms looked for in one run of the converter.
class FormSet {
 public:
  constexpr FormSet() = default;
  constexpr FormSet With(NumberForm form) const {
    FormSet set = *this;
    set.bits_ |= Bit(form);
    return set;
  }
  constexpr bool Has(NumberForm form) const { return (bits_ & Bit(form)) != 0; }
  static constexpr FormSet All() {
    return FormSet().With(NumberForm::kBare).With(NumberForm::kDashed).With(NumberForm::kSpaced);
  }

 private:
  static constexpr std::uint8_t Bit(NumberForm form) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(form));
  }
  std::uint8_t bits_ = 0;
};

// Bytes an old number takes: 6 bare, 8 with its separators.
constexpr std::size_t NumberLength(NumberForm form) {
  return form == NumberForm::kBare ? 6 : 8;
}

// Position of the third digit, the last of the three that choose the prefix.
constexpr std::size_t ThirdDigitOffset(NumberForm form) {
  return form == NumberForm::kBare ? 2 : 3;
}

// The furthest bytes OldNumberAt may read, before and after `at`.
inline constexpr std::size_t kLookBehind = 2;
inline constexpr std::size_t kLookAhead = 10;

constexpr bool IsDigit(char c) {
  return static_cast<unsigned char>(c - '0') < 10;
}

// The form of the old number that starts at `at`, if one does: six digits standing alone,
//   bare    no digit directly before or after;
//   dashed  no digit or '-' directly before; after, no digit and no '-' followed by a digit;
//   spaced  before, no digit and no blank that follows a digit; after, no digit and no blank
//           followed by a digit.
// `at[-kLookBehind]` to `at[kLookAhead - 1]` must be readable. The answer depends on no byte
// past the first that is neither a digit, '-' nor a blank, so a caller may pad unread input
// with any such byte.
inline std::optional<NumberForm> OldNumberAt(const char* at, FormSet forms);

// Whether the old number of `form` at `at` shares digits with another old number: the only way
// two can overlap is a dashed and a spaced number sharing one pair of digits, as the last pair
// of "23-45-67 89 01" begins a spaced number. Such numbers are left alone, because converting
// either would make the other one appear or vanish when the output is converted once more.
// Reads up to `at[6 + kLookAhead - 1]`.
bool OverlapsFollowingNumber(const char* at, NumberForm form, FormSet forms);

namespace number_detail {

inline bool IsTwoDigits(const char* at) {
  return IsDigit(at[0]) && IsDigit(at[1]);
}

// Three pairs of digits joined by `separator`, with nothing after that would continue them
// (a digit, or the separator followed by a digit).
inline bool IsGroupedNumber(const char* at, char separator) {
  return IsTwoDigits(at) && at[2] == separator && IsTwoDigits(at + 3) && at[5] == separator &&
         IsTwoDigits(at + 6) && !IsDigit(at[8]) && !(at[8] == separator && IsDigit(at[9]));
}

}  // namespace number_detail

// Inline: it runs at the start of every run of digits in the input.
inline std::optional<NumberForm> OldNumberAt(const char* at, FormSet forms) {
  using number_detail::IsGroupedNumber;
  if (!IsDigit(at[0]) || IsDigit(at[-1]) || !IsDigit(at[1])) return std::nullopt;
  switch (at[2]) {
    case '-':
      if (forms.Has(NumberForm::kDashed) && at[-1] != '-' && IsGroupedNumber(at, '-')) {
        return NumberForm::kDashed;
      }
      return std::nullopt;
    case ' ':
      if (forms.Has(NumberForm::kSpaced) && !(at[-1] == ' ' && IsDigit(at[-2])) &&
          IsGroupedNumber(at, ' ')) {
        return NumberForm::kSpaced;
      }
      return std::nullopt;
    default:
      if (forms.Has(NumberForm::kBare) && IsDigit(at[2]) && IsDigit(at[3]) && IsDigit(at[4]) &&
          IsDigit(at[5]) && !IsDigit(at[6])) {
        return NumberForm::kBare;
      }
      return std::nullopt;
  }
}

}  // namespace batch
