// Two masked entry fields and a button in a real toolkit window on the headless backend:
// focus by Tab and by click, completion queuing the accepted event, what the window shows.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/locale_tables.h"
#include "convert/fixed_text.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/window.h"
#include "toolkit/window_controller.h"
#include "window/masked_entry_field.h"

namespace window {
namespace {

using toolkit::ControlDefinition;
using toolkit::ControlKind;
using toolkit::Key;

enum : int { kOldField = 1, kButton = 2, kNewField = 3 };

constexpr ControlDefinition kControls[] = {
    {.number = kOldField,
     .kind = ControlKind::EntryField,
     .name = "old",
     .at = {78, 3},
     .size = toolkit::Size{49, 10},
     .content = "K??|-??|-??K",
     .font = {.weight = 700}},
    {.number = kButton,
     .kind = ControlKind::PushButton,
     .name = "button",
     .at = {32, 17},
     .size = toolkit::Size{71, 14},
     .content = "Go",
     .default_button = true},
    {.number = kNewField,
     .kind = ControlKind::EntryField,
     .name = "new",
     .at = {78, 36},
     .size = toolkit::Size{49, 10},
     .content = "K???|-??|-??K",
     .font = {.weight = 700}},
};

constexpr toolkit::WindowDefinition kDefinition{
    .caption = "Fields",
    .class_name = "fields",
    .client_size = {134, 53},
    .font = {.face = "Arial", .points = 14, .weight = 400, .charset = 204},
    .controls = kControls,
};

// Records the accepted events in the order the window hands them out.
class RecordingController : public toolkit::WindowController {
 public:
  using WindowController::WindowController;
  std::vector<int> accepted;

 protected:
  int OnAccepted() override {
    accepted.push_back(AcceptedControl());
    return StandardAccepted();
  }
};

class FieldsInAWindow : public ::testing::Test {
 protected:
  FieldsInAWindow()
      : window(backend, kDefinition,
               [this](toolkit::ControlHost& host, const toolkit::ControlSetup& setup,
                      const ControlDefinition& definition) {
                 convert::FixedText& variable = setup.number == kOldField ? OLDNUM : NEWNUM;
                 return std::make_unique<MaskedEntryField>(host, setup, definition.content,
                                                           variable, locale);
               }),
        controller(window) {
    controller.FIRSTFIELD = kOldField;
  }

  MaskedEntryField& Field(int number) {
    return static_cast<MaskedEntryField&>(*window.EntryAt(number));
  }
  std::string Shown(int number) { return backend.TextIn(window.ControlAt(number)->Bounds()); }
  // A point on caret k of a field: the text starts four pixels in from the field's edge.
  toolkit::Point AtCaret(int number, int k) {
    const toolkit::Rect bounds = window.ControlAt(number)->Bounds();
    return {bounds.x + 4 + k * 8, bounds.y + bounds.height / 2};
  }
  void Run() {
    backend.PushCloseRequest();
    controller.Run();
  }

