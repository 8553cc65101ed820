#include "batch/csv_scope.h"

#include <algorithm>
#include <charconv>

#include "platform/code_page.h"

namespace batch {
namespace {

std::optional<std::size_t> ColumnNumber(const std::string& text) {
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number == 0) return std::nullopt;
  return number;
}

// The first record's fields, unquoted; the record may be cut short.
std::vector<std::string> HeaderFields(std::string_view bytes, char delimiter) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (quoted) {
      if (c != '"') {
        fields.back() += c;
      } else if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == delimiter) {
      fields.emplace_back();
    } else if (c == '\n') {
      break;
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  return fields;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A header written in Windows-1251 still matches a name typed in UTF-8.
bool NameMatches(std::string_view header_field, std::string_view wanted) {
  const std::string_view field = Trimmed(header_field);
  return field == wanted || platform::ToUtf8(platform::CodePage::Windows1251, field) == wanted;
}

}  // namespace

CsvScope::CsvScope(std::vector<CsvColumn> columns, std::optional<char> delimiter)
    : columns_(std::move(columns)), delimiter_(delimiter) {
  first_record_is_header_ = std::any_of(columns_.begin(), columns_.end(), [](const CsvColumn& c) {
    return !ColumnNumber(c.text).has_value();
  });
  in_header_ = first_record_is_header_;
  // With the delimiter given and no names to look up, the header decides nothing.
  if (delimiter_ && !first_record_is_header_) Resolve();
}

std::uint64_t CsvScope::HeldFrom() const {
  return resolving_ ? held_offset_ : Scope::HeldFrom();
}

bool CsvScope::HeaderComplete() const {
  bool quoted = false;
  for (const char c : held_) {
    if (c == '"') quoted = !quoted;
    if (c == '\n' && !quoted) return true;
  }
  return held_.size() >= kLongestHeader;
}

void CsvScope::Resolve() {
  resolving_ = false;
  if (!delimiter_) {
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool quoted = false;
    for (const char c : held_) {
      if (c == '"') quoted = !quoted;
      if (quoted) continue;
      if (c == '\n') break;
      commas += c == ',';
      semicolons += c == ';';
    }
    delimiter_ = semicolons > commas ? ';' : ',';
  }

  std::vector<std::string> names = HeaderFields(held_, *delimiter_);
  if (!names.empty() && names[0].starts_with("\xEF\xBB\xBF")) names[0].erase(0, 3);
  for (const CsvColumn& column : columns_) {
    std::optional<std::size_t> index;
    if (const auto number = ColumnNumber(column.text)) {
      index = *number - 1;
    } else {
      const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
        return NameMatches(name, column.text);
      });
      if (found == names.end()) {
        refusal_ = "the header has no column \"" + column.text + "\"";
        return;
      }
      index = static_cast<std::size_t>(found - names.begin());
    }
    const auto at = std::lower_bound(selected_.begin(), selected_.end(), *index);
    if (at == selected_.end() || *at != *index) selected_.insert(at, *index);
  }
}

bool CsvScope::Selected() const {
  return !in_header_ && std::binary_search(selected_.begin(), selected_.end(), field_);
}

void CsvScope::Classify(std::string_view bytes, std::uint64_t input_offset,
                        ContentBuffer& content) {
  if (refusal_) return;
  if (!resolving_) return Parse(bytes, input_offset, content);
  if (held_.empty()) held_offset_ = input_offset;
  held_.append(bytes);
  if (!HeaderComplete()) return;
  Resolve();
  if (refusal_) return;
  Parse(held_, held_offset_, content);
  held_.clear();
}

void CsvScope::Finish(std::uint64_t input_offset, ContentBuffer& content) {
  if (resolving_ && !refusal_) {
    Resolve();
    if (!refusal_) Parse(held_, held_offset_, content);
    held_.clear();
  }
  content.Boundary(input_offset);
}

void CsvScope::Parse(std::string_view bytes, std::uint64_t input_offset, ContentBuffer& content) {
  const char delimiter = *delimiter_;
  std::size_t span = std::string_view::npos;  // selected field bytes not yet handed on
  auto hand_on = [&](std::size_t end) {
    if (span != std::string_view::npos) {
      content.Content(input_offset + span, bytes.substr(span, end - span));
      span = std::string_view::npos;
    }
    content.Boundary(input_offset + end);
  };
  auto field_byte = [&](std::size_t i) {
    if (!Selected()) return;
    if (span == std::string_view::npos) span = i;
  };
  auto end_field = [&](std::size_t i, bool end_of_record) {
    hand_on(i);
    state_ = State::kFieldStart;
    if (end_of_record) {
      field_ = 0;
      in_header_ = false;
    } else {
      ++field_;
    }
  };

  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    switch (state_) {
      case State::kFieldStart:
        if (c == '"') {
          hand_on(i);
          state_ = State::kQuoted;
          break;
        }
        state_ = State::kUnquoted;
        [[fallthrough]];
      case State::kUnquoted:
        if (c == delimiter || c == '\n') {
          end_field(i, c == '\n');
        } else if (c == '\r') {
          hand_on(i);  // the CR of a CRLF, or a stray one: never part of a number
        } else {
          field_byte(i);
        }
        break;
      case State::kQuoted:
        if (c == '"') {
          hand_on(i);
          state_ = State::kQuoteInQuoted;
        } else {
          field_byte(i);
        }
        break;
      case State::kQuoteInQuoted:
        if (c == '"') {
          state_ = State::kQuoted;  // a doubled quote, part of the field
        } else if (c == delimiter || c == '\n') {
          end_field(i, c == '\n');
        } else if (c == '\r') {
          // the CR of the record's CRLF
        } else {
          state_ = State::kUnquoted;  // text after the closing quote, kept with the field
          field_byte(i);
        }
        break;
    }
  }
  if (span != std::string_view::npos) {
    content.Content(input_offset + span, bytes.substr(span, bytes.size() - span));
  }
}

}  // namespace batch
