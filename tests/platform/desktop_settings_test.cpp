#include "platform/desktop_settings.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// This desktop has no full-window dragging switch: the query fails without touching the state
// (which start-up then counts as off), and a change fails whatever it asks for.
TEST(DesktopSettings, FullWindowDraggingIsUnavailable) {
  DesktopSettings& settings = SystemDesktopSettings();
  uint32_t state = 7;
  EXPECT_FALSE(settings.QueryDragFullWindows(&state));
  EXPECT_EQ(state, 7u);
  for (uint32_t wanted : {0u, 1u}) {
    EXPECT_FALSE(settings.SetDragFullWindows(wanted, kUpdateProfile | kBroadcastChange));
    EXPECT_FALSE(settings.QueryDragFullWindows(&state));
    EXPECT_EQ(state, 7u);
  }
  EXPECT_EQ(&settings, &SystemDesktopSettings()) << "one service for the process";
}

}  // namespace
}  // namespace platform
