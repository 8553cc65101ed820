// The one operation that changes the locale tables: a setting and its value, as start-up
// applies them.
#pragma once

#include <string_view>

#include "app/locale_tables.h"
#include "platform/os_locale.h"

namespace app {

enum class LocaleSetting {
  CaseTable,
  CharacterSet,
  CollationSequence,
  ShortMonthNames,
  LongMonthNames,
  AmPmDesignators,
  ButtonCaptions,
};

// Applies `value` to `tables`. Only the first 299 characters of the value count, without
// their trailing blanks and leading blanks and TABs; every setting but CollationSequence
// reads the value as a list of comma-separated items. `os` answers for the value "WINDOWS".
// Never fails: a value a setting cannot use leaves the tables as they were or at their
// defaults. Runs under one process-wide lock.
void ApplyLocaleSetting(LocaleTables& tables, LocaleSetting setting, std::string_view value,
                        const platform::OsLocale& os = platform::SystemLocale());

}  // namespace app
