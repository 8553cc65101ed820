// Windows-1251 text and the UTF-16 of the system's W functions, converted by our own code page
// tables, so that the system's ANSI code page never enters.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring WideFromWindows1251(std::string_view text);

// Nothing when the text holds a character Windows-1251 cannot hold (or a broken surrogate).
std::optional<std::string> Windows1251FromWide(std::wstring_view text);

}  // namespace platform::win32
