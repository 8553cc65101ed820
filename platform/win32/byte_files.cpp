#include "platform/byte_files.h"

#include <windows.h>

#include <atomic>

#include "platform/win32/system_error.h"
#include "platform/win32/utf8_text.h"

namespace platform {
namespace {

std::string LastErrorText() {
  return win32::SystemErrorText(GetLastError());
}

// Handles are read and written with ReadFile and WriteFile, so no C runtime text mode can turn
// CR LF into LF or stop at a Ctrl+Z: every byte passes as it is.
class Win32Input final : public InputFile {
 public:
  Win32Input(HANDLE handle, bool owned) : handle_(handle), owned_(owned) {}
  ~Win32Input() override {
    if (owned_) CloseHandle(handle_);
  }

  ReadOutcome Read(char* buffer, std::size_t capacity) override {
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(capacity, 1u << 30));
    if (ReadFile(handle_, buffer, wanted, &got, nullptr)) return {got, std::nullopt};
    // The writing end of a pipe closed: the end of the input.
    if (GetLastError() == ERROR_BROKEN_PIPE) return {0, std::nullopt};
    return {0, LastErrorText()};
  }

  std::optional<std::uint64_t> Size() const override {
    LARGE_INTEGER size;
    if (GetFileType(handle_) != FILE_TYPE_DISK || !GetFileSizeEx(handle_, &size)) {
      return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
  }

 private:
  HANDLE handle_;
  bool owned_;
};

std::optional<std::string> WriteAllTo(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr)) return LastErrorText();
    if (written == 0) return win32::SystemErrorText(ERROR_WRITE_FAULT);
    bytes.remove_prefix(written);
  }
  return std::nullopt;
}

class Win32StandardOutput final : public OutputFile {
 public:
  std::optional<std::string> Write(std::string_view bytes) override {
    return WriteAllTo(GetStdHandle(STD_OUTPUT_HANDLE), bytes);
  }
};

std::wstring DirectoryOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/:");
  if (slash == std::wstring::npos) return L".";
  return path.substr(0, slash + (path[slash] == L':' ? 1 : 0));
}

// Written into a hidden file beside the target, so the final step stays on one volume; flushed
// to the disk, given the target's attributes and renamed over it by MoveFileExW in one step.
// (ReplaceFileW would keep the target's security too, but under Wine it leaves a temporary file
// of its own behind.)
class Win32Replacement final : public FileReplacement {
 public:
  Win32Replacement(std::wstring target, DWORD attributes, std::wstring temporary, HANDLE handle)
      : target_(std::move(target)),
        attributes_(attributes),
        temporary_(std::move(temporary)),
        handle_(handle) {}
  ~Win32Replacement() override { Abandon(); }

  std::optional<std::string> Write(std::string_view bytes) override {
    if (handle_ == INVALID_HANDLE_VALUE) return win32::SystemErrorText(ERROR_INVALID_HANDLE);
    auto failure = WriteAllTo(handle_, bytes);
    if (failure) Abandon();
    return failure;
  }

  std::optional<std::string> Commit() override {
    if (handle_ == INVALID_HANDLE_VALUE) return win32::SystemErrorText(ERROR_INVALID_HANDLE);
    const bool flushed = FlushFileBuffers(handle_);
    DWORD error = flushed ? 0 : GetLastError();
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    if (flushed) {
      SetFileAttributesW(temporary_.c_str(), attributes_);
      if (MoveFileExW(temporary_.c_str(), target_.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return std::nullopt;
      }
      error = GetLastError();
    }
    DeleteFileW(temporary_.c_str());
    return win32::SystemErrorText(error);
  }

 private:
  void Abandon() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    DeleteFileW(temporary_.c_str());
  }

  std::wstring target_;
  DWORD attributes_;
  std::wstring temporary_;
  HANDLE handle_;
};

}  // namespace

OpenedInput OpenInputFile(const std::string& path) {
  const std::wstring wide = win32::WideFromUtf8(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return {nullptr, "Is a directory"};
  }
  // Sharing deletion too lets the file be replaced in place while a reader has it open.
  const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {nullptr, LastErrorText()};
  return {std::make_unique<Win32Input>(handle, true), {}};
}

std::unique_ptr<InputFile> StandardInput() {
  return std::make_unique<Win32Input>(GetStdHandle(STD_INPUT_HANDLE), false);
}

std::unique_ptr<OutputFile> StandardOutput() {
  return std::make_unique<Win32StandardOutput>();
}

StartedReplacement BeginFileReplacement(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const std::wstring target = win32::WideFromUtf8(path);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return {nullptr, LastErrorText()};
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return {nullptr, "Is a directory"};

  const std::wstring prefix =
      DirectoryOf(target) + L"\\.renumera-convert." + std::to_wstring(GetCurrentProcessId()) + L"-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring temporary = prefix + std::to_wstring(counter++) + L".tmp";
    const HANDLE handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      return {std::make_unique<Win32Replacement>(target, attributes, temporary, handle), {}};
    }
    if (GetLastError() != ERROR_FILE_EXISTS) return {nullptr, LastErrorText()};
  }
  return {nullptr, win32::SystemErrorText(ERROR_FILE_EXISTS)};
}

bool StandardErrorIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace platform
