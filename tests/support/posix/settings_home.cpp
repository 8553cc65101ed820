#include <stdlib.h>

#include "tests/support/temp_config_home.h"

namespace testing_support {

const SettingsHomeRules& ThisSystemSettingsHome() {
  static const SettingsHomeRules rules{"XDG_CONFIG_HOME", "renumera"};
  return rules;
}

std::optional<std::string> GetEnvironment(const char* name) {
  if (const char* value = ::getenv(name)) return value;
  return std::nullopt;
}

void SetEnvironment(const char* name, const std::optional<std::string>& value) {
  if (value) {
    ::setenv(name, value->c_str(), 1);
  } else {
    ::unsetenv(name);
  }
}

}  // namespace testing_support
