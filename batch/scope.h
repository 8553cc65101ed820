// Where in a file the converter looks for old numbers: a scope reads the input as it arrives
// and hands on the bytes to be searched, telling them apart from the rest.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "batch/content_buffer.h"

namespace batch {

class Scope {
 public:
  virtual ~Scope() = default;

  // `bytes` follow the input seen so far and begin at `input_offset`.
  virtual void Classify(std::string_view bytes, std::uint64_t input_offset,
                        ContentBuffer& content) = 0;
  // The input ended at `input_offset`.
  virtual void Finish(std::uint64_t input_offset, ContentBuffer& content) = 0;

  // Input from this offset on has been seen but not yet handed on, because what it is depends
  // on input still to come (a CSV header chooses the columns).
  virtual std::uint64_t HeldFrom() const { return std::numeric_limits<std::uint64_t>::max(); }
  // Why this input cannot be converted (a column named that the header does not have).
  virtual std::optional<std::string> Refusal() const { return std::nullopt; }
};

// Running text: every byte is searched.
class TextScope final : public Scope {
 public:
  void Classify(std::string_view bytes, std::uint64_t input_offset,
                ContentBuffer& content) override {
    content.Content(input_offset, bytes);
  }
  void Finish(std::uint64_t, ContentBuffer&) override {}
};

}  // namespace batch
