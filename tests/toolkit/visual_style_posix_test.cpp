// The visual-styles library is a Windows one: posix has none.
#include <gtest/gtest.h>

#include <string>

#include "platform/dynamic_library.h"
#include "toolkit/visual_style_support.h"

namespace toolkit {
namespace {

TEST(VisualStyleLibrary, ThisPlatformHasNoVisualStylesLibrary) {
  std::string error;
  EXPECT_EQ(platform::LoadDynamicLibrary("uxtheme.dll", &error), nullptr);
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(VisualStyleSupport().Available());
}

}  // namespace
}  // namespace toolkit
