// The user's morning and afternoon designators on Windows: s1159 and s2359 of the "intl"
// section of the user's profile, in Windows-1251.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/os_locale.h"

namespace platform::win32 {

// `text` in Windows-1251; nothing when it is empty or holds a character Windows-1251 cannot
// hold.
std::optional<std::string> DesignatorInWindows1251(std::wstring_view text);

// The designators as GetProfileString reports them ("AM" and "PM" where it gives none usable).
Designators ReadDesignators();

}  // namespace platform::win32
