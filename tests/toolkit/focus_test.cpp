// Focus and tab order: which controls take the focus, how Tab, Shift+Tab, clicks and the
// program move it, and what each control hears of it.
#include <gtest/gtest.h>

#include "tests/toolkit/window_harness.h"
#include "toolkit/push_button.h"

namespace toolkit::testing {
namespace {

class Focus : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.Open());
    h.controller.on_accepted = [](RecordingController&) { return 0; };
  }
  // Runs the script so far and then stops, leaving the window open for inspection.
  void RunScript() {
    h.backend.PushCloseRequest();
    h.Run();
  }
  PushButton& Button() { return static_cast<PushButton&>(*h.window.ControlAt(kButton)); }

  WindowHarness h;
};

TEST_F(Focus, TabCyclesTheFocusableControlsAndSkipsTheRest) {
  struct Step {
    uint8_t modifiers;
    int focus;
  };
  const Step steps[] = {{0, kButton},      {0, kField2},      {0, kField1},     {kShift, kField2},
                        {kShift, kButton}, {kShift, kField1}, {kShift, kField2}};
  RunScript();  // opens the window and selects the first field
  for (const Step& step : steps) {
    h.backend.PushKeyDown(Key::Tab, step.modifiers);
    h.window.ProcessNextMessage();
    EXPECT_EQ(h.window.FocusControl(), step.focus) << int(step.modifiers);
  }
  // Entering a field by Tab or Shift+Tab selects its whole text.
  EXPECT_TRUE(h.Entry(kField2).AllSelected());
  EXPECT_EQ(
      h.Entry(kField1).FocusCauses(),
      (std::vector<FocusCause>{FocusCause::Activation, FocusCause::Tab, FocusCause::ShiftTab}));
}

TEST_F(Focus, SelectingAControlThatCannotTakeTheFocusPassesItOnInTabOrder) {
  RunScript();
  const std::pair<int, int> cases[] = {{kLabel1, kField1}, {kImage1, kButton}, {kImage2, kField2},
                                       {kLabel2, kField2}, {kNote, kField1},  // wraps round
                                       {kButton, kButton}};
  for (const auto& [selected, focused] : cases) {
    h.window.Select(selected);
    EXPECT_EQ(h.window.FocusControl(), focused) << selected;
  }
  // Numbers outside the window select nothing.
  h.window.Select(0);
  h.window.Select(9);
  EXPECT_EQ(h.window.FocusControl(), kButton);
}

TEST_F(Focus, SelectingAFieldSelectsItsWholeText) {
  h.backend.PushKey(Key::Tab);
  RunScript();
  ASSERT_EQ(h.window.FocusControl(), kButton);
  h.window.Select(kField2);
  EXPECT_TRUE(h.Entry(kField2).AllSelected());
  EXPECT_EQ(h.Entry(kField2).FocusCauses().back(), FocusCause::Program);
}

TEST_F(Focus, ClickingAFieldFocusesItAndClickingAStaticDoesNot) {
  h.backend.PushClick(h.Centre(kField2));
  h.backend.PushClick(h.Centre(kLabel1));
  h.backend.PushClick(h.Centre(kImage1));
  h.backend.PushClick({1, 1});  // the bare client area
  RunScript();
  EXPECT_EQ(h.window.FocusControl(), kField2);
  EXPECT_EQ(h.Entry(kField2).FocusCauses(), (std::vector<FocusCause>{FocusCause::Click}));
  EXPECT_FALSE(h.Entry(kField2).AllSelected());
}

TEST_F(Focus, TheLosingControlHearsOfItBeforeTheGainingOneAndItsEventWaits) {
  h.controller.on_accepted = [&](RecordingController& c) {
    h.journal.push_back("accepted " + std::to_string(c.AcceptedControl()));
    return 0;
  };
  h.backend.PushText("1");
  h.backend.PushKey(Key::Tab, kShift);
  RunScript();
  EXPECT_EQ(h.journal,
            (std::vector<std::string>{"received 2", "lost 2", "received 7", "accepted 2"}));
}

TEST_F(Focus, TheDefaultLookFollowsTheFocusedButton) {
  RunScript();
  EXPECT_TRUE(Button().HasDefaultLook());  // the focus is in a field
  h.window.Select(kButton);
  EXPECT_TRUE(Button().HasDefaultLook());
  h.window.Select(kField2);
  EXPECT_TRUE(Button().HasDefaultLook());
}

TEST_F(Focus, KeysGoToTheFocusedControlAndDialogKeysDoNot) {
  h.backend.PushText("ab");
  h.backend.PushKeyDown(Key::Other, kAlt, "x");             // a menu key, not typing
  h.backend.PushKeyDown(Key::Other, kControl | kAlt, "y");  // AltGr types
  h.backend.PushKeyDown(Key::Tab, 0, "\t");
  h.backend.PushKeyDown(Key::Tab, kShift, "\t");
  RunScript();
  EXPECT_EQ(h.Entry(kField1).Text(), "aby");
}

TEST_F(Focus, KeyboardInputToAnInactiveWindowActivatesIt) {
  h.backend.PushDeactivated();
  h.backend.PushText("7");
  RunScript();
  EXPECT_TRUE(h.window.IsActive());
  EXPECT_EQ(h.Entry(kField1).Text(), "7");
}

}  // namespace
}  // namespace toolkit::testing
