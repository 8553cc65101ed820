#include "batch/converter_run.h"

#include <memory>

#include "batch/options.h"
#include "batch/progress_line.h"
#include "batch/renumber_stream.h"
#include "batch/summary.h"
#include "batch/vcard_scope.h"

namespace batch {
namespace {

constexpr char kProgram[] = "renumera-convert";
constexpr std::size_t kListingBuffer = 64 * 1024;

// Dry-run listing: "FILE:LINE: OLD -> NEW" on standard output.
class ChangeListing final : public ChangeListener {
 public:
  explicit ChangeListing(platform::OutputFile& output) : output_(output) {}

  void SetFile(const std::string& name) { name_ = name; }

  void OnChange(std::uint64_t line, std::string_view old_number,
                std::string_view new_number) override {
    text_ += name_;
    text_ += ':';
    text_ += std::to_string(line);
    text_ += ": ";
    text_ += old_number;
    text_ += " -> ";
    text_ += new_number;
    text_ += '\n';
    if (text_.size() >= kListingBuffer) Write();
  }

  // The first failure to write, kept until asked for.
  std::optional<std::string> Write() {
    if (!failure_ && !text_.empty()) failure_ = output_.Write(text_);
    text_.clear();
    return failure_;
  }

 private:
  platform::OutputFile& output_;
  std::string name_;
  std::string text_;
  std::optional<std::string> failure_;
};

std::unique_ptr<Scope> MakeScope(const Options& options) {
  switch (options.mode) {
    case Options::Mode::kVCard:
      return std::make_unique<VCardScope>();
    case Options::Mode::kCsv:
      return std::make_unique<CsvScope>(options.columns, options.delimiter);
    case Options::Mode::kText:
      break;
  }
  return std::make_unique<TextScope>();
}

FormSet FormsOf(const Options& options) {
  if (options.mode == Options::Mode::kText && !options.plain) {
    return FormSet().With(NumberForm::kDashed);
  }
  return FormSet::All();
}

class Run {
 public:
  Run(const Options& options, FileAccess& files, std::ostream& errors)
      : options_(options),
        files_(files),
        errors_(errors),
        progress_(errors, files.StandardErrorIsTerminal()),
        listing_(files.StandardOutput()) {
    totals_.dry_run = options.dry_run;
  }

  int Execute() {
    std::vector<std::string> names = options_.files;
    if (names.empty()) names.push_back("-");
    for (const std::string& name : names) {
      ++totals_.files;
      if (!ConvertOne(name)) ++totals_.failed;
      if (output_broken_) break;  // every later file would fail the same way
    }
    progress_.Finish();
    if (options_.dry_run) {
      if (const auto failure = listing_.Write(); failure && !output_broken_) {
        Report("standard output", *failure);
        output_broken_ = true;
        ++totals_.failed;
      }
    }
    errors_ << kProgram << ": " << SummaryLine(totals_) << '\n';
    return totals_.failed > 0 ? kExitFailed : kExitDone;
  }

 private:
  void Report(const std::string& name, const std::string& reason) {
    progress_.Finish();
    errors_ << kProgram << ": " << name << ": " << reason << '\n';
  }

  bool ConvertOne(const std::string& name) {
    const bool standard_input = name == "-";
    const std::string shown = standard_input ? "standard input" : name;
    std::unique_ptr<platform::InputFile> input;
    if (standard_input) {
      input = files_.StandardInput();
    } else {
      platform::OpenedInput opened = files_.OpenInput(name);
      if (!opened.file) {
        Report(shown, opened.failure);
        return false;
      }
      input = std::move(opened.file);
    }

    std::unique_ptr<platform::FileReplacement> replacement;
    platform::OutputFile* output = nullptr;
    if (options_.dry_run) {
      listing_.SetFile(name);
    } else if (options_.in_place) {
      platform::StartedReplacement started = files_.BeginReplacement(name);
      if (!started.replacement) {
        Report(shown, started.failure);
        return false;
      }
      replacement = std::move(started.replacement);
      output = replacement.get();
    } else {
      output = &files_.StandardOutput();
    }

    const std::unique_ptr<Scope> scope = MakeScope(options_);
    progress_.Start(shown, input->Size());
    const RenumberOutcome outcome =
        Renumber({*input, *scope, FormsOf(options_), prefixes_, output,
                  options_.dry_run ? &listing_ : nullptr,
                  [this](std::uint64_t read) { progress_.Update(read); }});
    progress_.Finish();
    if (!Accept(outcome, shown, replacement != nullptr)) return false;
    if (replacement && outcome.tally.converted > 0) {
      if (const auto failure = replacement->Commit()) {
        Report(shown, *failure);
        return false;
      }
    }
    totals_.tally += outcome.tally;
    return true;
  }

  bool Accept(const RenumberOutcome& outcome, const std::string& shown, bool in_place) {
    using Status = RenumberOutcome::Status;
    switch (outcome.status) {
      case Status::kDone:
        return true;
      case Status::kWriteFailed:
        if (in_place) {
          Report(shown, outcome.reason + "; the file is unchanged");
        } else {
          Report("standard output", outcome.reason);
          output_broken_ = true;
        }
        return false;
      case Status::kUtf16:
        Report(shown, outcome.reason + "; save it as UTF-8 or in an 8-bit code page first");
        return false;
      case Status::kReadFailed:
      case Status::kRefused:
        Report(shown, in_place ? outcome.reason + "; the file is unchanged" : outcome.reason);
        return false;
    }
    return false;
  }

  const Options& options_;
  FileAccess& files_;
  std::ostream& errors_;
  ProgressLine progress_;
  ChangeListing listing_;
  const PrefixTable prefixes_;
  RunTotals totals_;
  bool output_broken_ = false;
};

}  // namespace

int RunConverter(const std::vector<std::string>& arguments, FileAccess& files, std::ostream& errors,
                 const std::string& version) {
  const ParsedOptions parsed = ParseOptions(arguments);
  if (!parsed.options) {
    errors << kProgram << ": " << parsed.error << " (see " << kProgram << " --help)\n";
    return kExitUsage;
  }
  const Options& options = *parsed.options;
  if (options.help || options.version) {
    const std::string text =
        options.help ? std::string(kUsageText) : std::string(kProgram) + " " + version + "\n";
    if (const auto failure = files.StandardOutput().Write(text)) {
      errors << kProgram << ": standard output: " << *failure << '\n';
      return kExitFailed;
    }
    return kExitDone;
  }
  return Run(options, files, errors).Execute();
}

}  // namespace batch
