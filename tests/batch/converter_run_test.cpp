// A whole run of renumera-convert over files held in memory: what it writes where, the
// messages and the summary, the exit status, and what -i leaves behind when a write fails.
#include "batch/converter_run.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "tests/batch/memory_files.h"

namespace batch {
namespace {

using testing::MemoryInput;
using testing::MemoryOutput;

// Files by name. A replacement is put in place on Commit; the ones named in fail_writes_after
// fail once that many bytes are written, as on a full disk.
class MemoryFiles final : public FileAccess {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, std::string> unreadable;  // name -> reason on opening
  std::map<std::string, std::size_t> fail_reads_after;
  std::map<std::string, std::size_t> fail_writes_after;
  std::string standard_input;
  MemoryOutput standard_output{std::nullopt};
  std::optional<std::size_t> standard_output_limit;
  int commits = 0;

  platform::OpenedInput OpenInput(const std::string& path) override {
    if (unreadable.count(path)) return {nullptr, unreadable[path]};
    const auto found = files.find(path);
    if (found == files.end()) return {nullptr, "No such file or directory"};
    auto input = std::make_unique<MemoryInput>(found->second, std::vector<std::size_t>{5});
    if (fail_reads_after.count(path))
      input->FailAfter(fail_reads_after[path], "Input/output error");
    return {std::move(input), {}};
  }
  std::unique_ptr<platform::InputFile> StandardInput() override {
    return std::make_unique<MemoryInput>(standard_input);
  }
  platform::OutputFile& StandardOutput() override { return standard_output; }
  platform::StartedReplacement BeginReplacement(const std::string& path) override {
    if (!files.count(path)) return {nullptr, "No such file or directory"};
    const auto limit = fail_writes_after.count(path)
                           ? std::optional<std::size_t>(fail_writes_after[path])
                           : std::nullopt;
    return {std::make_unique<Replacement>(*this, path, limit), {}};
  }
  bool StandardErrorIsTerminal() override { return false; }

 private:
  class Replacement final : public platform::FileReplacement {
   public:
    Replacement(MemoryFiles& owner, std::string path, std::optional<std::size_t> limit)
        : owner_(owner), path_(std::move(path)), bytes_(limit) {}
    std::optional<std::string> Write(std::string_view bytes) override {
      return bytes_.Write(bytes);
    }
    std::optional<std::string> Commit() override {
      owner_.files[path_] = bytes_.Bytes();
      ++owner_.commits;
      return std::nullopt;
    }

