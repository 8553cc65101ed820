// The user's morning and afternoon designators on posix: AM_STR and PM_STR of the locale
// the environment chooses for LC_TIME, in Windows-1251.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/os_locale.h"

namespace platform::posix {

// The locale the environment names for LC_TIME: LC_ALL, else LC_TIME, else LANG (the first
// that is set and not empty), else "C".
std::string UserTimeLocaleName();

// `text`, encoded in `codeset`, recoded to Windows-1251; nothing when it is empty, is not
// valid in `codeset`, or holds a character Windows-1251 cannot hold.
std::optional<std::string> DesignatorInWindows1251(std::string_view text, std::string_view codeset);

// The designators of the locale `locale_name` ("AM" and "PM" where it gives none usable, or
// when no such locale is installed). The process's own locale is left as it is.
Designators ReadDesignators(const std::string& locale_name);

}  // namespace platform::posix
