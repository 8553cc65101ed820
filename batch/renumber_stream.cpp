#include "batch/renumber_stream.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace batch {

Tally& Tally::operator+=(const Tally& other) {
  converted += other.converted;
  without_new_number += other.without_new_number;
  overlapping += other.overlapping;
  return *this;
}

namespace {

constexpr std::size_t kReadSize = std::size_t{1} << 20;
constexpr std::size_t kOutputSize = std::size_t{1} << 20;
// A number starting this far before the end of what is held can be decided: its own bytes, its
// surroundings and a number overlapping it all lie within.
constexpr std::size_t kDecisionReach = 6 + kLookAhead;
static_assert(kDecisionReach <= ContentBuffer::kPadding);

// Skips to the next digit; eight bytes at a time while none of them can be one.
const char* FindDigit(const char* at, const char* end) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  while (end - at >= 8) {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    // Bytes '0' to '9' become 0 to 9; the test below flags every byte below 10 (and may flag
    // a few more, which the byte-wise check sorts out).
    const std::uint64_t shifted = word ^ (kOnes * '0');
    if (((shifted - kOnes * 10) & ~shifted & kHighs) != 0) break;
    at += 8;
  }
  while (at < end && !IsDigit(*at)) ++at;
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
    auto buffer = std::make_unique<char[]>(kReadSize);
    std::uint64_t read_total = 0;
    bool checked_mark = false;
    std::string first_bytes;  // until the byte-order mark can be ruled out
    for (;;) {
      const platform::ReadOutcome read = job_.input.Read(buffer.get(), kReadSize);
      if (read.failure) return Fail(RenumberOutcome::Status::kReadFailed, *read.failure);
      std::string_view bytes(buffer.get(), read.bytes);
      const bool at_end = read.bytes == 0;

      if (!checked_mark) {
        first_bytes.append(bytes);
        if (first_bytes.size() < 2 && !at_end) continue;
        if (StartsWithUtf16Mark(first_bytes)) {
          return Fail(RenumberOutcome::Status::kUtf16, "starts with a UTF-16 byte-order mark");
        }
        checked_mark = true;
        bytes = first_bytes;
      }
      if (at_end) break;

      Take(bytes, read_total);
      read_total += bytes.size();
      first_bytes.clear();
      if (job_.scope.Refusal()) return Fail(RenumberOutcome::Status::kRefused, *Refusal());
      Search(false);
      if (!Flush(false)) return Fail(RenumberOutcome::Status::kWriteFailed, write_failure_);
      if (job_.progress) job_.progress(read_total);
    }

    job_.scope.Finish(read_total, content_);
    if (job_.scope.Refusal()) return Fail(RenumberOutcome::Status::kRefused, *Refusal());
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

  void Take(std::string_view bytes, std::uint64_t input_offset) {
    // The bytes are held until every number that could touch them is decided.
    if (held_.empty()) held_offset_ = input_offset;
    held_.append(bytes);
    job_.scope.Classify(bytes, input_offset, content_);
  }

  // Decides every number that starts where what follows it is known: anywhere at the end of
  // the input, otherwise up to kDecisionReach bytes before the end of what is held, or up to
  // a byte that ends every number's view (neither digit nor separator) if one is nearer.
  void Search(bool at_end) {
    const std::uint64_t end = content_.End();
    std::uint64_t limit = end;
    if (!at_end) {
      limit = end > kDecisionReach ? end - kDecisionReach : 0;
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
    while ((at = FindDigit(at, stop)) < stop) {
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
    resume_ = content_.Begin() + static_cast<std::uint64_t>(at - content_.At(content_.Begin()));
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
    const char* from = held_.data() + (counted_through_ - held_offset_);
    const char* to = held_.data() + (input_offset - held_offset_);
    line_ += static_cast<std::uint64_t>(std::count(from, to, '\n'));
    counted_through_ = input_offset;
    return line_;
  }

  // Writes out the held input that no undecided number can still change, with the prefix
  // digits put in, and forgets it.
  bool Flush(bool at_end) {
    std::uint64_t through = held_offset_ + held_.size();
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
    held_.erase(0, static_cast<std::size_t>(through - held_offset_));
    held_offset_ = through;

    const std::uint64_t keep_from = resume_ >= kLookBehind ? resume_ - kLookBehind : 0;
    content_.DropBefore(std::max(content_.Begin(), std::min(keep_from, content_.End())));
    return !at_end || WriteOutput();
  }

  bool Emit(std::uint64_t from, std::uint64_t to) {
    return Emit(std::string_view(held_.data() + (from - held_offset_),
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

  std::string held_;  // input not yet written, from held_offset_
  std::uint64_t held_offset_ = 0;
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
