#include "batch/summary.h"

namespace batch {
namespace {

std::string Count(std::uint64_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string SummaryLine(const RunTotals& totals) {
  const Tally& tally = totals.tally;
  std::string line = Count(tally.converted, "number", "numbers");
  line += totals.dry_run ? " to convert" : " converted";
  line += ", " + std::to_string(tally.Left()) + " left as they were";
  if (tally.Left() > 0) {
    std::string why;
    if (tally.without_new_number > 0) {
      why = std::to_string(tally.without_new_number) + " in a range with no new number";
    }
    if (tally.overlapping > 0) {
      if (!why.empty()) why += ", ";
      why += std::to_string(tally.overlapping) + " sharing digits with another";
    }
    line += " (" + why + ")";
  }
  line += ", " + Count(totals.files, "file", "files");
  if (totals.failed > 0) line += " (" + std::to_string(totals.failed) + " failed)";
  return line;
}

}  // namespace batch
