// The push button's press rules and its look.
#include "toolkit/push_button.h"

#include <gtest/gtest.h>

#include "tests/toolkit/window_harness.h"

namespace toolkit::testing {
namespace {

class Button : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.Open());
    h.controller.on_accepted = [](RecordingController&) { return 0; };
    centre_ = h.Centre(kButton);
    outside_ = {centre_.x, h.Bounds(kButton).y - 3};
  }
  std::vector<int> RunScript() {
    h.backend.PushCloseRequest();
    h.Run();
    return h.controller.HandledControls();
  }
  PushButton& Control() { return static_cast<PushButton&>(*h.window.ControlAt(kButton)); }

  WindowHarness h;
  Point centre_;
  Point outside_;
};

TEST_F(Button, AFocusChangeWhileHeldDropsThePress) {
  h.backend.PushMouseDown(centre_);
  h.backend.PushKey(Key::Tab);
  h.backend.PushMouseUp(centre_);
  EXPECT_TRUE(RunScript().empty());
  EXPECT_FALSE(Control().IsPushed());
}

TEST_F(Button, DeactivationWhileHeldDropsThePress) {
  h.backend.PushMouseDown(centre_);
  h.backend.PushDeactivated();
  h.backend.PushActivated();
  h.backend.PushMouseUp(centre_);
  EXPECT_TRUE(RunScript().empty());
}

TEST_F(Button, AReleaseCountsOnlyOverTheButton) {
  h.backend.PushMouseDown(centre_);
  h.backend.PushMouseMove(outside_);
  h.backend.PushMouseUp(outside_);  // dragged off: nothing
  h.backend.PushMouseDown(centre_);
  h.backend.PushMouseMove(outside_);
  h.backend.PushMouseMove(centre_);
  h.backend.PushMouseUp(centre_);  // dragged off and back: a click
  EXPECT_EQ(RunScript(), (std::vector<int>{kButton}));
}

TEST_F(Button, ThePushedLookFollowsThePointerWhileHeld) {
  h.backend.PushMouseDown(centre_);
  h.backend.PushMouseMove(outside_);
  h.window.ProcessNextMessage();  // the activation on show
  h.window.ProcessNextMessage();
  EXPECT_TRUE(Control().IsPushed());
  h.window.ProcessNextMessage();
  EXPECT_FALSE(Control().IsPushed());
}

TEST_F(Button, SpacePressesOnKeyDownAndActivatesOnKeyUp) {
  h.backend.PushKey(Key::Tab);
  h.backend.PushKeyDown(Key::Space, 0, " ");
  h.backend.PushKeyDown(Key::Space, 0, " ");  // auto-repeat
  h.backend.PushTimeout();
  h.backend.PushKeyUp(Key::Space);
  EXPECT_EQ(RunScript(), (std::vector<int>{kButton}));
  // The handled event came after the key up, not with either key down.
  EXPECT_EQ(h.controller.handled[0].messages_taken, 1 + 2 + 2 + 1 + 1);
}

TEST_F(Button, SpaceReleasedAfterTheFocusMovedRaisesNothing) {
  h.backend.PushKey(Key::Tab);
  h.backend.PushKeyDown(Key::Space, 0, " ");
  h.backend.PushKey(Key::Tab);
  h.backend.PushKeyUp(Key::Space);
  EXPECT_TRUE(RunScript().empty());
  EXPECT_EQ(h.Entry(kField2).Text(), "");  // the held Space typed nothing into the field
}

TEST_F(Button, ADoubleClickIsASecondPress) {
  h.backend.PushClick(centre_);
  h.backend.PushDoubleClick(centre_);
  h.backend.PushMouseUp(centre_);
  EXPECT_EQ(RunScript(), (std::vector<int>{kButton, kButton}));
}

TEST_F(Button, OtherMouseButtonsDoNotPress) {
  h.backend.PushMouseDown(centre_, 0, 3);
  h.backend.PushMouseUp(centre_, 0, 3);
  EXPECT_TRUE(RunScript().empty());
  EXPECT_EQ(h.window.FocusControl(), kField1);
}

TEST_F(Button, DrawsItsCaptionTheDefaultFrameAndTheFocus) {
  RunScript();
  h.window.PaintPending();
  const Rect bounds = h.Bounds(kButton);  // 64,34 142x28 in pixels of 8 x 16 base units
  ASSERT_EQ(bounds, (Rect{64, 34, 142, 28}));
  EXPECT_EQ(h.backend.TextIn(bounds), "Go");
  const auto chars = h.backend.CharsIn(bounds);
  EXPECT_EQ(chars[0].color, (Color{128, 0, 0}));
  // Centred in the face: 2 characters of 8 px in 138 px, 16 px high in 24.
  EXPECT_EQ(chars[0].cell, (Rect{64 + 2 + 61, 34 + 2 + 4, 8, 16}));
  // The default frame and the flat border are both black; the face is button face.
  EXPECT_EQ(h.backend.PixelAt({bounds.x, bounds.y}), kWindowFrame);
  EXPECT_EQ(h.backend.PixelAt({bounds.x + 1, bounds.y + 1}), kWindowFrame);
  EXPECT_EQ(h.backend.PixelAt({bounds.x + 2, bounds.y + 2}), kButtonFace);
  const Point focus_dot{bounds.x + 4, bounds.y + 4};
  EXPECT_EQ(h.backend.PixelAt(focus_dot), kButtonFace);

  h.window.Select(kButton);
  h.window.PaintPending();
  EXPECT_EQ(h.backend.PixelAt(focus_dot), kWindowText);
  EXPECT_EQ(h.backend.TextIn(bounds), "Go");  // the focus rectangle leaves the text alone
}

TEST_F(Button, APushedButtonShiftsItsCaption) {
  h.backend.PushMouseDown(centre_);
  h.window.ProcessNextMessage();  // the activation on show
  h.window.ProcessNextMessage();
  h.window.PaintPending();
  EXPECT_EQ(h.backend.CharsIn(h.Bounds(kButton))[0].cell.x, 64 + 2 + 61 + 1);
}

}  // namespace
}  // namespace toolkit::testing
