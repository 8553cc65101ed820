// Dynamic libraries through LoadLibraryA and GetProcAddress.
#include "platform/dynamic_library.h"

#include <windows.h>

#include "platform/win32/system_error.h"

namespace platform {
namespace {

class WindowsLibrary final : public DynamicLibrary {
 public:
  explicit WindowsLibrary(HMODULE module) : module_(module) {}
  ~WindowsLibrary() override { FreeLibrary(module_); }
  WindowsLibrary(const WindowsLibrary&) = delete;
  WindowsLibrary& operator=(const WindowsLibrary&) = delete;

  void* Function(std::string_view name) override {
    // GetProcAddress gives a FARPROC; the caller casts it back to the function's own type.
    return reinterpret_cast<void*>(GetProcAddress(module_, std::string(name).c_str()));
  }

 private:
  HMODULE module_;
};

}  // namespace

std::unique_ptr<DynamicLibrary> LoadDynamicLibrary(std::string_view name, std::string* error) {
  const std::string file(name);
  // A missing library is an answer, not a reason to stop the program with a system dialog.
  const UINT old_mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  const bool nameable = file.find('\0') == std::string::npos;
  HMODULE module = nameable ? LoadLibraryA(file.c_str()) : nullptr;
  const DWORD code = nameable ? GetLastError() : ERROR_INVALID_NAME;
  SetErrorMode(old_mode);
  if (module == nullptr) {
    if (error != nullptr) *error = "cannot load " + file + ": " + win32::SystemErrorText(code);
    return nullptr;
  }
  return std::make_unique<WindowsLibrary>(module);
}

}  // namespace platform
