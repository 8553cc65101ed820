// Dynamic libraries through dlopen. Windows library names such as "uxtheme.dll" are looked up
// like any other name and are simply never found.
#include "platform/dynamic_library.h"

#include <dlfcn.h>

namespace platform {
namespace {

class PosixLibrary final : public DynamicLibrary {
 public:
  explicit PosixLibrary(void* handle) : handle_(handle) {}
  ~PosixLibrary() override { dlclose(handle_); }
  PosixLibrary(const PosixLibrary&) = delete;
  PosixLibrary& operator=(const PosixLibrary&) = delete;

  void* Function(std::string_view name) override {
    return dlsym(handle_, std::string(name).c_str());
  }

 private:
  void* handle_;
};

}  // namespace

std::unique_ptr<DynamicLibrary> LoadDynamicLibrary(std::string_view name, std::string* error) {
  void* handle = dlopen(std::string(name).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    if (error != nullptr) {
      const char* reason = dlerror();
      *error = reason != nullptr ? reason : "cannot load " + std::string(name);
    }
    return nullptr;
  }
  return std::make_unique<PosixLibrary>(handle);
}

}  // namespace platform
