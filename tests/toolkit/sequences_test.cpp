// The event sequences that follow from the toolkit rules: synchronous focus changes, the
// FIFO queue drained after every native message, Enter through the default button, the
// dropped press, activation, closing and the run's result.
#include <gtest/gtest.h>

#include "tests/toolkit/window_harness.h"
#include "toolkit/thread_request_codes.h"

namespace toolkit::testing {
namespace {

using Handled = RecordingController::Handled;

class Sequences : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(h.Open()); }
  // Native messages taken so far: the opening activation counts as the first.
  int Taken() const { return h.backend.MessagesTaken(); }

  WindowHarness h;
};

TEST_F(Sequences, OpeningSelectsTheFirstFocusableControlAfterTheFirstField) {
  h.controller.FIRSTFIELD = kLabel1;  // a static text: the focus goes on to the next field
  h.Run();
  EXPECT_EQ(h.window.FocusControl(), kField1);
  EXPECT_TRUE(h.Entry(kField1).Focused());
  EXPECT_EQ(h.controller.OPENED, 1);
  EXPECT_TRUE(h.controller.handled.empty());
}

TEST_F(Sequences, TabFromAnEditedFieldConvertsOnceAndComesBack) {
  h.backend.PushText("123456");
  h.backend.PushKey(Key::Tab);
  h.backend.PushCloseRequest();
  h.Run();
  // Activation, six key downs and ups, then Tab: both events run within Tab's message.
  const int tab = 1 + 12 + 1;
  EXPECT_EQ(h.controller.handled, (std::vector<Handled>{{kField1, tab}, {kButton, tab}}));
  EXPECT_EQ(h.first, "123456");
  EXPECT_EQ(h.controller.conversions, 1);
  EXPECT_EQ(h.window.FocusControl(), kField1);
  EXPECT_TRUE(h.Entry(kField1).AllSelected());
}

TEST_F(Sequences, EnterQueuesTheButtonAheadOfWhatTheFieldsEventPosts) {
  h.backend.PushText("12");
  h.backend.PushKey(Key::Enter);
  h.backend.PushCloseRequest();
  h.Run();
  // The focus moves to the button first, so the field completes and queues its event; then
  // the button's event is queued; the field's handler queues a second one behind it.
  const int enter = 1 + 4 + 1;
  EXPECT_EQ(h.controller.handled,
            (std::vector<Handled>{{kField1, enter}, {kButton, enter}, {kButton, enter}}));
  EXPECT_EQ(h.controller.conversions, 2);
  EXPECT_EQ(h.window.FocusControl(), kField1);
}

TEST_F(Sequences, EnterWithoutAnEditActivatesTheButtonOnce) {
  h.backend.PushKey(Key::Enter);
  h.backend.PushCloseRequest();
  h.Run();
  EXPECT_EQ(h.controller.HandledControls(), (std::vector<int>{kButton}));
}

TEST_F(Sequences, ClickOnTheButtonAfterAnEditConvertsOnce) {
  h.backend.PushText("12");
  h.backend.PushClick(h.Centre(kButton));
  h.backend.PushCloseRequest();
  h.Run();
  // The press takes the focus from the field, whose event converts and selects the field
  // again while the mouse button is still down: the button loses the focus, and the release
  // raises nothing.
  const int press = 1 + 4 + 1;
  EXPECT_EQ(h.controller.handled, (std::vector<Handled>{{kField1, press}, {kButton, press}}));
  EXPECT_EQ(h.controller.conversions, 1);
  EXPECT_EQ(h.window.FocusControl(), kField1);
}

TEST_F(Sequences, ClickOnTheButtonWithoutAnEditActivatesItOnRelease) {
  h.backend.PushClick(h.Centre(kButton));
  h.backend.PushCloseRequest();
  h.Run();
  EXPECT_EQ(h.controller.handled, (std::vector<Handled>{{kButton, 1 + 2}}));
}

TEST_F(Sequences, EventsPostedWhileDrainingRunFirstInFirstOut) {
  std::vector<int> order;
  h.controller.on_accepted = [&](RecordingController& c) {
    order.push_back(c.AcceptedControl());
    if (c.AcceptedControl() == kField1) {
      c.PostAccepted(kField2);
      c.PostAccepted(kButton);
    }
    if (c.AcceptedControl() == kField2) c.PostAccepted(kImage1);
    return 0;
  };
  h.backend.PushText("1");
  h.backend.PushKey(Key::Enter);  // queues field 1, then the button
  h.backend.PushKey(Key::Escape);
  h.Run();
  EXPECT_EQ(order, (std::vector<int>{kField1, kButton, kField2, kButton, kImage1}));
  // All of them before the key up of Enter was taken.
  for (const Handled& handled : h.controller.handled) EXPECT_EQ(handled.messages_taken, 1 + 2 + 1);
}

TEST_F(Sequences, EditingTheSecondFieldAndLeavingRaisesOnlyItsEvent) {
  h.backend.PushKey(Key::Tab);
  h.backend.PushKey(Key::Tab);
  h.backend.PushText("99");
  h.backend.PushKey(Key::Tab);
  h.backend.PushCloseRequest();
  h.Run();
  EXPECT_EQ(h.controller.HandledControls(), (std::vector<int>{kField2}));
  EXPECT_EQ(h.second, "99");
  EXPECT_EQ(h.window.FocusControl(), kField1);
}

