// The bulk converter's stream on any bytes, in each of its scopes. The first byte chooses the
// scope (running text, vCard, CSV) and the forms looked for, the second the sizes of the pieces
// the input arrives in; a CSV input then has a line naming its columns (separated by '|').
// The rest is the input.
//
// Every byte that is not part of a converted number must come out unchanged: the output is the
// input with one prefix digit put in front of some runs of digits, each the digit the window's
// conversion gives for the three digits that follow it, one for each number counted as
// converted. How the input is cut into pieces must not change the output.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/csv_scope.h"
#include "batch/renumber_stream.h"
#include "batch/scope.h"
#include "batch/vcard_scope.h"
#include "convert/choose_prefix.h"
#include "tests/batch/memory_files.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using fuzz::Require;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The input split into runs of digits and runs of anything else.
std::vector<std::string_view> Runs(std::string_view text) {
  std::vector<std::string_view> runs;
  std::size_t start = 0;
  for (std::size_t i = 1; i <= text.size(); ++i) {
    if (i == text.size() || IsDigit(text[i]) != IsDigit(text[start])) {
      runs.push_back(text.substr(start, i - start));
      start = i;
    }
  }
  return runs;
}

// The value of the first three digits of text, whatever lies between them.
std::optional<int> FirstThreeDigits(std::string_view text) {
  int value = 0;
  int count = 0;
  for (const char c : text) {
    if (!IsDigit(c)) continue;
    value = value * 10 + (c - '0');
    if (++count == 3) return value;
  }
  return std::nullopt;
}

// Checks that output is input with a prefix digit in front of some digit runs; gives how many.
std::uint64_t CountPrefixesPutIn(std::string_view input, std::string_view output) {
  const std::vector<std::string_view> in = Runs(input);
  const std::vector<std::string_view> out = Runs(output);
  Require(in.size() == out.size(), "no byte outside a number is added, removed or changed");
  std::uint64_t prefixes = 0;
  std::size_t offset = 0;  // of the current run in the input
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (out[i] != in[i]) {
      Require(!in[i].empty() && IsDigit(in[i][0]) && out[i].size() == in[i].size() + 1 &&
                  out[i].substr(1) == in[i],
              "only a prefix digit is put in front of a number's digits");
      const std::optional<int> first_three = FirstThreeDigits(input.substr(offset));
      Require(first_three.has_value(), "a converted number has three digits to choose by");
      const std::optional<char> prefix = convert::ChoosePrefix(*first_three);
      Require(prefix.has_value() && out[i][0] == *prefix,
              "the prefix is the one the conversion chooses for the number's first digits");
      ++prefixes;
    }
    offset += in[i].size();
  }
  return prefixes;
}

std::unique_ptr<batch::Scope> MakeScope(unsigned char choice, std::string_view columns) {
  switch (choice % 3) {
    case 0:
      return std::make_unique<batch::TextScope>();
    case 1:
      return std::make_unique<batch::VCardScope>();
    default: {
      std::vector<batch::CsvColumn> named;
      std::size_t start = 0;
      while (start <= columns.size()) {
        const std::size_t bar = std::min(columns.find('|', start), columns.size());
        named.push_back({std::string(columns.substr(start, bar - start))});
        start = bar + 1;
      }
      const std::optional<char> delimiter =
          (choice & 0x80) != 0 ? std::optional<char>((choice & 0x40) != 0 ? ';' : ',')
                               : std::nullopt;
      return std::make_unique<batch::CsvScope>(std::move(named), delimiter);
    }
  }
}

batch::FormSet FormsOf(unsigned char choice) {
  batch::FormSet forms;
  if ((choice & 0x04) != 0) forms = forms.With(batch::NumberForm::kBare);
  if ((choice & 0x08) != 0) forms = forms.With(batch::NumberForm::kDashed);
  if ((choice & 0x10) != 0) forms = forms.With(batch::NumberForm::kSpaced);
  return forms;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.size() < 2) return 0;
  const auto choice = static_cast<unsigned char>(bytes[0]);
  const auto pieces = static_cast<unsigned char>(bytes[1]);
  bytes.remove_prefix(2);
  std::string_view columns;
  if (choice % 3 == 2) {
    const std::size_t end = bytes.find('\n');
    columns = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  }
  const std::string input(bytes);
  const batch::FormSet forms = FormsOf(choice);

  const std::unique_ptr<batch::Scope> whole_scope = MakeScope(choice, columns);
  const batch::testing::Converted whole = batch::testing::ConvertBytes(input, *whole_scope, forms);
  // Pieces of 1 to 16 bytes and one of up to 4 KiB, cycling, cut the input everywhere.
  const std::vector<std::size_t> sizes = {1u + pieces % 16, 1u + (pieces >> 4), 4096u, 1u};
  const std::unique_ptr<batch::Scope> piece_scope = MakeScope(choice, columns);
  const batch::testing::Converted in_pieces =
      batch::testing::ConvertBytes(input, *piece_scope, forms, sizes);

  Require(in_pieces.outcome.status == whole.outcome.status && in_pieces.output == whole.output &&
              in_pieces.outcome.tally.converted == whole.outcome.tally.converted &&
              in_pieces.outcome.tally.Left() == whole.outcome.tally.Left(),
          "the output does not depend on how the input arrives");
  if (whole.outcome.status != batch::RenumberOutcome::Status::kDone) return 0;
  Require(CountPrefixesPutIn(input, whole.output) == whole.outcome.tally.converted,
          "one prefix digit is put in for each number counted as converted");
  return 0;
}
