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
  std::string line = "\r" + name_ + ": " + Megabytes(bytes_read);
  if (size_ && *size_ > 0) {
    const std::uint64_t percent = std::min<std::uint64_t>(100, bytes_read * 100 / *size_);
    line += " of " + Megabytes(*size_) + " (" + std::to_string(percent) + "%)";
  }
  terminal_ << line << "\x1b[K" << std::flush;
  last_shown_ = now;
  shown_ = true;
}

void ProgressLine::Finish() {
  if (shown_) terminal_ << "\r\x1b[K" << std::flush;
  shown_ = false;
}

}  // namespace batch
