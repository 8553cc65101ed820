#include "toolkit/win32/clipboard.h"

#include <cstring>

#include "toolkit/win32/wide_text.h"

namespace toolkit::win32 {
namespace {

// Another program may have the clipboard open for a few milliseconds (a clipboard viewer
// reading what changed); a user's copy should not fail for that.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 10;

}  // namespace

bool Clipboard::Open() {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(window_)) return true;
    Sleep(kOpenRetryMs);
  }
  return false;
}

bool Clipboard::SetText(std::string_view utf8) {
  const std::wstring wide = WideOfUtf8(utf8);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  void* data = GlobalLock(memory);
  if (data == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(data, wide.c_str(), bytes);
  GlobalUnlock(memory);
  if (!Open()) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // Once set, the memory belongs to the clipboard.
  const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!set) GlobalFree(memory);
  return set;
}

std::optional<std::string> Clipboard::GetText() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !Open()) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    const std::size_t units = GlobalSize(memory) / sizeof(wchar_t);
    if (const auto* data = static_cast<const wchar_t*>(GlobalLock(memory))) {
      // Another program's data need not end in a NUL within its block.
      std::size_t length = 0;
      while (length < units && data[length] != L'\0') ++length;
      text = Utf8OfWide(std::wstring_view(data, length));
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace toolkit::win32
