// Windows has the visual-styles library, loaded at run time, with the functions the toolkit
// asks for.
#include <gtest/gtest.h>

#include "platform/dynamic_library.h"
#include "toolkit/visual_style_support.h"

namespace toolkit {
namespace {

TEST(VisualStyleLibrary, ThisPlatformLoadsItsVisualStylesLibrary) {
  const auto library = platform::LoadDynamicLibrary("uxtheme.dll");
  ASSERT_NE(library, nullptr);
  for (const char* name :
       {"IsThemeActive", "IsAppThemed", "OpenThemeData", "CloseThemeData", "DrawThemeBackground"}) {
    EXPECT_NE(library->Function(name), nullptr) << name;
  }
  EXPECT_TRUE(VisualStyleSupport().Available());
}

}  // namespace
}  // namespace toolkit