TEST_F(Sequences, DeactivationCompletesAnEditedFieldAndActivationSelectsItsText) {
  h.backend.PushText("12");
  h.backend.PushDeactivated();
  h.backend.PushActivated();
  h.backend.PushCloseRequest();
  h.Run();
  EXPECT_EQ(h.controller.HandledControls(), (std::vector<int>{kField1, kButton}));
  EXPECT_EQ(h.first, "12");
  TestEntry& field = h.Entry(kField1);
  // The conversion selected the field while the window was inactive: the request waited in
  // the field and was carried out when the focus came back with the activation.
  EXPECT_EQ(field.FocusCauses().back(), FocusCause::Activation);
  EXPECT_TRUE(field.Focused());
  EXPECT_TRUE(field.AllSelected());
  EXPECT_FALSE(field.SelectAllPending());
}

TEST_F(Sequences, SelectOnAnInactiveWindowKeepsTheFocusForTheActivation) {
  h.backend.PushDeactivated();
  h.backend.PushCloseRequest();
  h.controller.on_accepted = nullptr;
  h.Run();
  // Inactive from here on: a program's select changes the focus control without giving
  // anyone the focus, and leaves the select-all pending.
  h.window.Select(kField2);
  EXPECT_EQ(h.window.FocusControl(), kField2);
  EXPECT_FALSE(h.window.HasFocus(kField2));
  EXPECT_FALSE(h.Entry(kField2).Focused());
  EXPECT_FALSE(h.Entry(kField1).Focused());
  EXPECT_TRUE(h.Entry(kField2).SelectAllPending());

  h.backend.PushActivated();
  h.window.ProcessNextMessage();
  EXPECT_TRUE(h.window.HasFocus(kField2));
  EXPECT_TRUE(h.Entry(kField2).AllSelected());
  EXPECT_FALSE(h.Entry(kField2).SelectAllPending());
}

struct Closer {
  const char* name;
  std::function<void(headless::HeadlessBackend&)> push;
};

void PrintTo(const Closer& closer, std::ostream* out) {
  *out << closer.name;
}

class Closing : public Sequences, public ::testing::WithParamInterface<Closer> {};

TEST_P(Closing, StoresTheEditedFieldWithoutAnEventAndEndsTheRun) {
  h.backend.PushText("12");
  GetParam().push(h.backend);
  h.backend.PushText("3");  // never taken: the run has ended
  const int result = h.Run();
  EXPECT_EQ(h.first, "12");
  EXPECT_EQ(h.Entry(kField1).Text(), "12");
  EXPECT_TRUE(h.controller.handled.empty());
  EXPECT_FALSE(h.backend.ScriptExhausted());
  EXPECT_EQ(result, kResponseCancelled);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, Closing,
    ::testing::Values(
        Closer{"Escape", [](headless::HeadlessBackend& b) { b.PushKey(Key::Escape); }},
        Closer{"AltF4", [](headless::HeadlessBackend& b) { b.PushKey(Key::F4, kAlt); }},
        Closer{"WindowManager", [](headless::HeadlessBackend& b) { b.PushCloseRequest(); }}),
    [](const ::testing::TestParamInfo<Closer>& info) { return info.param.name; });

TEST_F(Sequences, EventsQueuedAheadOfTheCloseRequestAreStillHandled) {
  h.controller.on_accepted = [](RecordingController& c) {
    if (c.AcceptedControl() == kButton) c.PostCloseRequest();
    return 0;
  };
  h.backend.PushKey(Key::Enter);
  h.backend.PushKey(Key::Enter);
  h.Run();
  // The first Enter's event closes; the second Enter is never taken.
  EXPECT_EQ(h.controller.HandledControls(), (std::vector<int>{kButton}));
  EXPECT_EQ(h.backend.PendingMessages(), 3u);
}

TEST_F(Sequences, TheRunsResultGoesToTheThreadsResponseCode) {
  ThisThreadRequestCodes() = {.request_code = 7, .response_code = 9, .navigation_request = 3};
  h.backend.PushCloseRequest();
  EXPECT_EQ(h.Run(), 2);
  EXPECT_EQ(h.controller.REQUEST, 7);
  EXPECT_EQ(ThisThreadRequestCodes().request_code, 0);
  EXPECT_EQ(ThisThreadRequestCodes().response_code, 2);
  EXPECT_EQ(h.controller.NavigationRequest(), &ThisThreadRequestCodes().navigation_request);
  EXPECT_EQ(ThisThreadRequestCodes().navigation_request, 3);
}

TEST_F(Sequences, AResponseSetByAHandlerIsTheResult) {
  h.controller.on_accepted = [](RecordingController& c) {
    c.RESPONSE = 5;
    return 1;  // a nonzero level ends the loop
  };
  h.backend.PushKey(Key::Enter);
  h.backend.PushKey(Key::Enter);
  EXPECT_EQ(h.Run(), 5);
  EXPECT_EQ(ThisThreadRequestCodes().response_code, 5);
  EXPECT_EQ(h.controller.handled.size(), 1u);
}

TEST(Run, AWindowThatCannotOpenSkipsTheLoop) {
  WindowHarness h;
  h.backend.RefuseNextWindow();
  h.backend.PushKey(Key::Enter);
  EXPECT_EQ(h.Run(), kResponseCancelled);
  EXPECT_EQ(h.controller.OPENED, 0);
  EXPECT_FALSE(h.window.IsOpen());
  EXPECT_EQ(h.backend.MessagesTaken(), 0);
  EXPECT_EQ(h.backend.LiveFonts(), 0);
}

TEST(Run, AFinishedScriptEndsTheRunLikeATerminationRequest) {
  WindowHarness h;
  h.backend.PushText("5");
  h.Run();
  EXPECT_TRUE(h.backend.ScriptExhausted());
  EXPECT_EQ(h.first, "5");
}

}  // namespace
}  // namespace toolkit::testing
