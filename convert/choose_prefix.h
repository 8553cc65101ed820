// The digit put in front of an old number, chosen by the value of its first three characters.
#pragma once

#include <cstdint>
#include <optional>

namespace convert {

// '2' or '4' from the first of the fifteen inclusive ranges that holds b, or nothing when no
// range does (0 to 99, 171 to 179, 800 to 899, negative values and 1000 or more).
std::optional<char> ChoosePrefix(std::int32_t b);

}  // namespace convert
