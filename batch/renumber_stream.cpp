#include "batch/renumber_stream.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace batch {

Tally& Tally::operator+=(const Tally& other) {
  converted += other.converted;
  without_new_number += other.without_new_number;
  overlapping += other.overlapping;
  return *this;
}

namespace {

constexpr std::size_t kReadSize = std::size_t{128} << 10;
constexpr std::size_t kOutputSize = std::size_t{128} << 10;
// A number starting this far before the end of what is held can be decided: its own bytes, its
// surroundings and a number overlapping it all lie within.
constexpr std::size_t kDecisionReach = 6 + kLookAhead;
static_assert(kDecisionReach <= ContentBuffer::kPadding);

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = kOnes * 0x80;

// The high bit of each byte of `word` that is a digit. The bytes '0' to '9' become 0 to 9;
// adding 0x76 to the low seven bits of a byte sets its high bit exactly when they are 10 or
// more, with no carry into the next byte; a digit has neither that nor its own high bit set.
std::uint64_t DigitBytes(std::uint64_t word) {
  const std::uint64_t shifted = word ^ (kOnes * '0');
  return ~(((shifted & ~kHighs) + kOnes * 0x76) | shifted) & kHighs;
}

// The high bit of each byte of `word` that is a '-', by the same carry-free test for zero.
std::uint64_t DashBytes(std::uint64_t word) {
  const std::uint64_t shifted = word ^ (kOnes * '-');
  return ~(((shifted & ~kHighs) + ~kHighs) | shifted) & kHighs;
}

bool IsDash(char c) {
  return c == '-';
}

// The first byte from `at` on that `is` takes, or `end`; eight bytes at a time.
template <std::uint64_t (*marks)(std::uint64_t), bool (*is)(char)>
const char* Find(const char* at, const char* end) {
  if constexpr (std::endian::native == std::endian::little) {
    while (end - at >= 8) {
      std::uint64_t word;
      std::memcpy(&word, at, 8);
      if (const std::uint64_t found = marks(word)) return at + std::countr_zero(found) / 8;
      at += 8;
    }
  }
  while (at < end && !is(*at)) ++at;
  return at;
}

const char* SkipDigits(const char* at) {
  while (IsDigit(*at)) ++at;  // the padding ends every run
  return at;
}

bool StartsWithUtf16Mark(std::string_view bytes) {
  return bytes.size() >= 2 &&
         ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

class Renumberer {
 public:
  explicit Renumberer(const RenumberJob& job) : job_(job) { output_.reserve(kOutputSize); }

  RenumberOutcome Run() {
    bool checked_mark = false;
    for (;;) {
      // Read straight into the held input, behind what is still held.
      const std::size_t held_before = held_.Size();
      const platform::ReadOutcome read = job_.input.Read(held_.Extend(kReadSize), kReadSize);
      held_.Shrink(held_before + (read.failure ? 0 : read.bytes));
      if (read.failure) return Fail(RenumberOutcome::Status::kReadFailed, *read.failure);
      const bool at_end = read.bytes == 0;

      std::size_t fresh = held_before;  // the first byte the scope has not seen
      if (!checked_mark) {
        if (held_.Size() < 2 && !at_end) continue;
        if (StartsWithUtf16Mark(std::string_view(held_.Data(), held_.Size()))) {
          return Fail(RenumberOutcome::Status::kUtf16, "starts with a UTF-16 byte-order mark");
        }
        checked_mark = true;
        fresh = 0;
      }
      if (held_.Size() > fresh) {
        const std::uint64_t offset = held_offset_ + fresh;
        job_.scope.Classify(std::string_view(held_.Data() + fresh, held_.Size() - fresh), offset,
                            content_);
        read_total_ = held_offset_ + held_.Size();
        if (Refusal()) return Fail(RenumberOutcome::Status::kRefused, *Refusal());
        Search(false);
        if (!Flush(false)) return Fail(RenumberOutcome::Status::kWriteFailed, write_failure_);
        if (job_.progress) job_.progress(read_total_);
      }
      if (at_end) break;
    }

    job_.scope.Finish(read_total_, content_);
    if (Refusal()) return Fail(RenumberOutcome::Status::kRefused, *Refusal());
    Search(true);
    if (!Flush(true)) return Fail(RenumberOutcome::Status::kWriteFailed, write_failure_);
    return {RenumberOutcome::Status::kDone, {}, tally_};
  }

 private:
  struct Insertion {
    std::uint64_t input_offset;
    char digit;
  };

  std::optional<std::string> Refusal() const { return job_.scope.Refusal(); }

  RenumberOutcome Fail(RenumberOutcome::Status status, std::string reason) const {
    return {status, std::move(reason), tally_};
  }

  // Decides every number that starts where what follows it is known: anywhere at the end of
  // the input, otherwise up to kDecisionReach bytes before the end of what is held, or up to
  // a byte that ends every number's view (neither digit nor separator) if one is nearer.
  void Search(bool at_end) {
    const std::uint64_t end = content_.End();
    std::uint64_t limit = end;
    if (!at_end) {
      // Bytes before Begin() have been dropped; the scan back must not reach them.
      limit = std::max<std::uint64_t>(end > kDecisionReach ? end - kDecisionReach : 0,
                                      content_.Begin());
      for (std::uint64_t index = end; index > limit; --index) {
        const char c = *content_.At(index - 1);
        if (!IsDigit(c) && c != '-' && c != ' ') {
          limit = index;
          break;
        }
      }
    }
    if (resume_ >= limit) return;

    const char* at = content_.At(resume_);
    const char* stop = content_.At(limit);
    at = job_.forms.Has(NumberForm::kBare) || job_.forms.Has(NumberForm::kSpaced)
             ? SearchFromDigits(at, stop)
             : SearchFromDashes(at, stop);
    resume_ = content_.Begin() + static_cast<std::uint64_t>(at - content_.At(content_.Begin()));
  }

  // Looks at every run of digits that starts in [at, stop); gives where the search ended.
  const char* SearchFromDigits(const char* at, const char* stop) {
    while ((at = Find<DigitBytes, IsDigit>(at, stop)) < stop) {
      if (IsDigit(at[-1])) {  // inside a run of digits that began before
        at = SkipDigits(at);
        continue;
      }
      const std::optional<NumberForm> form = OldNumberAt(at, job_.forms);
      if (!form) {
        at = SkipDigits(at);
        continue;
      }
      Decide(at, *form);
      // The next pair of a grouped number may itself begin an overlapping one.
      at += *form == NumberForm::kBare ? NumberLength(*form) : 2;
    }
    return at;
  }

  // With dashed numbers alone, only the bytes two before a '-' can begin one, and running text
  // has far fewer dashes than digits.
  const char* SearchFromDashes(const char* at, const char* stop) {
    const char* dash = at + 2;
    while ((dash = Find<DashBytes, IsDash>(dash, stop + 2)) < stop + 2) {
      const char* start = dash - 2;
      if (OldNumberAt(start, job_.forms)) {
        Decide(start, NumberForm::kDashed);
        dash = start + NumberLength(NumberForm::kDashed);
      } else {
        ++dash;
      }
    }
    return std::max(stop, dash - 2);
  }

  void Decide(const char* at, NumberForm form) {
    const std::uint64_t index =
        content_.Begin() + static_cast<std::uint64_t>(at - content_.At(content_.Begin()));
    const bool overlaps =
        index < previous_number_end_ || OverlapsFollowingNumber(at, form, job_.forms);
    previous_number_end_ = std::max(previous_number_end_, index + NumberLength(form));
    if (overlaps) {
      ++tally_.overlapping;
      return;
    }
    const char digit = job_.prefixes.For(at[0], at[1], at[ThirdDigitOffset(form)]);
    if (digit == '\0') {
      ++tally_.without_new_number;
      return;
    }
    ++tally_.converted;
    const std::uint64_t input_offset = content_.InputOffsetOf(index);
    insertions_.push_back({input_offset, digit});
    if (job_.changes) {
      const std::string_view old_number(at, NumberLength(form));
      std::string new_number(1, digit);
      new_number += old_number;
      job_.changes->OnChange(LineAt(input_offset), old_number, new_number);
    }
  }

  std::uint64_t LineAt(std::uint64_t input_offset) {
    const char* from = held_.Data() + (counted_through_ - held_offset_);
    const char* to = held_.Data() + (input_offset - held_offset_);
    line_ += static_cast<std::uint64_t>(std::count(from, to, '\n'));
    counted_through_ = input_offset;
    return line_;
  }

  // Writes out the held input that no undecided number can still change, with the prefix
  // digits put in, and forgets it.
  bool Flush(bool at_end) {
    std::uint64_t through = held_offset_ + held_.Size();
    if (!at_end) {
      if (resume_ < content_.End()) through = std::min(through, content_.InputOffsetOf(resume_));
      through = std::min(through, job_.scope.HeldFrom());
    }
    if (through < held_offset_) through = held_offset_;
    if (job_.changes && counted_through_ < through) LineAt(through);

    std::uint64_t written = held_offset_;
    for (const Insertion& insertion : insertions_) {
      if (!Emit(written, insertion.input_offset)) return false;
      if (!Emit(std::string_view(&insertion.digit, 1))) return false;
      written = insertion.input_offset;
    }
    insertions_.clear();
    if (!Emit(written, through)) return false;
    held_.DropFront(static_cast<std::size_t>(through - held_offset_));
    held_offset_ = through;

    const std::uint64_t keep_from = resume_ >= kLookBehind ? resume_ - kLookBehind : 0;
    content_.DropBefore(std::max(content_.Begin(), std::min(keep_from, content_.End())));
    return !at_end || WriteOutput();
  }

  bool Emit(std::uint64_t from, std::uint64_t to) {
    return Emit(std::string_view(held_.Data() + (from - held_offset_),
                                 static_cast<std::size_t>(to - from)));
  }

  bool Emit(std::string_view bytes) {
    if (!job_.output) return true;
    if (output_.size() + bytes.size() > kOutputSize && !WriteOutput()) return false;
    if (bytes.size() >= kOutputSize) {
      const auto failure = job_.output->Write(bytes);
      if (failure) write_failure_ = *failure;
      return !failure;
    }
    output_.append(bytes);
    return true;
  }

  bool WriteOutput() {
    if (!job_.output || output_.empty()) return true;
    const auto failure = job_.output->Write(output_);
    output_.clear();
    if (failure) write_failure_ = *failure;
    return !failure;
  }

  const RenumberJob& job_;
  ContentBuffer content_;
  std::uint64_t resume_ = kLookBehind;  // the first byte of content_ not yet searched
  std::uint64_t previous_number_end_ = 0;
  std::vector<Insertion> insertions_;
  Tally tally_;

  // Input read and not yet written, from held_offset_: held until every number that could
  // touch it is decided.
  ByteBuffer held_;
  std::uint64_t held_offset_ = 0;
  std::uint64_t read_total_ = 0;
  std::uint64_t counted_through_ = 0;  // newlines before this offset are in line_
  std::uint64_t line_ = 1;

  std::string output_;
  std::string write_failure_;
};

}  // namespace

RenumberOutcome Renumber(const RenumberJob& job) {
  return Renumberer(job).Run();
}

}  // namespace batch
