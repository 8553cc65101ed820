#include "batch/prefix_table.h"

#include "convert/choose_prefix.h"

namespace batch {

PrefixTable::PrefixTable() {
  for (int b = 0; b < 1000; ++b) {
    digit_[static_cast<std::size_t>(b)] = convert::ChoosePrefix(b).value_or('\0');
  }
}

}  // namespace batch
