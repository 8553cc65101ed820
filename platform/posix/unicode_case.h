// Which code points are upper-case letters, and their lower-case partners, for the blocks
// the program's code pages draw their letters from: Basic Latin, Latin-1 Supplement and
// Cyrillic (U+0400 to U+04FF). The posix stand-in for the system's character classes.
#pragma once

#include <optional>

namespace platform::posix {

// The lower-case partner of an upper-case letter of those blocks; nothing for any other
// code point, lower-case letters and code points outside the blocks among them.
std::optional<char32_t> LowerCaseOfCapital(char32_t code_point);

}  // namespace platform::posix
