// The bytes a scope hands on to be searched for old numbers, kept contiguous even where the
// input is not (a folded vCard line, one field of each CSV record), each with the position in
// the input it came from. Everything a scope does not search collapses into one boundary byte
// that no number can reach across.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "batch/byte_buffer.h"
#include "batch/old_number.h"

namespace batch {

class ContentBuffer {
 public:
  // Stands for input that is not searched: neither a digit, '-' nor a blank.
  static constexpr char kBoundary = '\0';
  // Bytes past the end that read as boundaries, so a search near the end needs no bounds checks.
  static constexpr std::size_t kPadding = 16;

  ContentBuffer();

  // `bytes` are searched; they begin at `input_offset` and lie there one after another.
  void Content(std::uint64_t input_offset, std::string_view bytes);
  // The input from `input_offset` on is not searched, up to the next Content.
  void Boundary(std::uint64_t input_offset);

  // Indices count every byte ever added; Begin() is the oldest one still held.
  std::uint64_t Begin() const { return base_; }
  std::uint64_t End() const { return base_ + size_; }
  const char* At(std::uint64_t index) const { return bytes_.Data() + (index - base_); }
  std::uint64_t InputOffsetOf(std::uint64_t index) const;
  // Forgets the bytes before `index`.
  void DropBefore(std::uint64_t index);

 private:
  // From `index` on, the bytes came from consecutive input offsets starting at `input_offset`.
  struct Run {
    std::uint64_t index;
    std::uint64_t input_offset;
  };
  void Append(std::uint64_t input_offset, std::string_view bytes);

  ByteBuffer bytes_;  // size_ bytes, then kPadding boundaries
  std::size_t size_ = 0;
  void Pad();
  std::uint64_t base_ = 0;
  std::vector<Run> runs_;
  std::size_t first_run_ = 0;  // runs before it are forgotten, erased in batches
};

}  // namespace batch
