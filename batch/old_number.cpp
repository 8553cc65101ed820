#include "batch/old_number.h"

namespace batch {
namespace {

bool IsTwoDigits(const char* at) {
  return IsDigit(at[0]) && IsDigit(at[1]);
}

// Three pairs of digits joined by `separator`, with nothing after that would continue them
// (a digit, or the separator followed by a digit).
bool IsGroupedNumber(const char* at, char separator) {
  return IsTwoDigits(at) && at[2] == separator && IsTwoDigits(at + 3) && at[5] == separator &&
         IsTwoDigits(at + 6) && !IsDigit(at[8]) && !(at[8] == separator && IsDigit(at[9]));
}

}  // namespace

std::optional<NumberForm> OldNumberAt(const char* at, FormSet forms) {
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

bool OverlapsFollowingNumber(const char* at, NumberForm form, FormSet forms) {
  return form != NumberForm::kBare && OldNumberAt(at + 6, forms).has_value();
}

}  // namespace batch
