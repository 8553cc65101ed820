#include "platform/dynamic_library.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(DynamicLibrary, FindsTheFunctionsALibraryExports) {
  auto library = LoadDynamicLibrary("libc.so.6");
  ASSERT_NE(library, nullptr);
  EXPECT_NE(library->Function("strlen"), nullptr);
  EXPECT_EQ(library->Function("no_such_function_here"), nullptr);
}

TEST(DynamicLibrary, AMissingLibraryIsNothingWithTheReason) {
  std::string error;
  EXPECT_EQ(LoadDynamicLibrary("uxtheme.dll", &error), nullptr);
  EXPECT_NE(error.find("uxtheme.dll"), std::string::npos) << error;
}

}  // namespace
}  // namespace platform
