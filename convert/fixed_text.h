// An 8-bit text of fixed capacity, always padded with blanks to its capacity.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace convert {

// The text without its trailing blanks; only 0x20 counts (a TAB ends the clipping).
std::string_view ClipBlanks(std::string_view text);

class FixedText {
 public:
  explicit FixedText(std::size_t capacity, std::string_view value = {});

  // Keeps the first Capacity() characters of value and pads the rest with blanks.
  FixedText& operator=(std::string_view value);

  std::size_t Capacity() const { return chars_.size(); }
  // All Capacity() characters, padding included.
  std::string_view Stored() const { return chars_; }
  std::string_view Clipped() const { return ClipBlanks(chars_); }
  // The length compared wherever a length matters: that of the clipped form.
  std::size_t Length() const { return Clipped().size(); }

  bool operator==(const FixedText&) const = default;

 private:
  std::string chars_;
};

}  // namespace convert
