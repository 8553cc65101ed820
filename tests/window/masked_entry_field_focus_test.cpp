// Focus, completion, navigation and the mouse.
#include <gtest/gtest.h>

#include <vector>

#include "tests/window/field_fixture.h"

namespace window::testing {
namespace {

using toolkit::FocusCause;

// The click point at caret k, `offset` pixels to its right.
toolkit::Point AtCaret(int k, int offset = 0) {
  return {kTextOrigin.x + k * kCharWidth + offset, kTextOrigin.y + 4};
}

struct CompletionCase {
  Which which;
  const char* variable;
  const char* script;
  const char* stored;  // the variable afterwards, all its characters
  const char* unfocused;
};

class FieldCompletion : public FieldTest, public ::testing::WithParamInterface<CompletionCase> {};

TEST_P(FieldCompletion, AssignsTheFullTextAndPostsTheEvent) {
  const CompletionCase& c = GetParam();
  Make(c.which, c.variable);
  field->FocusReceived(FocusCause::Tab, {});
  Play(c.script);
  field->FocusLost();
  EXPECT_EQ(variable->Stored(), c.stored);
  EXPECT_EQ(host.posted, std::vector<int>{c.which == Which::Old ? 2 : 7});
  EXPECT_FALSE(field->Modified());
  EXPECT_EQ(field->ShownText(), c.unfocused);
  EXPECT_FALSE(field->HasSelection());
}

INSTANTIATE_TEST_SUITE_P(
    Edits, FieldCompletion,
    ::testing::Values(CompletionCase{Which::Old, "", "123456", "12-34-56  ", "12-34-56"},
                      CompletionCase{Which::Old, "", "123", "12-3 -    ", "12-3 "},
                      CompletionCase{Which::Old, "12-34-56", "{BS}", "  -  -    ", "  "},
                      CompletionCase{Which::Old, "10-0", "{HOME}1", "10-0 -    ", "10-0 "},
                      // An edit that changes nothing still completes.
                      CompletionCase{Which::Old, "12-34-56", "{HOME}1", "12-34-56  ", "12-34-56"},
                      CompletionCase{Which::Old, "12-34-56", "{HOME}{RIGHT}{RIGHT}-", "12-34-56  ",
                                     "12-34-56"},
                      CompletionCase{Which::New, "", "1234567", "123-45-67  ", "123-45-67"},
                      CompletionCase{Which::New, "", "12", "12 -  -    ", "12 "}));

TEST_F(FieldTest, LeavingWithoutAnEditStoresNothingAndPostsNothing) {
  Make(Which::Old, "10-0");
  field->FocusReceived(FocusCause::Tab, {});
  EXPECT_EQ(field->ShownText(), "10-0 -  ");
  Play("{HOME}{END}{LEFT}{C-LEFT}{S-HOME}{C-C}{UP}{DOWN}{INS}");
  field->FocusLost();
  EXPECT_EQ(variable->Stored(), "10-0      ");
  EXPECT_TRUE(host.posted.empty());
  EXPECT_EQ(field->ShownText(), "10-0 ");
}

TEST_F(FieldTest, CompletedTextShowsTrimmedOutsideAndFullInside) {
  MakeFocused(Which::Old);
  Play("123");
  field->FocusLost();
  EXPECT_EQ(field->ShownText(), "12-3 ");
  field->FocusReceived(FocusCause::Click, AtCaret(0));
  EXPECT_EQ(field->ShownText(), "12-3 -  ");
  field->FocusLost();
  EXPECT_EQ(host.posted.size(), 1u) << "the second visit made no edit";
}

TEST_F(FieldTest, StoreIfModifiedAssignsWithoutAnEvent) {
  MakeFocused(Which::Old, "10-0");
  field->StoreIfModified();
  EXPECT_EQ(variable->Stored(), "10-0      ") << "nothing to store";
  Play("7");
  field->StoreIfModified();
  EXPECT_EQ(variable->Stored(), "70-0 -    ");
  EXPECT_FALSE(field->Modified());
  field->FocusLost();
  EXPECT_TRUE(host.posted.empty());
}

TEST_F(FieldTest, TabEntrySelectsAllSoTypingReplacesEverything) {
  for (const FocusCause cause : {FocusCause::Tab, FocusCause::ShiftTab}) {
    Make(Which::Old, "12-34-56");
    field->FocusReceived(cause, {});
    EXPECT_EQ(field->Anchor(), 0);
    EXPECT_EQ(field->Caret(), 8);
    Play("7");
    EXPECT_EQ(field->FullText(), "7 -  -  ");
  }
}

TEST_F(FieldTest, SelectAllWithoutTheFocusWaitsForIt) {
  Make(Which::New, "412-34-56");
  field->SelectAll();
  EXPECT_TRUE(field->SelectAllPending());
  EXPECT_FALSE(field->HasSelection());
  field->FocusReceived(FocusCause::Program, {});
  EXPECT_FALSE(field->SelectAllPending());
  EXPECT_EQ(field->Anchor(), 0);
  EXPECT_EQ(field->Caret(), 9);

  field->FocusLost();
  field->SelectAll();
  field->FocusReceived(FocusCause::Click, AtCaret(4, 1));
  EXPECT_FALSE(field->SelectAllPending()) << "a click drops the request";
  EXPECT_FALSE(field->HasSelection());
  EXPECT_EQ(field->Caret(), 4);
}

TEST_F(FieldTest, SelectAllWithTheFocusSelectsAtOnce) {
  MakeFocused(Which::Old, "12");
  field->SelectAll();
  EXPECT_FALSE(field->SelectAllPending());
  EXPECT_EQ(field->Anchor(), 0);
  EXPECT_EQ(field->Caret(), 8);
}

TEST_F(FieldTest, ActivationKeepsTheCaretAndLosingTheFocusDropsTheSelection) {
  MakeFocused(Which::Old, "12-34-56");
  Play("{RIGHT}{S-RIGHT}{S-RIGHT}");
  field->FocusLost();
  EXPECT_FALSE(field->HasSelection());
  field->FocusReceived(FocusCause::Activation, {});
  EXPECT_EQ(field->Caret(), 3);
  EXPECT_FALSE(field->HasSelection());
}

TEST_F(FieldTest, KeysReachOnlyAFocusedField) {
  Make(Which::Old, "12-34-56");
  EXPECT_FALSE(field->KeyDown(toolkit::Key::Backspace, 0));
  field->Character('9');
  EXPECT_EQ(field->FullText(), "12-34-56");
  EXPECT_FALSE(field->Modified());
}

// Navigation in "1 -3 - 6": the words are "1", "-3", "-" and "6".
struct NavigationCase {
  const char* script;
  int anchor;
  int caret;
};

class FieldNavigation : public FieldTest, public ::testing::WithParamInterface<NavigationCase> {};

TEST_P(FieldNavigation, MovesTheCaret) {
  MakeFocused(Which::Old, "1 -3 - 6");
  Play(GetParam().script);
  EXPECT_EQ(field->Anchor(), GetParam().anchor);
  EXPECT_EQ(field->Caret(), GetParam().caret);
  EXPECT_FALSE(field->Modified());
  EXPECT_EQ(field->FullText(), "1 -3 - 6");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FieldNavigation,
    ::testing::Values(NavigationCase{"{RIGHT}{RIGHT}{RIGHT}", 3, 3}, NavigationCase{"{LEFT}", 0, 0},
                      NavigationCase{"{END}{RIGHT}", 8, 8}, NavigationCase{"{END}{LEFT}", 7, 7},
                      NavigationCase{"{END}{HOME}", 0, 0}, NavigationCase{"{UP}{DOWN}{INS}", 0, 0},
                      NavigationCase{"{END}{C-LEFT}", 7, 7},
                      NavigationCase{"{END}{C-LEFT}{C-LEFT}", 5, 5},
                      NavigationCase{"{END}{C-LEFT}{C-LEFT}{C-LEFT}", 2, 2},
                      NavigationCase{"{END}{C-LEFT}{C-LEFT}{C-LEFT}{C-LEFT}{C-LEFT}", 0, 0},
                      NavigationCase{"{RIGHT}{RIGHT}{RIGHT}{C-LEFT}", 2, 2},
                      NavigationCase{"{C-RIGHT}", 2, 2}, NavigationCase{"{C-RIGHT}{C-RIGHT}", 5, 5},
                      NavigationCase{"{C-RIGHT}{C-RIGHT}{C-RIGHT}{C-RIGHT}{C-RIGHT}", 8, 8},
                      NavigationCase{"{RIGHT}{RIGHT}{RIGHT}{C-RIGHT}", 5, 5},
                      // Shift extends from the anchor; without it the selection is dropped.
                      NavigationCase{"{CS-RIGHT}{CS-RIGHT}", 0, 5}, NavigationCase{"{S-END}", 0, 8},
                      NavigationCase{"{END}{S-LEFT}{S-LEFT}", 8, 6},
                      NavigationCase{"{END}{S-LEFT}{S-LEFT}{LEFT}", 5, 5},
                      NavigationCase{"{RIGHT}{S-END}{S-HOME}", 1, 0},
                      NavigationCase{"{END}{CS-LEFT}{S-RIGHT}", 8, 8}));

TEST_F(FieldTest, ClickPutsTheCaretAtTheNearestPositionAndDropsTheSelection) {
  MakeFocused(Which::Old, "12-34-56");
  const std::vector<std::pair<toolkit::Point, int>> clicks = {{AtCaret(3, 3), 3},
                                                              {AtCaret(3, 5), 4},
                                                              {AtCaret(0, -40), 0},
                                                              {AtCaret(8, 50), 8},
                                                              {AtCaret(5, -2), 5}};
  for (const auto& [at, caret] : clicks) {
    Play("{HOME}{S-END}");
    field->MouseDown(at, toolkit::kShift);
    field->MouseUp(at, 0);
    EXPECT_EQ(field->Caret(), caret) << at.x;
    EXPECT_FALSE(field->HasSelection());
  }
  EXPECT_FALSE(field->Modified());
}

TEST_F(FieldTest, DragExtendsTheSelectionUntilRelease) {
  MakeFocused(Which::Old, "12-34-56");
  field->MouseDown(AtCaret(2), 0);
  field->MouseMove(AtCaret(6), 0);
  EXPECT_EQ(field->Anchor(), 2);
  EXPECT_EQ(field->Caret(), 6);
  field->MouseMove(AtCaret(1), 0);
  EXPECT_EQ(field->Caret(), 1);
  field->MouseUp(AtCaret(1), 0);
  field->MouseMove(AtCaret(7), 0);
  EXPECT_EQ(field->Caret(), 1) << "moves after the release select nothing";

  field->MouseDown(AtCaret(3), 0);
  field->CaptureLost();
  field->MouseMove(AtCaret(8), 0);
  EXPECT_EQ(field->Caret(), 3) << "a lost capture ends the drag";
}

struct WordCase {
  const char* variable;
  int caret;
  int anchor_after;
  int caret_after;
};

class FieldDoubleClick : public FieldTest, public ::testing::WithParamInterface<WordCase> {};

TEST_P(FieldDoubleClick, SelectsTheWordAtTheCaretAndTheBlanksAfterIt) {
  const WordCase& c = GetParam();
  MakeFocused(Which::Old, c.variable);
  field->MouseDown(AtCaret(c.caret), 0);
  field->MouseUp(AtCaret(c.caret), 0);
  field->DoubleClick(AtCaret(c.caret), 0);
  EXPECT_EQ(field->Anchor(), c.anchor_after);
  EXPECT_EQ(field->Caret(), c.caret_after);
  field->MouseMove(AtCaret(0), 0);
  field->MouseUp(AtCaret(0), 0);
  EXPECT_EQ(field->Caret(), c.caret_after) << "the double-click starts no drag";
}

INSTANTIATE_TEST_SUITE_P(Words, FieldDoubleClick,
                         ::testing::Values(WordCase{"1 -3 - 6", 3, 2, 5},
                                           WordCase{"1 -3 - 6", 1, 0, 2},
                                           WordCase{"1 -3 - 6", 0, 0, 2},
                                           WordCase{"1 -3 - 6", 8, 7, 8},
                                           WordCase{"12-34-56", 4, 0, 8}, WordCase{"", 4, 4, 5}));

TEST_F(FieldTest, DoubleClickWithoutTheFocusSelectsNothing) {
  Make(Which::Old, "12-34-56");
  field->DoubleClick(AtCaret(3), 0);
  EXPECT_FALSE(field->HasSelection());
}

}  // namespace
}  // namespace window::testing
