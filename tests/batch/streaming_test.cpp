// The converter's output does not depend on how the input arrives: numbers straddling the
// pieces it is read in are found, the result agrees with a plain reading of the rule, a
// second conversion changes nothing, and a line of any length streams through in bounded
// memory.
#include <gtest/gtest.h>

#include <random>

#include "batch/csv_scope.h"
#include "batch/vcard_scope.h"
#include "tests/batch/memory_files.h"

namespace batch {
namespace {

using testing::ConvertBytes;

// The rule read literally, position by position, with every bound checked: the reference the
// converter's fast search is compared with.
std::string ConvertByTheRule(const std::string& text, FormSet forms) {
  const auto at = [&](std::ptrdiff_t i) -> char {
    return i < 0 || i >= static_cast<std::ptrdiff_t>(text.size()) ? 'x' : text[i];
  };
  const auto digit = [&](std::ptrdiff_t i) { return IsDigit(at(i)); };
  struct Found {
    std::ptrdiff_t start;
    std::ptrdiff_t length;
    bool overlapping = false;
  };
  std::vector<Found> found;
  for (std::ptrdiff_t i = 0; i < static_cast<std::ptrdiff_t>(text.size()); ++i) {
    const bool six_bare =
        digit(i) && digit(i + 1) && digit(i + 2) && digit(i + 3) && digit(i + 4) && digit(i + 5);
    if (forms.Has(NumberForm::kBare) && six_bare && !digit(i - 1) && !digit(i + 6)) {
      found.push_back({i, 6});
    }
    for (const char separator : {'-', ' '}) {
      const NumberForm form = separator == '-' ? NumberForm::kDashed : NumberForm::kSpaced;
      if (!forms.Has(form)) continue;
      const bool grouped = digit(i) && digit(i + 1) && at(i + 2) == separator && digit(i + 3) &&
                           digit(i + 4) && at(i + 5) == separator && digit(i + 6) && digit(i + 7);
      const bool clear_after = !digit(i + 8) && !(at(i + 8) == separator && digit(i + 9));
      const bool clear_before = separator == '-'
                                    ? !digit(i - 1) && at(i - 1) != '-'
                                    : !digit(i - 1) && !(at(i - 1) == ' ' && digit(i - 2));
      if (grouped && clear_after && clear_before) found.push_back({i, 8});
    }
  }
  for (std::size_t a = 0; a < found.size(); ++a) {
    for (std::size_t b = a + 1; b < found.size(); ++b) {
      if (found[b].start < found[a].start + found[a].length) {
        found[a].overlapping = found[b].overlapping = true;
      }
    }
  }
  static const PrefixTable prefixes;
  std::string output;
  std::ptrdiff_t copied = 0;
  for (const Found& number : found) {
    if (number.overlapping) continue;
    const std::ptrdiff_t third = number.length == 6 ? 2 : 3;
    const char prefix =
        prefixes.For(at(number.start), at(number.start + 1), at(number.start + third));
    if (prefix == '\0') continue;
    output.append(text, copied, number.start - copied);
    output += prefix;
    copied = number.start;
  }
  output.append(text, copied);
  return output;
}

// Text made mostly of digits, dashes and blanks, so that numbers, near-numbers and
// overlapping numbers are common.
constexpr std::string_view kMixed = "0123456789012345678901234567890123456789---    x\n\"\r;,:";
// Without any other byte, a search can never stop early at one: it must carry what it has not
// decided over to the next piece.
constexpr std::string_view kDigitsAndSeparators = "01234567890123456789---   ";

std::string RandomText(std::mt19937& random, std::size_t length,
                       std::string_view alphabet = kMixed) {
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += alphabet[pick(random)];
  return text;
}

const std::vector<std::vector<std::size_t>> kPieceSizes = {{}, {1}, {2, 3}, {7, 1, 13}, {100, 29}};

TEST(Streaming, RandomTextAgreesWithTheRuleInEveryPieceSizeAndSettlesAfterOneConversion) {
  std::mt19937 random(14);
  for (const FormSet forms : {testing::kDashedOnly, FormSet::All()}) {
    for (int round = 0; round < 400; ++round) {
      const std::string text =
          RandomText(random, 1 + round * 7, round % 2 ? kMixed : kDigitsAndSeparators);
      const std::string expected = ConvertByTheRule(text, forms);
      for (const auto& pieces : kPieceSizes) {
        ASSERT_EQ(testing::ConvertText(text, forms, pieces), expected)
            << "input: " << text << "\npieces of " << (pieces.empty() ? 0 : pieces[0]);
      }
      ASSERT_EQ(testing::ConvertText(expected, forms), expected) << "input: " << text;
    }
  }
}

// Overlapping numbers, and near-overlaps that a later byte undoes, cut at every position.
TEST(Streaming, OverlapsAreDecidedWhereverThePiecesEnd) {
  for (const std::string text : {"23-45-67 89 01", "23-45-67 89 01 23", "23-45-67 89 01-23",
                                 "12 34 23-45-67", "1 12 34 23-45-67", "12 34 23-45-67-8",
                                 "23 45 67-89-01", "23 45 67-89-01-2", "23 45 67-89-01 23 45"}) {
    for (const FormSet forms : {testing::kDashedOnly, FormSet::All()}) {
      const std::string expected = ConvertByTheRule(text, forms);
      for (std::size_t first = 1; first <= text.size(); ++first) {
        ASSERT_EQ(testing::ConvertText(text, forms, {first, 1}), expected)
            << text << " first piece " << first;
      }
    }
  }
}

TEST(Streaming, VCardAndCsvOutputDoesNotDependOnPieceSizesAndSettlesAfterOneConversion) {
  std::mt19937 random(6350);
  for (int round = 0; round < 200; ++round) {
    std::string vcard = "BEGIN:VCARD\r\nTEL:" + RandomText(random, round) + "\r\n " +
                        RandomText(random, 20) + "\nADR:" + RandomText(random, 30) +
                        "\ntel;type=\"a:b\":" + RandomText(random, 40) + "\r\nEND:VCARD\r\n";
    std::string csv = "n;tel\r\n" + RandomText(random, round * 3);
    struct Scoped {
      std::string input;
      std::function<std::unique_ptr<Scope>()> scope;
    };
    for (const Scoped& scoped :
         {Scoped{vcard, [] { return std::unique_ptr<Scope>(new VCardScope); }},
          Scoped{csv, [] { return std::unique_ptr<Scope>(new CsvScope({{"tel"}}, {})); }}}) {
      const std::string whole = ConvertBytes(scoped.input, *scoped.scope(), FormSet::All()).output;
      for (const auto& pieces : kPieceSizes) {
        ASSERT_EQ(ConvertBytes(scoped.input, *scoped.scope(), FormSet::All(), pieces).output, whole)
            << scoped.input;
      }
      ASSERT_EQ(ConvertBytes(whole, *scoped.scope(), FormSet::All()).output, whole) << scoped.input;
    }
  }
}

// An endless line of "x23-45-67 " handed out in pieces of odd sizes, so numbers straddle them.
class RepeatingInput final : public platform::InputFile {
 public:
  explicit RepeatingInput(std::uint64_t size) : size_(size) {}
  platform::ReadOutcome Read(char* buffer, std::size_t capacity) override {
    static constexpr std::string_view kUnit = "x23-45-67 ";
    const std::size_t count =
        static_cast<std::size_t>(std::min<std::uint64_t>({capacity, 65521, size_ - read_}));
    for (std::size_t i = 0; i < count; ++i) buffer[i] = kUnit[(read_ + i) % kUnit.size()];
    read_ += count;
    return {count, std::nullopt};
  }
  std::optional<std::uint64_t> Size() const override { return size_; }
  std::uint64_t BytesRead() const { return read_; }

