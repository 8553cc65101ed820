#include "app/startup_locale.h"

namespace app {

void ApplyStartupLocaleSettings(LocaleTables& tables, const platform::OsLocale& os) {
  for (const LocaleSettingValue& entry : kStartupLocaleSettings) {
    ApplyLocaleSetting(tables, entry.setting, entry.value, os);
  }
}

LocaleTables& ProcessLocaleTables() {
  static LocaleTables tables = [] {
    const platform::Designators designators = platform::SystemLocale().UserDesignators();
    return LocaleTables(designators.morning, designators.afternoon);
  }();
  return tables;
}

}  // namespace app
