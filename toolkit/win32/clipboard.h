// The system clipboard as plain Unicode text (CF_UNICODETEXT), both ways.
//
// Supports: setting text (converted from UTF-8), reading text another program put there
// (any size, up to its terminating NUL or the end of the memory block, whichever comes
// first), a clipboard another program holds open tried again for a moment before giving up.
// Does not: other formats (CF_TEXT is what the system synthesises from ours for 8-bit
// readers).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {

class Clipboard {
 public:
  // The owner window of what is copied; nullptr before the window exists.
  void AttachWindow(HWND window) { window_ = window; }
  // False when the clipboard stayed busy or memory ran out; the clipboard is then unchanged.
  bool SetText(std::string_view utf8);
  // Nothing when the clipboard holds no text or cannot be opened.
  std::optional<std::string> GetText();

 private:
  bool Open();

  HWND window_ = nullptr;
};

}  // namespace toolkit::win32
