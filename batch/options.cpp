#include "batch/options.h"

#include <algorithm>
#include <string_view>

namespace batch {

const char kUsageText[] =
    "Usage: renumera-convert [OPTIONS] [FILE...]\n"
    "Puts the new seven-digit number in place of every old six-digit one in the files (or\n"
    "standard input) and writes the result to standard output. Every other byte is copied.\n"
    "\n"
    "Where numbers are looked for (one of):\n"
    "  (default)            running text: numbers written 23-45-67\n"
    "      --plain          running text: also 234567 and 23 45 67\n"
    "      --vcard          vCard: the values of TEL properties, in all three forms\n"
    "      --csv COLUMN     CSV: the fields of COLUMN, a header name or a number from 1, in\n"
    "                       all three forms; repeat it for more columns\n"
    "      --delimiter C    the CSV field delimiter (by default ';' or ',' from the header)\n"
    "\n"
    "  -i, --in-place       rewrite each file in place instead of writing standard output\n"
    "  -n, --dry-run        change nothing; list each change as FILE:LINE: OLD -> NEW\n"
    "  -h, --help           show this help and exit\n"
    "      --version        show the version and exit\n"
    "\n"
    "Exit status: 0 when every file was converted, 1 when a file could not be, 2 for a\n"
    "wrong command line.\n";

namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::string> CheckColumn(const std::string& column) {
  if (column.empty()) return "--csv needs a column name or number";
  if (AllDigits(column) && column.find_first_not_of('0') == std::string::npos) {
    return "column numbers start at 1";
  }
  return std::nullopt;
}

std::optional<char> ParseDelimiter(const std::string& text) {
  if (text == "\\t" || text == "tab") return '\t';
  if (text.size() != 1 || text[0] == '"' || text[0] == '\r' || text[0] == '\n') {
    return std::nullopt;
  }
  return text[0];
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  ParsedOptions Parse() {
    for (next_ = 0; next_ < arguments_.size() && !error_;) {
      const std::string& argument = arguments_[next_++];
      if (only_files_ || argument == "-" || !argument.starts_with('-')) {
        options_.files.push_back(argument);
      } else if (argument == "--") {
        only_files_ = true;
      } else if (argument.starts_with("--")) {
        LongOption(argument);
      } else {
        ShortOptions(argument);
      }
    }
    if (!error_) CheckCombination();
    if (error_) return {std::nullopt, *error_};
    return {options_, {}};
  }

 private:
  void LongOption(const std::string& argument) {
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    std::optional<std::string> attached;
    if (equals != std::string::npos) attached = argument.substr(equals + 1);

    if (name == "--csv" || name == "--delimiter") {
      const std::optional<std::string> value = attached ? attached : Value(name);
      if (!value) return;
      name == "--csv" ? Column(*value) : Delimiter(*value);
      return;
    }
    if (attached) {
      error_ = "option " + name + " takes no value";
      return;
    }
    if (name == "--plain") {
      options_.plain = true;
    } else if (name == "--vcard") {
      SetMode(Options::Mode::kVCard, name);
    } else if (name == "--in-place") {
      options_.in_place = true;
    } else if (name == "--dry-run") {
      options_.dry_run = true;
    } else if (name == "--help") {
      options_.help = true;
    } else if (name == "--version") {
      options_.version = true;
    } else {
      error_ = "unknown option " + name;
    }
  }

  void ShortOptions(const std::string& argument) {
    for (std::size_t i = 1; i < argument.size() && !error_; ++i) {
      switch (argument[i]) {
        case 'i':
          options_.in_place = true;
          break;
        case 'n':
          options_.dry_run = true;
          break;
        case 'h':
          options_.help = true;
          break;
        default:
          error_ = std::string("unknown option -") + argument[i];
      }
    }
  }

  std::optional<std::string> Value(const std::string& name) {
    if (next_ < arguments_.size()) return arguments_[next_++];
    error_ = "option " + name + " needs a value";
    return std::nullopt;
  }

  void Column(const std::string& value) {
    if ((error_ = CheckColumn(value))) return;
    SetMode(Options::Mode::kCsv, "--csv");
    options_.columns.push_back({value});
  }

  void Delimiter(const std::string& value) {
    options_.delimiter = ParseDelimiter(value);
    if (!options_.delimiter) error_ = "the delimiter must be one character other than a quote";
  }

  void SetMode(Options::Mode mode, const std::string& name) {
    if (options_.mode != Options::Mode::kText && options_.mode != mode) {
      error_ = name + " cannot be combined with " +
               (options_.mode == Options::Mode::kCsv ? "--csv" : "--vcard");
    }
    options_.mode = mode;
  }

  void CheckCombination() {
    if (options_.help || options_.version) return;
    if (options_.plain && options_.mode != Options::Mode::kText) {
      error_ = "--plain is for running text, not with --csv or --vcard";
    } else if (options_.delimiter && options_.mode != Options::Mode::kCsv) {
      error_ = "--delimiter needs --csv";
    } else if (options_.in_place && !options_.dry_run &&
               (options_.files.empty() || std::find(options_.files.begin(), options_.files.end(),
                                                    "-") != options_.files.end())) {
      error_ = "-i needs files to rewrite, not standard input";
    }
  }

  const std::vector<std::string>& arguments_;
  std::size_t next_ = 0;
  bool only_files_ = false;
  Options options_;
  std::optional<std::string> error_;
};

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& arguments) {
  return Parser(arguments).Parse();
}

}  // namespace batch
