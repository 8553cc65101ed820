#include "batch/old_number.h"

namespace batch {
bool OverlapsFollowingNumber(const char* at, NumberForm form, FormSet forms) {
  return form != NumberForm::kBare && OldNumberAt(at + 6, forms).has_value();
}

}  // namespace batch
