// An INI file held as its lines, read by the rules of the Windows private-profile functions
// and edited one line at a time, so that comments, unknown sections, blank lines, key order and
// line endings survive every change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The longest value a read gives, as through a 1024-byte buffer with its terminating NUL.
inline constexpr std::size_t kProfileValueLimit = 1023;

enum class EditResult {
  kChanged,    // the document differs and must be saved
  kUnchanged,  // nothing to do: the value was already there, or the key was already absent
  kRefused,    // a name or value that the file format cannot hold; the document is untouched
};

class IniDocument {
 public:
  // Any byte string parses. Only a UTF-16 file (one starting with a UTF-16 byte-order mark)
  // gives nothing: its 8-bit reading would be meaningless and its editing would corrupt it.
  static std::optional<IniDocument> Parse(std::string_view bytes);

  // The bytes of the file, byte-identical to the parsed input until an edit changes a line.
  std::string Serialize() const;

  // The value of the key in the first section of that name: trimmed, one pair of matching
  // quotes removed, ended at a NUL and cut to kProfileValueLimit characters. The default,
  // without its trailing blanks and cut alike, when the section or key is missing.
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view default_value) const;

  // Sets the value of the first such key in the first such section. A new key goes after the
  // last key line of its section; a new section goes at the end of the document.
  EditResult Write(std::string_view section, std::string_view key, std::string_view value);

  // Removes every line of the key in the first section of that name; the header stays.
  EditResult Delete(std::string_view section, std::string_view key);

 private:
  enum class LineEnd : uint8_t { kNone, kLf, kCrLf, kCr };
  struct Line {
    std::string text;
    LineEnd end;
  };
  struct Range {
    std::size_t header;  // index of the section's header line
    std::size_t end;     // one past its last line
  };

  IniDocument() = default;

  // Names and values are Windows-1251 for the caller; a file with a UTF-8 byte-order mark
  // holds them in UTF-8.
  std::string ToProgramText(std::string_view file_text) const;
  std::string ToFileText(std::string_view program_text) const;
  bool SameName(std::string_view file_name, std::string_view wanted) const;

  std::optional<Range> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
  LineEnd FileLineEnd() const;
  void Insert(std::size_t index, std::string text);

  bool utf8_ = false;
  std::vector<Line> lines_;
};

}  // namespace platform
