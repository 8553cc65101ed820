// Files built into the program (icons), found by name.
#pragma once

#include <span>
#include <string_view>

namespace toolkit {

// The bytes of a built-in file such as "down.ico"; empty when there is none of that name.
std::span<const unsigned char> FindResource(std::string_view name);

}  // namespace toolkit
