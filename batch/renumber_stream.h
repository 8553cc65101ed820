// One input renumbered as it streams through: every old number found in the scope's bytes
// gets its prefix digit in front, and every other byte is copied as it was. Memory stays the
// same whatever the size of the input or the length of its lines.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "batch/old_number.h"
#include "batch/prefix_table.h"
#include "batch/scope.h"
#include "platform/byte_files.h"

namespace batch {

struct Tally {
  std::uint64_t converted = 0;
  std::uint64_t without_new_number = 0;  // their range has no prefix digit
  std::uint64_t overlapping = 0;         // sharing digits with another number

  std::uint64_t Left() const { return without_new_number + overlapping; }
  Tally& operator+=(const Tally& other);
};

// Told of each number converted, in input order; `line` counts from 1.
class ChangeListener {
 public:
  virtual ~ChangeListener() = default;
  virtual void OnChange(std::uint64_t line, std::string_view old_number,
                        std::string_view new_number) = 0;
};

struct RenumberJob {
  platform::InputFile& input;
  Scope& scope;
  FormSet forms;
  const PrefixTable& prefixes;
  platform::OutputFile* output = nullptr;  // nothing written without one
  ChangeListener* changes = nullptr;
  std::function<void(std::uint64_t bytes_read)> progress;
};

struct RenumberOutcome {
  enum class Status {
    kDone,
    kReadFailed,
    kWriteFailed,
    kUtf16,    // starts with a UTF-16 byte-order mark
    kRefused,  // the scope refused the input
  };
  Status status = Status::kDone;
  std::string reason;  // the system's reason, or the scope's
  Tally tally;         // of the input read, even when it failed
};

RenumberOutcome Renumber(const RenumberJob& job);

}  // namespace batch
