// The main window's event sequences on the headless backend: what Tab, Enter, a click, the
// close keys and deactivation show and how many conversions each runs.
#include <functional>
#include <ostream>

#include "tests/window/main_window_fixture.h"
#include "toolkit/push_button.h"

namespace window::testing {
namespace {

using toolkit::kAlt;
using toolkit::Key;
using toolkit::headless::HeadlessBackend;

struct KeySequence {
  const char* name;
  const char* typed;
  Key key;
  const char* old_shown;
  const char* new_shown;
  int conversions;
};

void PrintTo(const KeySequence& sequence, std::ostream* out) {
  *out << sequence.name;
}

// Each conversion of 1234 starts from what the one before left: a second one reads 00-12-34,
// whose first three digits choose no prefix.
constexpr KeySequence kKeySequences[] = {
    {"SixDigitsTab", "123456", Key::Tab, "12-34-56", "412-34-56", 1},
    {"SixDigitsEnter", "123456", Key::Enter, "12-34-56", "412-34-56", 2},
    {"FourDigitsTab", "1234", Key::Tab, "00-12-34", "004-12-34", 1},
    {"FourDigitsEnter", "1234", Key::Enter, "00-12-34", "000-12-34", 2},
    {"PrefixTwoEnter", "234567", Key::Enter, "23-45-67", "223-45-67", 2},
    // A blank entry is copied to the new number as it is.
    {"EnterWithoutAnEdit", "", Key::Enter, "  -  -  ", "   ", 1},
};

class MainWindowKeys : public MainWindowTest, public ::testing::WithParamInterface<KeySequence> {};

TEST_P(MainWindowKeys, ShowBothNumbersAndComeBackToTheOldNumber) {
  const KeySequence& sequence = GetParam();
  backend.PushText(sequence.typed);
  backend.PushKey(sequence.key);
  Run();
  EXPECT_EQ(Shown(kOldNum), sequence.old_shown);
  EXPECT_EQ(Shown(kNewNum), sequence.new_shown);
  EXPECT_EQ(controller.Conversions(), sequence.conversions);
  EXPECT_EQ(window.FocusControl(), kOldNum);
}

INSTANTIATE_TEST_SUITE_P(Sequences, MainWindowKeys, ::testing::ValuesIn(kKeySequences),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, OpensBlankWithTheFocusInTheOldNumber) {
  Run();
  EXPECT_EQ(controller.FIRSTFIELD, kString1);
  EXPECT_EQ(controller.OPENED, 1);
  EXPECT_TRUE(Field(kOldNum).HasFocus());
  EXPECT_EQ(Shown(kOldNum), "  -  -  ");  // the template, while the field has the focus
  EXPECT_EQ(Shown(kNewNum), "   ");
  EXPECT_TRUE(static_cast<toolkit::PushButton*>(window.ControlAt(kOkButton))->HasDefaultLook());
  EXPECT_FALSE(backend.BackBuffer());
  EXPECT_TRUE(controller.accepted.empty());
}

struct TabCount {
  const char* name;
  int tabs;
  bool shift;
  int focus;
};

void PrintTo(const TabCount& count, std::ostream* out) {
  *out << count.name;
}

constexpr TabCount kTabCounts[] = {
    {"OnceToTheButton", 1, false, kOkButton},
    {"TwiceToTheNewNumber", 2, false, kNewNum},
    {"ThriceBackToTheOldNumber", 3, false, kOldNum},
    {"ShiftTabToTheNewNumber", 1, true, kNewNum},
};

class MainWindowTabs : public MainWindowTest, public ::testing::WithParamInterface<TabCount> {};

TEST_P(MainWindowTabs, CycleThroughTheFocusableControlsWithoutConverting) {
  for (int i = 0; i < GetParam().tabs; ++i) {
    backend.PushKey(Key::Tab, GetParam().shift ? toolkit::kShift : 0);
  }
  Run();
  EXPECT_EQ(window.FocusControl(), GetParam().focus);
  EXPECT_EQ(controller.Conversions(), 0);
}

INSTANTIATE_TEST_SUITE_P(Tabs, MainWindowTabs, ::testing::ValuesIn(kTabCounts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, AClickOnTheButtonAfterAnEditConvertsOnce) {
  Open();
  backend.PushText("1234");
  backend.PushClick(Centre(kOkButton));
  Run();
  // The field's event comes between the press and the release, and takes the focus from the
  // button, which then drops the press.
  EXPECT_EQ(controller.accepted, (std::vector<int>{kOldNum, kOkButton}));
  EXPECT_EQ(Shown(kOldNum), "00-12-34");
  EXPECT_EQ(Shown(kNewNum), "004-12-34");
  EXPECT_EQ(window.FocusControl(), kOldNum);
}

TEST_F(MainWindowTest, AClickOnTheButtonWithoutAnEditConvertsOnce) {
  Open();
  backend.PushClick(Centre(kOkButton));
  Run();
  EXPECT_EQ(controller.accepted, std::vector<int>{kOkButton});
  EXPECT_EQ(window.FocusControl(), kOldNum);
}

TEST_F(MainWindowTest, AClickOnTheNewNumberAfterAnEditConvertsAndComesBack) {
  Open();
  backend.PushText("123456");
  backend.PushClick(Centre(kNewNum));
  Run();
  EXPECT_EQ(controller.Conversions(), 1);
  EXPECT_EQ(Shown(kNewNum), "412-34-56");
  EXPECT_EQ(window.FocusControl(), kOldNum);
  EXPECT_TRUE(Field(kOldNum).HasSelection());
}

TEST_F(MainWindowTest, TextTypedIntoTheNewNumberStaysUntilTheNextConversion) {
  backend.PushText("123456");
  backend.PushKey(Key::Tab);  // converts, and the focus comes back
  backend.PushKey(Key::Tab);
  backend.PushKey(Key::Tab);
  backend.PushText("999");
  backend.PushKey(Key::Tab);
  Run();
  EXPECT_EQ(controller.accepted, (std::vector<int>{kOldNum, kOkButton, kNewNum}));
  EXPECT_EQ(variables.NEWNUM.Clipped().substr(0, 3), "999");
  EXPECT_EQ(Shown(kNewNum).substr(0, 3), "999");
  EXPECT_EQ(variables.OLDNUM.Clipped(), "12-34-56");
}

TEST_F(MainWindowTest, EnterFromTheNewNumberConvertsOnceAndOverwritesIt) {
  backend.PushText("123456");
  backend.PushKey(Key::Tab);
  backend.PushKey(Key::Tab, toolkit::kShift);
  backend.PushText("999");
  backend.PushKey(Key::Enter);
  Run();
  EXPECT_EQ(controller.accepted, (std::vector<int>{kOldNum, kOkButton, kNewNum, kOkButton}));
  EXPECT_EQ(Shown(kNewNum), "412-34-56");
  EXPECT_EQ(window.FocusControl(), kOldNum);
}

TEST_F(MainWindowTest, DeactivationWithAnEditedOldNumberConvertsOnce) {
  backend.PushText("123456");
  backend.PushDeactivated();
  Run();
  EXPECT_EQ(controller.Conversions(), 1);
  EXPECT_EQ(variables.OLDNUM.Clipped(), "12-34-56");
  EXPECT_EQ(variables.NEWNUM.Clipped(), "412-34-56");
  EXPECT_EQ(window.FocusControl(), kOldNum);
}

TEST_F(MainWindowTest, DeactivationWithoutAnEditConvertsNothing) {
  backend.PushDeactivated();
  backend.PushActivated();
  Run();
  EXPECT_TRUE(controller.accepted.empty());
}

struct CloseWay {
  const char* name;
  std::function<void(HeadlessBackend&)> push;
};

void PrintTo(const CloseWay& way, std::ostream* out) {
  *out << way.name;
}

const CloseWay kCloseWays[] = {
    {"Escape", [](HeadlessBackend& b) { b.PushKey(Key::Escape); }},
    {"AltF4", [](HeadlessBackend& b) { b.PushKey(Key::F4, kAlt); }},
    {"WindowManager", [](HeadlessBackend& b) { b.PushCloseRequest(); }},
};

class MainWindowClose : public MainWindowTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(MainWindowClose, StoresTheEditedFieldAndClosesAtOnceWithoutConverting) {
  backend.PushText("1234");
  GetParam().push(backend);
  backend.PushText("5");  // never taken: the window is closed by then
  Run(/*close_at_end=*/false);
  EXPECT_EQ(variables.OLDNUM.Stored(), "12-34-    ");
  EXPECT_EQ(variables.NEWNUM.Clipped(), "");
  EXPECT_TRUE(controller.accepted.empty());
  EXPECT_GT(backend.PendingMessages(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Ways, MainWindowClose, ::testing::ValuesIn(kCloseWays),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace window::testing
