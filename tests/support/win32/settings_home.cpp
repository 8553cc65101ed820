#include <windows.h>

#include "tests/support/temp_config_home.h"

namespace testing_support {

const SettingsHomeRules& ThisSystemSettingsHome() {
  static const SettingsHomeRules rules{"APPDATA", "Renumera"};
  return rules;
}

// The process environment itself, which the program reads with GetEnvironmentVariableA.
std::optional<std::string> GetEnvironment(const char* name) {
  char buffer[32768];
  const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return std::nullopt;
  return std::string(buffer, length);
}

void SetEnvironment(const char* name, const std::optional<std::string>& value) {
  SetEnvironmentVariableA(name, value ? value->c_str() : nullptr);
}

}  // namespace testing_support