   private:
    MemoryFiles& owner_;
    std::string path_;
    MemoryOutput bytes_;
  };
};

struct RunResult {
  int status;
  std::string errors;
};

RunResult RunWith(MemoryFiles& files, const std::vector<std::string>& arguments) {
  std::ostringstream errors;
  const int status = RunConverter(arguments, files, errors, "1.0");
  return {status, errors.str()};
}

TEST(ConverterRun, WritesEveryFileToStandardOutputAndSumsThemUp) {
  MemoryFiles files;
  files.files = {{"a.txt", "тел. 23-45-67\n"}, {"b.txt", "80-12-34 и 23-45-67-89\n"}};
  files.standard_input = "(812) 34-56-78";
  const RunResult run = RunWith(files, {"a.txt", "-", "b.txt"});
  EXPECT_EQ(run.status, kExitDone);
  EXPECT_EQ(files.standard_output.Bytes(),
            "тел. 223-45-67\n(812) 434-56-78"
            "80-12-34 и 23-45-67-89\n");
  EXPECT_EQ(run.errors,
            "renumera-convert: 2 numbers converted, 1 left as they were (1 in a range with no "
            "new number), 3 files\n");
}

TEST(ConverterRun, SummaryNamesEveryReasonAndCountsInTheSingular) {
  MemoryFiles files;
  files.files = {{"a", "23-45-67 89 01, 80-00-00"}};
  EXPECT_EQ(RunWith(files, {"--plain", "a"}).errors,
            "renumera-convert: 0 numbers converted, 3 left as they were (1 in a range with no new "
            "number, 2 sharing digits with another), 1 file\n");
  files.files = {{"a", "234567"}};
  EXPECT_EQ(RunWith(files, {"--plain", "a"}).errors,
            "renumera-convert: 1 number converted, 0 left as they were, 1 file\n");
}

TEST(ConverterRun, InPlaceRewritesChangedFilesAndLeavesUnchangedOnesAlone) {
  MemoryFiles files;
  files.files = {{"a.vcf", "TEL:23-45-67\r\nADR:;;190000\r\n"}, {"b.vcf", "TEL:80-00-00\r\n"}};
  const RunResult run = RunWith(files, {"-i", "--vcard", "a.vcf", "b.vcf"});
  EXPECT_EQ(run.status, kExitDone);
  EXPECT_EQ(files.files["a.vcf"], "TEL:223-45-67\r\nADR:;;190000\r\n");
  EXPECT_EQ(files.files["b.vcf"], "TEL:80-00-00\r\n");
  EXPECT_EQ(files.commits, 1);
  EXPECT_EQ(files.standard_output.Bytes(), "");
}

TEST(ConverterRun, DryRunListsEachChangeAndChangesNothing) {
  MemoryFiles files;
  const std::string csv = "n;tel\r\nA;23-45-67\r\n\"B\r\nC\";\"x\r\n34 56 78\"\r\nD;80-00-00\r\n";
  files.files = {{"book.csv", csv}};
  const RunResult run = RunWith(files, {"-n", "-i", "--csv", "tel", "book.csv"});
  EXPECT_EQ(run.status, kExitDone);
  EXPECT_EQ(files.files["book.csv"], csv);
  EXPECT_EQ(files.commits, 0);
  EXPECT_EQ(files.standard_output.Bytes(),
            "book.csv:2: 23-45-67 -> 223-45-67\n"
            "book.csv:5: 34 56 78 -> 434 56 78\n");
  EXPECT_EQ(run.errors,
            "renumera-convert: 2 numbers to convert, 1 left as they were (1 in a range with no "
            "new number), 1 file\n");
}

TEST(ConverterRun, DryRunCountsLinesOfFoldedVCardsAndLongInputs) {
  MemoryFiles files;
  std::string long_text(300000, 'x');
  long_text += "\n\n23-45-\n 67\n";
  files.files = {{"a.vcf", long_text + "TEL:23-45-\r\n 67\r\n"}};
  RunWith(files, {"-n", "--vcard", "a.vcf"});
  EXPECT_EQ(files.standard_output.Bytes(), "a.vcf:5: 23-45-67 -> 223-45-67\n");
}

struct FailureCase {
  const char* name;
  std::vector<std::string> arguments;
  std::function<void(MemoryFiles&)> arrange;
  int status;
  std::string message;  // the first line on standard error
};

class Failures : public ::testing::TestWithParam<FailureCase> {};

// In each case a.txt cannot be done, and c.txt after it still is.
TEST_P(Failures, NameTheFileAndTheReasonAndLeaveTheOtherFilesDone) {
  const FailureCase& c = GetParam();
  MemoryFiles files;
  files.files = {{"a.txt", "23-45-67\n"}, {"c.txt", "34-56-78\n"}};
  c.arrange(files);
  const RunResult run = RunWith(files, c.arguments);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.errors.substr(0, run.errors.find('\n') + 1), c.message);
  if (c.status == kExitUsage) return;
  EXPECT_EQ(files.files["a.txt"].find("223"), std::string::npos) << "a.txt was changed";
  const bool in_place = c.arguments[0] == "-i";
  EXPECT_NE((in_place ? files.files["c.txt"] : files.standard_output.Bytes()).find("434-56-78"),
            std::string::npos);
  EXPECT_NE(run.errors.find("1 number converted"), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find("2 files (1 failed)"), std::string::npos) << run.errors;
}

const auto kNothing = [](MemoryFiles&) {};

INSTANTIATE_TEST_SUITE_P(
    Table, Failures,
    ::testing::Values(
        FailureCase{"Missing",
                    {"b.txt", "c.txt"},
                    kNothing,
                    kExitFailed,
                    "renumera-convert: b.txt: No such file or directory\n"},
        FailureCase{"Unreadable",
                    {"a.txt", "c.txt"},
                    [](MemoryFiles& f) { f.unreadable["a.txt"] = "Permission denied"; },
                    kExitFailed,
                    "renumera-convert: a.txt: Permission denied\n"},
        FailureCase{"ReadFailsHalfWayInPlace",
                    {"-i", "a.txt", "c.txt"},
                    [](MemoryFiles& f) {
                      f.files["a.txt"] = "23-45-67 " + std::string(100, 'x');
                      f.fail_reads_after["a.txt"] = 50;
                    },
                    kExitFailed,
                    "renumera-convert: a.txt: Input/output error; the file is unchanged\n"},
        FailureCase{"WriteFailsInPlace",
                    {"-i", "a.txt", "c.txt"},
                    [](MemoryFiles& f) { f.fail_writes_after["a.txt"] = 3; },
                    kExitFailed,
                    "renumera-convert: a.txt: No space left on device; the file is unchanged\n"},
        FailureCase{"Utf16",
                    {"a.txt", "c.txt"},
                    [](MemoryFiles& f) {
                      f.files["a.txt"] = std::string(
                          "\xFF\xFE"
                          "2\0"
                          "3\0",
                          6);
                    },
                    kExitFailed,
                    "renumera-convert: a.txt: starts with a UTF-16 byte-order mark; save it as "
                    "UTF-8 or in an 8-bit code page first\n"},
        FailureCase{"Utf16BigEndianInPlace",
                    {"-i", "a.txt", "c.txt"},
                    [](MemoryFiles& f) { f.files["a.txt"] = "\xFE\xFF"; },
                    kExitFailed,
                    "renumera-convert: a.txt: starts with a UTF-16 byte-order mark; save it as "
                    "UTF-8 or in an 8-bit code page first\n"},
        FailureCase{"MissingColumn",
                    {"--csv", "tel", "a.txt", "c.txt"},
                    [](MemoryFiles& f) {
                      f.files["a.txt"] = "name;phone\nx;23-45-67\n";
                      f.files["c.txt"] = "tel\n34-56-78\n";
                    },
                    kExitFailed,
                    "renumera-convert: a.txt: the header has no column \"tel\"\n"},
        FailureCase{
            "UnknownOption",
            {"--frobnicate"},
            kNothing,
            kExitUsage,
            "renumera-convert: unknown option --frobnicate (see renumera-convert --help)\n"},
        FailureCase{"InPlaceOnStandardInput",
                    {"-i"},
                    kNothing,
                    kExitUsage,
                    "renumera-convert: -i needs files to rewrite, not standard input (see "
                    "renumera-convert --help)\n"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(ConverterRun, AFullStandardOutputEndsTheRunWithStatusOne) {
  MemoryFiles files;
  files.files = {{"a.txt", std::string(3 << 20, 'x')}, {"c.txt", "34-56-78\n"}};
  files.standard_output = MemoryOutput(1000);
  const RunResult run = RunWith(files, {"a.txt", "c.txt"});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_EQ(run.errors,
            "renumera-convert: standard output: No space left on device\n"
            "renumera-convert: 0 numbers converted, 0 left as they were, 1 file (1 failed)\n");
}

TEST(ConverterRun, AFullStandardOutputFailsADryRunToo) {
  MemoryFiles files;
  files.files = {{"a.txt", "23-45-67\n"}};
  files.standard_output = MemoryOutput(0);
  EXPECT_EQ(RunWith(files, {"-n", "a.txt"}).status, kExitFailed);
}

struct UsageCase {
  std::vector<std::string> arguments;
  std::string error;
};

TEST(ConverterRun, BadCommandLinesAreUsageErrors) {
  const std::vector<UsageCase> cases = {
      {{"--csv"}, "option --csv needs a value"},
      {{"--csv", ""}, "--csv needs a column name or number"},
      {{"--csv=0"}, "column numbers start at 1"},
      {{"--csv", "1", "--vcard"}, "--vcard cannot be combined with --csv"},
      {{"--vcard", "--plain"}, "--plain is for running text, not with --csv or --vcard"},
      {{"--delimiter", ";"}, "--delimiter needs --csv"},
      {{"--csv", "1", "--delimiter", "\""},
       "the delimiter must be one character other than a quote"},
      {{"--csv", "1", "--delimiter", ";;"},
       "the delimiter must be one character other than a quote"},
      {{"--vcard=yes"}, "option --vcard takes no value"},
      {{"-x"}, "unknown option -x"},
      {{"-i", "a", "-"}, "-i needs files to rewrite, not standard input"},
  };
  for (const UsageCase& c : cases) {
    MemoryFiles files;
    const RunResult run = RunWith(files, c.arguments);
    EXPECT_EQ(run.status, kExitUsage) << c.error;
    EXPECT_EQ(run.errors, "renumera-convert: " + c.error + " (see renumera-convert --help)\n");
  }
}

TEST(ConverterRun, OptionsInEveryForm) {
  MemoryFiles files;
  files.files = {{"-a", "x\t23 45 67\n"}, {"b", "x\t23 45 67\n"}};
  EXPECT_EQ(RunWith(files, {"--csv=2", "--delimiter=tab", "-in", "--", "-a"}).status, kExitDone);
  EXPECT_EQ(files.standard_output.Bytes(), "-a:1: 23 45 67 -> 223 45 67\n");
  EXPECT_EQ(RunWith(files, {"--delimiter", "\\t", "--csv", "2", "b"}).status, kExitDone);
}

TEST(ConverterRun, HelpAndVersionGoToStandardOutput) {
  MemoryFiles files;
  EXPECT_EQ(RunWith(files, {"--version"}).status, kExitDone);
  EXPECT_EQ(files.standard_output.Bytes(), "renumera-convert 1.0\n");
  EXPECT_EQ(RunWith(files, {"-h"}).status, kExitDone);
  EXPECT_NE(files.standard_output.Bytes().find("Usage: renumera-convert"), std::string::npos);
}

}  // namespace
}  // namespace batch
