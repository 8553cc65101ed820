#include "batch/progress_line.h"

#include <algorithm>

namespace batch {
namespace {

constexpr auto kQuietStart = std::chrono::seconds(1);
constexpr auto kInterval = std::chrono::milliseconds(200);

std::string Megabytes(std::uint64_t bytes) {
  return std::to_string(bytes >> 20) + " MB";
}

}  // namespace

void ProgressLine::Start(const std::string& name, std::optional<std::uint64_t> size) {
  name_ = name;
  size_ = size;
  started_ = Clock::now();
  shown_ = false;
}

void ProgressLine::Update(std::uint64_t bytes_read, Clock::time_point now) {
  if (!enabled_ || now - started_ < kQuietStart || (shown_ && now - last_shown_ < kInterval)) {
    return;
  }
  std::string line = name_ + ": " + Megabytes(bytes_read);
  if (size_ && *size_ > 0) {
    const std::uint64_t percent = std::min<std::uint64_t>(100, bytes_read * 100 / *size_);
    line += " of " + Megabytes(*size_) + " (" + std::to_string(percent) + "%)";
  }
  // Blanks, not a terminal's erase sequence, cover a longer line shown before: every console
  // understands them.
  const std::size_t length = line.size();
  if (length < shown_length_) line.append(shown_length_ - length, ' ');
  terminal_ << '\r' << line << std::flush;
  shown_length_ = length;
  last_shown_ = now;
  shown_ = true;
}

void ProgressLine::Finish() {
  if (shown_) terminal_ << '\r' << std::string(shown_length_, ' ') << '\r' << std::flush;
  shown_ = false;
  shown_length_ = 0;
}

}  // namespace batch
