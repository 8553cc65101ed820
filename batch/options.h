// The command line of renumera-convert.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/csv_scope.h"

namespace batch {

struct Options {
  enum class Mode { kText, kVCard, kCsv };
  Mode mode = Mode::kText;
  bool plain = false;  // running text: bare and spaced numbers too
  std::vector<CsvColumn> columns;
  std::optional<char> delimiter;
  bool in_place = false;
  bool dry_run = false;
  bool help = false;
  bool version = false;
  std::vector<std::string> files;  // none, or "-", for standard input
};

struct ParsedOptions {
  std::optional<Options> options;
  std::string error;  // a one-line reason when there are none
};

ParsedOptions ParseOptions(const std::vector<std::string>& arguments);

extern const char kUsageText[];

}  // namespace batch
