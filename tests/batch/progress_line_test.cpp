// The progress line: quiet for the first second of an input, then rewritten in place at most
// five times a second, wiped at the end, and never shown off a terminal.
#include "batch/progress_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace batch {
namespace {

using std::chrono::milliseconds;

TEST(ProgressLine, ShowsOnlyForInputsTakingMoreThanASecond) {
  std::ostringstream terminal;
  ProgressLine progress(terminal, true);
  progress.Start("big.csv", std::uint64_t{200} << 20);
  const auto start = ProgressLine::Clock::now();
  progress.Update(std::uint64_t{10} << 20, start + milliseconds(900));
  EXPECT_EQ(terminal.str(), "");
  progress.Update(std::uint64_t{50} << 20, start + milliseconds(1100));
  EXPECT_EQ(terminal.str(), "\rbig.csv: 50 MB of 200 MB (25%)\x1b[K");
  progress.Update(std::uint64_t{60} << 20, start + milliseconds(1200));  // too soon
  progress.Update(std::uint64_t{100} << 20, start + milliseconds(1400));
  progress.Finish();
  EXPECT_EQ(terminal.str(),
            "\rbig.csv: 50 MB of 200 MB (25%)\x1b[K\rbig.csv: 100 MB of 200 MB (50%)\x1b[K"
            "\r\x1b[K");
}

TEST(ProgressLine, WithoutASizeShowsTheBytesRead) {
  std::ostringstream terminal;
  ProgressLine progress(terminal, true);
  progress.Start("standard input", std::nullopt);
  progress.Update(std::uint64_t{3} << 20, ProgressLine::Clock::now() + milliseconds(2000));
  EXPECT_EQ(terminal.str(), "\rstandard input: 3 MB\x1b[K");
}

TEST(ProgressLine, QuickInputsAndNonTerminalsShowNothing) {
  std::ostringstream terminal;
  ProgressLine quick(terminal, true);
  quick.Start("small.txt", 100);
  quick.Update(100);
  quick.Finish();
  ProgressLine piped(terminal, false);
  piped.Start("big.txt", 100);
  piped.Update(50, ProgressLine::Clock::now() + milliseconds(5000));
  piped.Finish();
  EXPECT_EQ(terminal.str(), "");
}

}  // namespace
}  // namespace batch
