#include "toolkit/visual_style_support.h"

namespace toolkit {
namespace {

// Both queries take no arguments and return a 32-bit truth value; without arguments the
// platform's calling conventions agree, so a plain function pointer calls them.
using ThemeQuery = int (*)();

bool Ask(platform::DynamicLibrary& library, std::string_view name) {
  void* address = library.Function(name);
  return address != nullptr && reinterpret_cast<ThemeQuery>(address)() != 0;
}

}  // namespace

VisualStyleSupport::VisualStyleSupport(LibraryLoader loader) {
  library_ = loader(kVisualStyleLibrary);
  if (library_ == nullptr) return;
  available_ = true;
  for (int i = 0; i < kVisualStyleFunctionCount; ++i) {
    functions_[i] = library_->Function(kVisualStyleFunctionNames[i]);
    if (functions_[i] == nullptr) available_ = false;
  }
}

VisualStyleSupport::~VisualStyleSupport() = default;

std::unique_ptr<platform::DynamicLibrary> VisualStyleSupport::DefaultLoader(std::string_view name) {
  return platform::LoadDynamicLibrary(name);
}

void* VisualStyleSupport::Function(VisualStyleFunction function) const {
  return available_ ? functions_[static_cast<int>(function)] : nullptr;
}

bool VisualStyleSupport::CanUseVisualStyles() {
  if (!available_) return false;
  if (!in_use_) in_use_ = Ask(*library_, "IsThemeActive") && Ask(*library_, "IsAppThemed");
  return *in_use_;
}

}  // namespace toolkit
