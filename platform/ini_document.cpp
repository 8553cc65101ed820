#include "platform/ini_document.h"

#include <algorithm>
#include <utility>

#include "platform/code_page.h"

namespace platform {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
constexpr std::string_view kLineBreakOrNul{"\r\n\0", 3};

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The caller sees a value as a C string would hold it.
std::string_view EndAtNul(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string CutToLimit(std::string text) {
  if (text.size() > kProfileValueLimit) text.resize(kProfileValueLimit);
  return text;
}

// Case folding of Windows-1251: the Latin letters and the Cyrillic block, Ё, the Serbian,
// Macedonian, Ukrainian and Belarusian letters and Ґ, through their Unicode code points.
char32_t Folded(char c) {
  const char32_t u = ToUnicode(CodePage::Windows1251, static_cast<unsigned char>(c));
  if ((u >= U'A' && u <= U'Z') || (u >= 0x410 && u <= 0x42F)) return u + 0x20;
  if (u >= 0x400 && u <= 0x40F) return u + 0x50;
  if (u == 0x490) return 0x491;
  return u;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Folded(x) == Folded(y); });
}

// A section header is a line whose text starts with '[' and holds a ']'; the name lies
// between the '[' and the last ']', without surrounding blanks. Text after it is ignored.
std::optional<std::string_view> HeaderName(std::string_view line) {
  const std::string_view text = Trim(line);
  if (text.empty() || text.front() != '[') return std::nullopt;
  const std::size_t close = text.rfind(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return Trim(text.substr(1, close - 1));
}

// Anything in a section but blank lines, comments and headers; a new key goes after the last.
bool IsContentLine(std::string_view line) {
  const std::string_view text = Trim(line);
  return !text.empty() && text.front() != ';';
}

struct KeyLine {
  std::string_view key;
  std::size_t value_start;  // offset of the text after the '='
};

// A line without '=' holds no key: it is kept, but never found.
std::optional<KeyLine> SplitKey(std::string_view line) {
  if (!IsContentLine(line)) return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(line.substr(0, equals)), equals + 1};
}

bool IsLookupName(std::string_view trimmed) {
  return !trimmed.empty() && trimmed.find('\0') == std::string_view::npos;
}

bool IsWritableSection(std::string_view trimmed) {
  return !trimmed.empty() && trimmed.find_first_of(kLineBreakOrNul) == std::string_view::npos;
}

// A key that would read back as a comment, a header or another key cannot be written.
bool IsWritableKey(std::string_view trimmed) {
  return IsWritableSection(trimmed) && trimmed.find('=') == std::string_view::npos &&
         trimmed.front() != ';' && trimmed.front() != '[';
}

bool IsWritableValue(std::string_view value) {
  return value.find_first_of(kLineBreakOrNul) == std::string_view::npos;
}

}  // namespace

std::optional<IniDocument> IniDocument::Parse(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) return std::nullopt;
  IniDocument document;
  if (bytes.starts_with(kUtf8Bom)) {
    document.utf8_ = true;
    bytes.remove_prefix(kUtf8Bom.size());
  }
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    LineEnd end;
    if (bytes[i] == '\n') {
      end = LineEnd::kLf;
    } else if (bytes[i] != '\r') {
      continue;
    } else if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      end = LineEnd::kCrLf;
    } else {
      end = LineEnd::kCr;
    }
    document.lines_.push_back({std::string(bytes.substr(start, i - start)), end});
    if (end == LineEnd::kCrLf) ++i;
    start = i + 1;
  }
  if (start < bytes.size())
    document.lines_.push_back({std::string(bytes.substr(start)), LineEnd::kNone});
  return document;
}

std::string IniDocument::Serialize() const {
  static constexpr std::string_view kEndText[] = {"", "\n", "\r\n", "\r"};
  std::string bytes(utf8_ ? kUtf8Bom : std::string_view{});
  for (const Line& line : lines_) {
    bytes += line.text;
    bytes += kEndText[static_cast<int>(line.end)];
  }
  return bytes;
}

std::string IniDocument::Read(std::string_view section, std::string_view key,
                              std::string_view default_value) const {
  std::string_view fallback = EndAtNul(default_value);
  while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);

  const std::string_view wanted_section = Trim(section);
  const std::string_view wanted_key = Trim(key);
  if (!IsLookupName(wanted_section) || !IsLookupName(wanted_key)) {
    return CutToLimit(std::string(fallback));
  }
  const std::optional<Range> range = FindSection(wanted_section);
  const std::optional<std::size_t> index = range ? FindKey(*range, wanted_key) : std::nullopt;
  if (!index) return CutToLimit(std::string(fallback));

  const std::string_view line = lines_[*index].text;
  const std::string_view value = Unquote(Trim(EndAtNul(line.substr(SplitKey(line)->value_start))));
  return CutToLimit(ToProgramText(value));
}