  toolkit::headless::HeadlessBackend backend;
  app::LocaleTables locale;
  convert::FixedText OLDNUM{10};
  convert::FixedText NEWNUM{11};
  toolkit::Window window;
  RecordingController controller;
};

TEST_F(FieldsInAWindow, OpensWithTheFocusedTemplateAndTheBlankNewNumber) {
  backend.PushTimeout();
  ASSERT_TRUE(window.Open());
  controller.Run();
  EXPECT_TRUE(Field(kOldField).HasFocus());
  EXPECT_EQ(Shown(kOldField), "  -  -  ");
  EXPECT_EQ(Shown(kNewField), "   ");
}

TEST_F(FieldsInAWindow, TabCompletesTheEditAndQueuesTheAcceptedEvent) {
  backend.PushText("123");
  backend.PushKey(Key::Tab);
  ASSERT_TRUE(window.Open());
  Run();
  EXPECT_EQ(controller.accepted, std::vector<int>{kOldField});
  EXPECT_EQ(OLDNUM.Stored(), "12-3 -    ");
  EXPECT_EQ(window.FocusControl(), kButton);
  EXPECT_EQ(Shown(kOldField), "12-3 ");
}

TEST_F(FieldsInAWindow, TabbingThroughWithoutEditsQueuesNothing) {
  NEWNUM = "412-34-56";
  backend.PushKey(Key::Tab);
  backend.PushKey(Key::Tab);
  ASSERT_TRUE(window.Open());
  Run();
  EXPECT_TRUE(controller.accepted.empty());
  EXPECT_TRUE(Field(kNewField).HasFocus());
  EXPECT_EQ(Field(kNewField).Anchor(), 0) << "Tab entry selects the whole text";
  EXPECT_EQ(Field(kNewField).Caret(), 9);
}

TEST_F(FieldsInAWindow, TypingAfterTabEntryReplacesTheWholeText) {
  NEWNUM = "412-34-56";
  backend.PushKey(Key::Tab);
  backend.PushKey(Key::Tab);
  backend.PushText("9");
  backend.PushKey(Key::Tab, toolkit::kShift);
  ASSERT_TRUE(window.Open());
  Run();
  EXPECT_EQ(controller.accepted, std::vector<int>{kNewField});
  EXPECT_EQ(NEWNUM.Stored(), "9  -  -    ");
  EXPECT_EQ(window.FocusControl(), kButton);
}

TEST_F(FieldsInAWindow, ClickEntryPlacesTheCaretAndDragSelects) {
  NEWNUM = "412-34-56";
  ASSERT_TRUE(window.Open());
  backend.PushClick(AtCaret(kNewField, 4));
  backend.PushText("7");
  backend.PushMouseDown(AtCaret(kNewField, 1));
  backend.PushMouseMove(AtCaret(kNewField, 6));
  backend.PushMouseUp(AtCaret(kNewField, 6));
  backend.PushKey(Key::C, toolkit::kControl);
  Run();
  EXPECT_EQ(Field(kNewField).FullText(), "412-74-56");
  EXPECT_EQ(backend.Clipboard(), "12-74");
  EXPECT_TRUE(controller.accepted.empty()) << "the field still has the focus";
}

TEST_F(FieldsInAWindow, LeavingTheFieldByAClickCompletesIt) {
  ASSERT_TRUE(window.Open());
  backend.PushText("5");
  backend.PushClick(AtCaret(kNewField, 0));
  Run();
  EXPECT_EQ(controller.accepted, std::vector<int>{kOldField});
  EXPECT_EQ(OLDNUM.Stored(), "5 -  -    ");
  EXPECT_EQ(Shown(kOldField), "5 ");
  EXPECT_EQ(Shown(kNewField), "   -  -  ");
}

TEST_F(FieldsInAWindow, DeactivationCompletesAndActivationReturns) {
  backend.PushText("12");
  backend.PushDeactivated();
  backend.PushActivated();
  ASSERT_TRUE(window.Open());
  Run();
  EXPECT_EQ(controller.accepted, std::vector<int>{kOldField});
  EXPECT_EQ(OLDNUM.Stored(), "12-  -    ");
  EXPECT_TRUE(Field(kOldField).HasFocus());
  EXPECT_EQ(Field(kOldField).Caret(), 2);
}

TEST_F(FieldsInAWindow, EscStoresTheEditWithoutAnEvent) {
  backend.PushText("98");
  backend.PushKey(Key::Escape);
  ASSERT_TRUE(window.Open());
  controller.Run();
  EXPECT_EQ(OLDNUM.Stored(), "98-  -    ");
  EXPECT_TRUE(controller.accepted.empty());
}

// The clipboard is UTF-8; a character Windows-1251 cannot hold (here a Greek alpha) never
// reaches the field, a Cyrillic one does.
TEST_F(FieldsInAWindow, PasteDropsWhatTheWindowsCodePageCannotHold) {
  backend.SetClipboardFromOutside(
      "1\xCE\xB1"
      "2-34-56\n7");
  backend.PushKey(Key::V, toolkit::kControl);
  backend.PushKey(Key::Tab);
  ASSERT_TRUE(window.Open());
  Run();
  EXPECT_EQ(OLDNUM.Stored(), "12-34-56  ");
  EXPECT_EQ(backend.BeepCount(), 0);
}

TEST_F(FieldsInAWindow, PasteTakesCyrillicInTheWindowsCodePage) {
  NEWNUM = "412-34-56";
  backend.SetClipboardFromOutside("\xD0\x96");  // U+0416, 0xC6 in Windows-1251
  backend.PushKey(Key::Tab);
  backend.PushKey(Key::Tab);
  backend.PushKey(Key::Insert, toolkit::kShift);
  ASSERT_TRUE(window.Open());
  Run();
  EXPECT_EQ(Field(kNewField).FullText(), "\xC6  -  -  ");
}

}  // namespace
}  // namespace window
