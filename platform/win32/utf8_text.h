// UTF-8 and the UTF-16 of the system's W functions, for file names and command lines.
#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace platform::win32
