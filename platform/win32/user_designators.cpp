#include "platform/win32/user_designators.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

// The W form of GetProfileString: its text does not pass through the system's ANSI code page,
// which on a Western system would turn Cyrillic designators into question marks.
std::string ReadDesignator(const wchar_t* key, const char* fallback) {
  wchar_t buffer[80];
  const DWORD length = GetProfileStringW(L"intl", key, L"", buffer, 80);
  return DesignatorInWindows1251(std::wstring_view(buffer, length)).value_or(fallback);
}

}  // namespace

std::optional<std::string> DesignatorInWindows1251(std::wstring_view text) {
  if (text.empty()) return std::nullopt;
  return Windows1251FromWide(text);
}

Designators ReadDesignators() {
  return {ReadDesignator(L"s1159", "AM"), ReadDesignator(L"s2359", "PM")};
}

}  // namespace platform::win32
