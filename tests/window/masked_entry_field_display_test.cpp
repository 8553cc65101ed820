// What the field shows for a text in its variable, and how it draws itself.
#include <gtest/gtest.h>

#include "tests/window/field_fixture.h"
#include "toolkit/system_colors.h"

namespace window::testing {
namespace {

struct DisplayCase {
  Which which;
  const char* variable;
  const char* focused;
  const char* unfocused;
};

class FieldDisplay : public FieldTest, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(FieldDisplay, ShowsTheVariableWithAndWithoutTheFocus) {
  const DisplayCase& c = GetParam();
  Make(c.which);
  *variable = c.variable;
  field->Refresh();
  EXPECT_EQ(field->ShownText(), c.unfocused);
  EXPECT_EQ(Painted(), c.unfocused);

  field->FocusReceived(toolkit::FocusCause::Program, {});
  EXPECT_EQ(field->ShownText(), c.focused);
  EXPECT_EQ(Painted(), c.focused);

  field->FocusLost();
  EXPECT_EQ(field->ShownText(), c.unfocused);
  EXPECT_EQ(variable->Clipped(), std::string_view(c.variable)) << "leaving unedited stores nothing";
  EXPECT_TRUE(host.posted.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ProgramTexts, FieldDisplay,
    ::testing::Values(DisplayCase{Which::Old, "12-34-56", "12-34-56", "12-34-56"},
                      DisplayCase{Which::Old, "##-##-##", "##-##-##", "##-##-##"},
                      DisplayCase{Which::Old, "10-0", "10-0 -  ", "10-0 "},
                      DisplayCase{Which::Old, "12", "12-  -  ", "12"},
                      DisplayCase{Which::Old, "5", "5 -  -  ", "5 "},
                      DisplayCase{Which::Old, "", "  -  -  ", "  "},
                      DisplayCase{Which::New, "412-34-56", "412-34-56", "412-34-56"},
                      DisplayCase{Which::New, "081-23-45", "081-23-45", "081-23-45"},
                      DisplayCase{Which::New, "123", "123-  -  ", "123"},
                      DisplayCase{Which::New, "12", "12 -  -  ", "12 "},
                      DisplayCase{Which::New, "", "   -  -  ", "   "},
                      // A different character at a literal position is dropped.
                      DisplayCase{Which::Old, "12345", "12-45-  ", "12-45"}));

TEST_F(FieldTest, ANewFieldShowsItsVariable) {
  Make(Which::New, "412-34-56");
  EXPECT_EQ(field->ShownText(), "412-34-56");
  EXPECT_TRUE(field->Fitted());
  Make(Which::Old, "12345");
  EXPECT_FALSE(field->Fitted());
}

TEST_F(FieldTest, RefreshDiscardsAnEditAndKeepsCaretAndSelection) {
  MakeFocused(Which::Old, "12-34-56");
  Play("{END}{BS}{S-HOME}");
  ASSERT_TRUE(field->Modified());
  *variable = "98-76-54";
  field->Refresh();
  EXPECT_EQ(field->ShownText(), "98-76-54");
  EXPECT_FALSE(field->Modified());
  EXPECT_EQ(field->Anchor(), 7);
  EXPECT_EQ(field->Caret(), 0);
  EXPECT_TRUE(host.posted.empty());
}

// A malformed template is our own mistake: asserted where asserts are on, and otherwise a
// field without positions that never changes its variable.
TEST_F(FieldTest, MalformedTemplate) {
  variable = std::make_unique<convert::FixedText>(10, "12-34-56");
  const toolkit::ControlSetup setup{2, kFieldBounds, 1, kRed, kWindowBackground};
#ifdef NDEBUG
  field = std::make_unique<MaskedEntryField>(host, setup, "K??", *variable, locale);
  field->FocusReceived(toolkit::FocusCause::Tab, {});
  Play("1{BS}{DEL}{C-X}{C-V}");
  field->FocusLost();
  EXPECT_EQ(field->ShownText(), "");
  EXPECT_EQ(variable->Stored(), "12-34-56  ");
  EXPECT_TRUE(host.posted.empty());
#else
  EXPECT_DEATH(MaskedEntryField(host, setup, "K??", *variable, locale),
               "malformed key-in template");
#endif
}

// Painting: the text two pixels in from the interior, selection and caret, default character.
class FieldPaint : public FieldTest {
 protected:
  RecordingBackend Paint() {
    RecordingBackend backend;
    toolkit::Canvas canvas(backend);
    field->Paint(canvas);
    return backend;
  }
  static bool Filled(const RecordingBackend& backend, toolkit::Rect rect, toolkit::Color color) {
    for (const FilledRect& fill : backend.fills) {
      if (fill.rect == rect && fill.color == color) return true;
    }
    return false;
  }
};

TEST_F(FieldPaint, DrawsSunkenBorderWhiteInteriorAndIndentedText) {
  Make(Which::Old, "12-34-56");
  const RecordingBackend backend = Paint();
  EXPECT_TRUE(Filled(backend, {100, 10, 120, 1}, toolkit::kButtonShadow)) << "outer top";
  EXPECT_TRUE(Filled(backend, {219, 10, 1, 24}, toolkit::kButtonHighlight)) << "outer right";
  EXPECT_TRUE(Filled(backend, {101, 11, 1, 22}, toolkit::kButtonDarkShadow)) << "inner left";
  EXPECT_TRUE(Filled(backend, {101, 32, 118, 1}, toolkit::kButtonFace)) << "inner bottom";
  EXPECT_TRUE(Filled(backend, {102, 12, 116, 20}, toolkit::kWindowColor)) << "interior";
  ASSERT_EQ(backend.texts.size(), 1u);
  EXPECT_EQ(backend.texts[0].at, kTextOrigin);
  EXPECT_EQ(backend.texts[0].color, kRed);
}

TEST_F(FieldPaint, DrawsTheSelectionInHighlightColoursAndTheCaretWhenVisible) {
  MakeFocused(Which::Old, "12-34-56");
  Play("{RIGHT}{RIGHT}{S-RIGHT}{S-RIGHT}{S-RIGHT}");
  RecordingBackend backend = Paint();
  ASSERT_EQ(backend.texts.size(), 3u);
  EXPECT_EQ(backend.texts[0].text, "12");
  EXPECT_EQ(backend.texts[1].text, "-34");
  EXPECT_EQ(backend.texts[1].at, (toolkit::Point{kTextOrigin.x + 2 * kCharWidth, kTextOrigin.y}));
  EXPECT_EQ(backend.texts[1].color, toolkit::kHighlightText);
  EXPECT_EQ(backend.texts[2].text, "-56");
  EXPECT_TRUE(Filled(backend, {kTextOrigin.x + 2 * kCharWidth, kTextOrigin.y, 3 * kCharWidth, 16},
                     toolkit::kHighlight));
  const toolkit::Rect caret{kTextOrigin.x + 5 * kCharWidth, kTextOrigin.y, 1, 16};
  EXPECT_TRUE(Filled(backend, caret, toolkit::kWindowText));

  host.caret_visible = false;
  EXPECT_FALSE(Filled(Paint(), caret, toolkit::kWindowText));
  host.caret_visible = true;
  field->FocusLost();
  EXPECT_FALSE(Filled(Paint(), caret, toolkit::kWindowText)) << "no caret without the focus";
}

TEST_F(FieldPaint, DrawsACharacterOutsideTheFontAsItsDefaultCharacter) {
  host.metrics.last_char = 0x7E;
  Make(Which::Old, "1\x7F-\xC6");
  RecordingBackend backend;
  backend.metrics.last_char = 0x7E;
  toolkit::Canvas canvas(backend);
  field->Paint(canvas);
  EXPECT_EQ(backend.AllText(), "1?-? ");
  EXPECT_EQ(field->ShownText(), "1\x7F-\xC6 ") << "the held characters are unchanged";
}

}  // namespace
}  // namespace window::testing
