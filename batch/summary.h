// The one line a run ends with on standard error.
#pragma once

#include <cstdint>
#include <string>

#include "batch/renumber_stream.h"

namespace batch {

struct RunTotals {
  Tally tally;
  std::uint64_t files = 0;   // inputs read, standard input included
  std::uint64_t failed = 0;  // of them, those not converted
  bool dry_run = false;
};

// "3 numbers converted, 2 left as they were (1 in a range with no new number, 1 sharing
// digits with another), 2 files"
std::string SummaryLine(const RunTotals& totals);

}  // namespace batch
