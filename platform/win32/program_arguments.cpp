#include "platform/program_arguments.h"

#include <windows.h>
// shellapi.h needs the types of windows.h before it.
#include <shellapi.h>

#include "platform/win32/utf8_text.h"

namespace platform {

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(win32::Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace platform
