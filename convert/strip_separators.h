// Removal of the separators people type inside telephone numbers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace convert {

// The work text the result is assembled in holds this many characters; the rest is cut off.
inline constexpr std::size_t kStripCapacity = 1000;

// The text without its trailing blanks and without the nine separators '-', '=', ':', blank,
// '.', '/', '+', '(' and ')'. Every other byte (digits, letters, ',', TAB, bytes above 127)
// keeps its place. At most the first kStripCapacity surviving characters are kept; the result
// never holds a blank.
std::string StripSeparators(std::string_view text);

}  // namespace convert
