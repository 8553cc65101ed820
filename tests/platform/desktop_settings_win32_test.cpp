// Full-window dragging through SystemParametersInfoA, checked against the user's registry,
// where the system keeps the setting, and restored afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "platform/desktop_settings.h"

namespace platform {
namespace {

std::optional<std::string> RegistryDragFullWindows() {
  char value[16];
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "DragFullWindows", RRF_RT_REG_SZ,
                   nullptr, value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(value);
}

class Win32DesktopSettings : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(settings_.QueryDragFullWindows(&saved_)); }
  void TearDown() override {
    settings_.SetDragFullWindows(saved_, kUpdateProfile | kBroadcastChange);
  }

  DesktopSettings& settings_ = SystemDesktopSettings();
  uint32_t saved_ = 7;
};

TEST_F(Win32DesktopSettings, SwitchesTheUsersSettingBothWaysAndReportsIt) {
  EXPECT_TRUE(saved_ == 0 || saved_ == 1) << saved_;
  for (const uint32_t wanted : {1u, 0u, 1u}) {
    ASSERT_TRUE(settings_.SetDragFullWindows(wanted, kUpdateProfile | kBroadcastChange));
    uint32_t state = 7;
    ASSERT_TRUE(settings_.QueryDragFullWindows(&state));
    EXPECT_EQ(state, wanted);
    EXPECT_EQ(RegistryDragFullWindows(), std::to_string(wanted)) << "kept in the profile";
  }
}

}  // namespace
}  // namespace platform
