// Inputs and outputs held in memory, for running the converter without files: an input that
// hands its bytes out in pieces of chosen sizes, and an output that can be made to fail.
#pragma once

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "batch/renumber_stream.h"
#include "platform/byte_files.h"

namespace batch::testing {

class MemoryInput final : public platform::InputFile {
 public:
  // Each read gives at most the next of `piece_sizes` bytes, cycling through them.
  explicit MemoryInput(std::string bytes, std::vector<std::size_t> piece_sizes = {})
      : bytes_(std::move(bytes)), piece_sizes_(std::move(piece_sizes)) {}

  // The reads after `bytes_before` bytes fail with `reason`.
  void FailAfter(std::size_t bytes_before, std::string reason) {
    fail_at_ = bytes_before;
    reason_ = std::move(reason);
  }

  platform::ReadOutcome Read(char* buffer, std::size_t capacity) override {
    if (fail_at_ && read_ >= *fail_at_) return {0, reason_};
    std::size_t count = std::min(capacity, bytes_.size() - read_);
    if (!piece_sizes_.empty())
      count = std::min(count, piece_sizes_[reads_++ % piece_sizes_.size()]);
    if (fail_at_) count = std::min(count, *fail_at_ - read_);
    std::memcpy(buffer, bytes_.data() + read_, count);
    read_ += count;
    return {count, std::nullopt};
  }
  std::optional<std::uint64_t> Size() const override { return bytes_.size(); }

 private:
  std::string bytes_;
  std::vector<std::size_t> piece_sizes_;
  std::size_t read_ = 0;
  std::size_t reads_ = 0;
  std::optional<std::size_t> fail_at_;
  std::string reason_;
};

class MemoryOutput : public platform::OutputFile {
 public:
  // Writes fail once `limit` bytes are written, as on a full disk.
  explicit MemoryOutput(std::optional<std::size_t> limit = std::nullopt) : limit_(limit) {}

  std::optional<std::string> Write(std::string_view bytes) override {
    if (limit_ && bytes_.size() + bytes.size() > *limit_) {
      bytes_.append(bytes.substr(0, *limit_ - bytes_.size()));
      return std::string("No space left on device");
    }
    bytes_.append(bytes);
    return std::nullopt;
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::optional<std::size_t> limit_;
  std::string bytes_;
};

struct Converted {
  std::string output;
  RenumberOutcome outcome;
};

// Runs one input through the converter.
inline Converted ConvertBytes(std::string input, Scope& scope, FormSet forms,
                              std::vector<std::size_t> piece_sizes = {}) {
  static const PrefixTable prefixes;
  MemoryInput source(std::move(input), std::move(piece_sizes));
  MemoryOutput sink;
  RenumberOutcome outcome = Renumber({source, scope, forms, prefixes, &sink, nullptr, {}});
  return {sink.Bytes(), std::move(outcome)};
}

inline constexpr FormSet kDashedOnly = FormSet().With(NumberForm::kDashed);

inline std::string ConvertText(std::string input, FormSet forms = kDashedOnly,
                               std::vector<std::size_t> piece_sizes = {}) {
  TextScope scope;
  return ConvertBytes(std::move(input), scope, forms, std::move(piece_sizes)).output;
}

}  // namespace batch::testing
