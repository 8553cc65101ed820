// The INI document on any bytes, and one edit of it. The input is the edit (a byte choosing
// write or delete, then the section, the key, the value and a second key, each a line ended
// by LF) followed by the document's bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini_document.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using fuzz::Require;
using platform::EditResult;
using platform::IniDocument;

constexpr std::string_view kMissing = "\x01missing";

// Takes the text up to the next LF, or all that is left.
std::string_view TakeLine(std::string_view& input) {
  const std::size_t end = input.find('\n');
  const std::string_view line = input.substr(0, end);
  input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  return line;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// What a read gives back for a value written: the reading rules written out again here
// (blanks trimmed, one pair of matching quotes removed, at most 1023 characters).
std::string ReadBackOf(std::string_view value) {
  while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
  while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, platform::kProfileValueLimit));
}

IniDocument Reparsed(const IniDocument& document) {
  std::optional<IniDocument> again = IniDocument::Parse(document.Serialize());
  Require(again.has_value(), "a serialised document parses again");
  Require(again->Serialize() == document.Serialize(), "a serialised document is stable");
  return *std::move(again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.empty()) return 0;
  const bool write = (input.front() & 1) == 0;
  input.remove_prefix(1);
  const std::string_view section = TakeLine(input);
  const std::string_view key = TakeLine(input);
  const std::string_view value = TakeLine(input);
  const std::string_view other_key = TakeLine(input);
  const std::string_view bytes = input;

  std::optional<IniDocument> document = IniDocument::Parse(bytes);
  const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
  Require(document.has_value() != utf16, "everything but UTF-16 parses");
  if (!document) return 0;
  Require(document->Serialize() == bytes, "an unedited document serialises to its bytes");

  const std::string before = document->Read(section, key, kMissing);
  const std::string other_before = document->Read(section, other_key, kMissing);
  Require(before.size() <= platform::kProfileValueLimit, "a value read is cut to the limit");
  // Two spellings of one key (differing in case or blanks) are not told apart here.
  const bool same_key =
      document->Read(section, other_key, "a") == document->Read(section, key, "a") &&
      document->Read(section, other_key, "b") == document->Read(section, key, "b");

  const EditResult result =
      write ? document->Write(section, key, value) : document->Delete(section, key);
  if (result != EditResult::kChanged) {
    Require(document->Serialize() == bytes, "an edit that changes nothing leaves the bytes");
  }
  if (result == EditResult::kRefused) return 0;

  const IniDocument again = Reparsed(*document);
  if (write) {
    Require(again.Read(section, key, kMissing) == ReadBackOf(value),
            "after a write, a reparse reads back the value written");
  } else {
    Require(again.Read(section, key, kMissing) == kMissing, "a delete leaves no copy of the key");
    Require(result == EditResult::kChanged || before == kMissing,
            "a delete that changed nothing found no key");
  }
  if (!same_key) {
    Require(again.Read(section, other_key, kMissing) == other_before,
            "an edit leaves the other keys of the section alone");
  }
  return 0;
}