 private:
  std::uint64_t size_;
  std::uint64_t read_ = 0;
};

// Checks the output as it arrives and keeps none of it, noting how far it lags the input.
class CheckingOutput final : public platform::OutputFile {
 public:
  explicit CheckingOutput(const RepeatingInput& input) : input_(input) {}
  std::optional<std::string> Write(std::string_view bytes) override {
    static constexpr std::string_view kUnit = "x223-45-67 ";
    for (const char c : bytes) {
      if (c != kUnit[written_++ % kUnit.size()]) wrong_ = true;
    }
    largest_lag_ = std::max(largest_lag_, input_.BytesRead() - written_ * 10 / 11);
    return std::nullopt;
  }
  std::uint64_t written_ = 0;
  std::uint64_t largest_lag_ = 0;
  bool wrong_ = false;

 private:
  const RepeatingInput& input_;
};

// A run of digits longer than what is still held: looking back for the end of a number's view
// must stop at the oldest byte held, not read the bytes already dropped.
TEST(Streaming, ALongRunOfDigitsInSmallPiecesIsNotReadPastWhatIsHeld) {
  for (const std::size_t digits : {24u, 40u, 100u}) {
    const std::string run(digits, '7');
    EXPECT_EQ(testing::ConvertText(run, FormSet().With(NumberForm::kBare), {15, 5, 4096, 1}), run);
    EXPECT_EQ(testing::ConvertText("x" + run + ", 234567", FormSet::All(), {1}),
              "x" + run + ", 2234567");
  }
}

TEST(Streaming, ALongLineWithoutALineBreakStreamsThroughInBoundedMemory) {
  constexpr std::uint64_t kSize = (std::uint64_t{256} << 20) / 10 * 10;  // whole units
  RepeatingInput input(kSize);
  CheckingOutput output(input);
  TextScope scope;
  const PrefixTable prefixes;
  const RenumberOutcome outcome =
      Renumber({input, scope, testing::kDashedOnly, prefixes, &output, nullptr, {}});
  ASSERT_EQ(outcome.status, RenumberOutcome::Status::kDone);
  EXPECT_EQ(outcome.tally.converted, kSize / 10);
  EXPECT_EQ(output.written_, kSize + kSize / 10);
  EXPECT_FALSE(output.wrong_);
  // What is held between reading and writing stays within a few read buffers.
  EXPECT_LT(output.largest_lag_, std::uint64_t{4} << 20);
}

}  // namespace
}  // namespace batch
