// The private-profile service: single values of an INI file, read and written as the Windows
// functions GetPrivateProfileStringA and WritePrivateProfileStringA do it. Every call works on
// the file as it is at that moment; nothing is cached between calls.
//
// A file name without a directory names a file in the program's settings directory, created by
// the first write: %APPDATA%\Renumera on Windows (which reads an older file of that name in the
// Windows directory until then), $XDG_CONFIG_HOME/renumera, by default ~/.config/renumera,
// elsewhere. A name with a directory is used as given. Names are Windows-1251 text.
#pragma once

#include <string>
#include <string_view>

#include "platform/ini_document.h"

namespace platform {

// The value, at most kProfileValueLimit characters, or the default without its trailing
// blanks when the file, the section or the key is missing or the file cannot be read.
std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view default_value, std::string_view file_name);

// Sets the value, creating the file, the section and the key as needed. Writing the value
// that is already there leaves the file untouched. False when the file could not be written
// or the names or the value cannot be held by the file (a line break, a NUL, an empty name);
// the old file then stays exactly as it was.
bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file_name);

// Removes the key; a key that is not there leaves the file untouched, and that counts as
// success. False when the file could not be written; it then stays as it was.
bool DeleteProfileKey(std::string_view section, std::string_view key, std::string_view file_name);

}  // namespace platform
