#include "batch/content_buffer.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace batch {

ContentBuffer::ContentBuffer() {
  // The start of the input reads as a boundary to the bytes that follow it.
  const char start[kLookBehind] = {kBoundary, kBoundary};
  Append(0, std::string_view(start, kLookBehind));
}

void ContentBuffer::Content(std::uint64_t input_offset, std::string_view bytes) {
  if (!bytes.empty()) Append(input_offset, bytes);
}

void ContentBuffer::Boundary(std::uint64_t input_offset) {
  // One boundary byte says all a search needs; a run of them would only take memory.
  if (size_ > 0 && bytes_.Data()[size_ - 1] == kBoundary) return;
  const char boundary = kBoundary;
  Append(input_offset, std::string_view(&boundary, 1));
}

void ContentBuffer::Append(std::uint64_t input_offset, std::string_view bytes) {
  const std::uint64_t index = End();
  const bool continues_last_run =
      runs_.size() > first_run_ &&
      runs_.back().input_offset + (index - runs_.back().index) == input_offset;
  if (!continues_last_run) runs_.push_back({index, input_offset});

  bytes_.Shrink(size_);
  std::memcpy(bytes_.Extend(bytes.size()), bytes.data(), bytes.size());
  size_ += bytes.size();
  Pad();
}

void ContentBuffer::Pad() {
  std::memset(bytes_.Extend(kPadding), kBoundary, kPadding);
}

std::uint64_t ContentBuffer::InputOffsetOf(std::uint64_t index) const {
  assert(index >= base_ && index < End() && "InputOffsetOf needs a byte that is held");
  const auto after =
      std::upper_bound(runs_.begin() + static_cast<std::ptrdiff_t>(first_run_), runs_.end(), index,
                       [](std::uint64_t wanted, const Run& run) { return wanted < run.index; });
  const Run& run = *(after - 1);
  return run.input_offset + (index - run.index);
}

void ContentBuffer::DropBefore(std::uint64_t index) {
  assert(index >= base_ && index <= End() && "DropBefore stays within the held bytes");
  const std::size_t dropped = static_cast<std::size_t>(index - base_);
  if (dropped == 0) return;
  bytes_.Shrink(size_);
  bytes_.DropFront(dropped);
  size_ -= dropped;
  base_ = index;
  Pad();

  // The run that holds the new first byte stays; the ones wholly before it go.
  while (first_run_ + 1 < runs_.size() && runs_[first_run_ + 1].index <= index) ++first_run_;
  if (first_run_ > 1024 && first_run_ * 2 > runs_.size()) {
    runs_.erase(runs_.begin(), runs_.begin() + static_cast<std::ptrdiff_t>(first_run_));
    first_run_ = 0;
  }
}

}  // namespace batch
