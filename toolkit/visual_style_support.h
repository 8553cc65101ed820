// The platform's visual styles, through its visual-styles library: available only where the
// library loads and exports all twelve functions the toolkit draws with.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/dynamic_library.h"

namespace toolkit {

enum class VisualStyleFunction {
  OpenThemeData,
  CloseThemeData,
  DrawThemeBackground,
  DrawThemeParentBackground,
  DrawThemeText,
  GetThemeBackgroundContentRect,
  DrawThemeIcon,
  GetThemeTextExtent,
  GetThemeColor,
  GetThemeSysColor,
  GetThemeMetric,
  GetCurrentThemeName,
};
inline constexpr int kVisualStyleFunctionCount = 12;

inline constexpr std::array<std::string_view, kVisualStyleFunctionCount> kVisualStyleFunctionNames =
    {
        "OpenThemeData",       "CloseThemeData",
        "DrawThemeBackground", "DrawThemeParentBackground",
        "DrawThemeText",       "GetThemeBackgroundContentRect",
        "DrawThemeIcon",       "GetThemeTextExtent",
        "GetThemeColor",       "GetThemeSysColor",
        "GetThemeMetric",      "GetCurrentThemeName",
};

inline constexpr std::string_view kVisualStyleLibrary = "uxtheme.dll";

class VisualStyleSupport {
 public:
  using LibraryLoader =
      std::function<std::unique_ptr<platform::DynamicLibrary>(std::string_view name)>;

  // Loads the visual-styles library through `loader` and looks up its functions.
  explicit VisualStyleSupport(LibraryLoader loader = DefaultLoader);
  // Releases the library.
  ~VisualStyleSupport();
  VisualStyleSupport(const VisualStyleSupport&) = delete;
  VisualStyleSupport& operator=(const VisualStyleSupport&) = delete;

  // The library loaded and all twelve functions were found.
  bool Available() const { return available_; }
  // The address of a function; nullptr unless Available().
  void* Function(VisualStyleFunction function) const;
  // Available, and the platform reports visual styles as active and applied to this
  // application ("IsThemeActive" and "IsAppThemed"). The platform is asked the first time
  // only; the answer is remembered for the life of the process's one support object.
  bool CanUseVisualStyles();

 private:
  static std::unique_ptr<platform::DynamicLibrary> DefaultLoader(std::string_view name);

  std::unique_ptr<platform::DynamicLibrary> library_;
  std::array<void*, kVisualStyleFunctionCount> functions_{};
  bool available_ = false;
  std::optional<bool> in_use_;
};

}  // namespace toolkit
