// A progress line on a terminal's standard error for an input that takes more than a second,
// rewritten in place and wiped when the input is done.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace batch {

class ProgressLine {
 public:
  using Clock = std::chrono::steady_clock;

  // Shows nothing when `enabled` is false (standard error is not a terminal).
  ProgressLine(std::ostream& terminal, bool enabled) : terminal_(terminal), enabled_(enabled) {}

  void Start(const std::string& name, std::optional<std::uint64_t> size);
  void Update(std::uint64_t bytes_read) { Update(bytes_read, Clock::now()); }
  void Update(std::uint64_t bytes_read, Clock::time_point now);
  void Finish();

 private:
  std::ostream& terminal_;
  bool enabled_;
  std::string name_;
  std::optional<std::uint64_t> size_;
  Clock::time_point started_;
  Clock::time_point last_shown_;
  bool shown_ = false;
};

}  // namespace batch
