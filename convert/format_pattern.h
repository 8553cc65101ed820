// Display of a number through a pattern such as "##-##-##".
#pragma once

#include <string>
#include <string_view>

#include "convert/read_number.h"

namespace convert {

// The number brought to a whole number (its digits before the point, plus one when the first
// decimal digit is 5 or more; no other decimal digit counts) and written into the pattern's '#'
// positions, right-aligned with zeros in front; every other character of the pattern is copied.
// When the digits do not fit, the result is the pattern itself. The patterns have no sign
// position, so a negative number shows as its magnitude. The result is as long as the pattern.
std::string FormatPattern(const Number& number, std::string_view pattern);

}  // namespace convert
