#include "platform/win32/system_error.h"

namespace platform::win32 {

std::string SystemErrorText(DWORD code) {
  char buffer[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, sizeof buffer, nullptr);
  while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r' ||
                        buffer[length - 1] == ' ' || buffer[length - 1] == '.')) {
    --length;
  }
  if (length == 0) return "error " + std::to_string(code);
  return std::string(buffer, length);
}

}  // namespace platform::win32
