#include "toolkit/dialog_units.h"

#include <algorithm>
#include <limits>

namespace toolkit {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const int64_t product = int64_t{a} * b;
  const int64_t magnitude = product < 0 ? -product : product;
  const int64_t divisor = c < 0 ? -int64_t{c} : int64_t{c};
  int64_t quotient = (magnitude + divisor / 2) / divisor;
  if ((product < 0) != (c < 0)) quotient = -quotient;
  if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) {
    return -1;
  }
  return static_cast<int>(quotient);
}

BaseUnits ComputeBaseUnits(int sample_width, int text_height) {
  return {std::max(1, (sample_width / 26 + 1) / 2), std::max(1, text_height)};
}

}  // namespace toolkit
