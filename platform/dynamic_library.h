// Shared libraries loaded at run time by name, and the addresses of their functions.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class DynamicLibrary {
 public:
  virtual ~DynamicLibrary() = default;  // releases the library
  // The address of an exported function; nullptr when the library has none of that name.
  virtual void* Function(std::string_view name) = 0;
};

// The library of that name, or nullptr when it cannot be loaded; `error`, when given, then
// holds the operating system's reason.
std::unique_ptr<DynamicLibrary> LoadDynamicLibrary(std::string_view name,
                                                   std::string* error = nullptr);

}  // namespace platform
