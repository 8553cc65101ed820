// The text Windows gives for an error code, for diagnostics.
#pragma once

#include <windows.h>

#include <string>

namespace platform::win32 {

// FormatMessageA's text without its line break, or "error N" when the system has none.
std::string SystemErrorText(DWORD code);

}  // namespace platform::win32
