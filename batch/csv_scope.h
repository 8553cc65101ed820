// CSV files (RFC 4180): only the chosen columns are searched. Quoted fields, doubled quotes
// and line breaks inside quotes are followed; every byte is copied as it was. Unless given, the
// delimiter is ';' when the header line has more of them than of ',' outside quotes, else ','.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/scope.h"

namespace batch {

// A column as the user named it: a 1-based number, or else a header name.
struct CsvColumn {
  std::string text;
};

class CsvScope final : public Scope {
 public:
  // With a column given by name, the first record is the header and is not searched; with
  // columns given by number only, every record is data.
  CsvScope(std::vector<CsvColumn> columns, std::optional<char> delimiter);

  void Classify(std::string_view bytes, std::uint64_t input_offset,
                ContentBuffer& content) override;
  void Finish(std::uint64_t input_offset, ContentBuffer& content) override;
  std::uint64_t HeldFrom() const override;
  std::optional<std::string> Refusal() const override { return refusal_; }

  // A header longer than this is judged by its first part.
  static constexpr std::size_t kLongestHeader = std::size_t{1} << 20;

 private:
  enum class State { kFieldStart, kUnquoted, kQuoted, kQuoteInQuoted };

  bool HeaderComplete() const;
  void Resolve();
  void Parse(std::string_view bytes, std::uint64_t input_offset, ContentBuffer& content);
  bool Selected() const;

  std::vector<CsvColumn> columns_;
  std::optional<char> delimiter_;
  bool first_record_is_header_ = false;
  std::optional<std::string> refusal_;

  // Until the header is known, the input is held here.
  bool resolving_ = true;
  std::string held_;
  std::uint64_t held_offset_ = 0;

  // The 0-based indices of the chosen fields, sorted: a list rather than a bitmap, so that a
  // column number as large as 99999999999 costs nothing.
  std::vector<std::size_t> selected_;
  State state_ = State::kFieldStart;
  std::size_t field_ = 0;
  bool in_header_ = true;
};

}  // namespace batch