EditResult IniDocument::Write(std::string_view section, std::string_view key,
                              std::string_view value) {
  const std::string_view wanted_section = Trim(section);
  const std::string_view wanted_key = Trim(key);
  if (!IsWritableSection(wanted_section) || !IsWritableKey(wanted_key) || !IsWritableValue(value)) {
    return EditResult::kRefused;
  }
  const std::string file_value = ToFileText(value);

  const std::optional<Range> range = FindSection(wanted_section);
  if (!range) {
    // Built by appending: GCC 12 at -O3 takes `"[" + std::string` for an overlapping copy.
    std::string header = "[";
    header += ToFileText(wanted_section);
    header += ']';
    Insert(lines_.size(), std::move(header));
    Insert(lines_.size(), ToFileText(wanted_key) + "=" + file_value);
    return EditResult::kChanged;
  }

  if (const std::optional<std::size_t> index = FindKey(*range, wanted_key)) {
    // Only the value is replaced; the key as spelt in the file and the spacing around the
    // '=' stay, so that a hand-edited line keeps its look.
    std::string& text = lines_[*index].text;
    const std::string_view old_value = std::string_view(text).substr(SplitKey(text)->value_start);
    if (Trim(old_value) == file_value) return EditResult::kUnchanged;
    std::size_t keep = text.size() - old_value.size();
    while (keep < text.size() && IsBlank(text[keep])) ++keep;
    text = text.substr(0, keep) + file_value;
    return EditResult::kChanged;
  }

  std::size_t after = range->header;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    if (IsContentLine(lines_[i].text)) after = i;
  }
  Insert(after + 1, ToFileText(wanted_key) + "=" + file_value);
  return EditResult::kChanged;
}

EditResult IniDocument::Delete(std::string_view section, std::string_view key) {
  const std::string_view wanted_section = Trim(section);
  const std::string_view wanted_key = Trim(key);
  if (!IsWritableSection(wanted_section) || !IsWritableKey(wanted_key)) {
    return EditResult::kRefused;
  }
  const std::optional<Range> range = FindSection(wanted_section);
  if (!range) return EditResult::kUnchanged;

  // Every copy goes: with only the first removed, a later duplicate would come to light.
  const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(range->header + 1);
  const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(range->end);
  const auto kept = std::remove_if(first, last, [&](const Line& line) {
    const std::optional<KeyLine> split = SplitKey(line.text);
    return split && SameName(split->key, wanted_key);
  });
  if (kept == last) return EditResult::kUnchanged;
  lines_.erase(kept, last);
  return EditResult::kChanged;
}

std::string IniDocument::ToProgramText(std::string_view file_text) const {
  return utf8_ ? FromUtf8(CodePage::Windows1251, file_text) : std::string(file_text);
}

std::string IniDocument::ToFileText(std::string_view program_text) const {
  return utf8_ ? ToUtf8(CodePage::Windows1251, program_text) : std::string(program_text);
}

bool IniDocument::SameName(std::string_view file_name, std::string_view wanted) const {
  return EqualIgnoringCase(Trim(ToProgramText(file_name)), wanted);
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::optional<std::string_view> name = HeaderName(lines_[i].text);
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !HeaderName(lines_[end].text)) ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Range& range, std::string_view key) const {
  for (std::size_t i = range.header + 1; i < range.end; ++i) {
    const std::optional<KeyLine> split = SplitKey(lines_[i].text);
    if (split && SameName(split->key, key)) return i;
  }
  return std::nullopt;
}

// New lines take the ending of the file's first line; a file without one gets CRLF, as the
// Windows functions write it.
IniDocument::LineEnd IniDocument::FileLineEnd() const {
  for (const Line& line : lines_) {
    if (line.end != LineEnd::kNone) return line.end;
  }
  return LineEnd::kCrLf;
}

// Only the last line can lack an ending; a line added after it needs one between them.
void IniDocument::Insert(std::size_t index, std::string text) {
  const LineEnd end = FileLineEnd();
  if (index > 0 && lines_[index - 1].end == LineEnd::kNone) lines_[index - 1].end = end;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), Line{std::move(text), end});
}

}  // namespace platform
