// Typing, the editing keys, the clipboard and Ctrl+Z.
#include <gtest/gtest.h>

#include "app/startup_locale.h"
#include "platform/cp1251_literal.h"
#include "tests/window/field_fixture.h"

namespace window::testing {
namespace {

using platform::operator""_cp1251;

// A script played in a field loaded from `variable` and focused by a click at its start.
struct EditCase {
  Which which;
  const char* variable;
  const char* script;
  const char* full;
  int caret;
  int beeps;
  bool modified;
};

void PrintTo(const EditCase& c, std::ostream* out) {
  *out << '"' << c.script << '"';
}

class FieldEdit : public FieldTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(FieldEdit, GivesTheText) {
  const EditCase& c = GetParam();
  MakeFocused(c.which, c.variable);
  Play(c.script);
  EXPECT_EQ(field->FullText(), c.full);
  EXPECT_EQ(field->Caret(), c.caret);
  EXPECT_FALSE(field->HasSelection());
  EXPECT_EQ(host.beeps, c.beeps);
  EXPECT_EQ(field->Modified(), c.modified);
  EXPECT_EQ(variable->Clipped(), std::string_view(c.variable))
      << "the variable waits for completion";
}

INSTANTIATE_TEST_SUITE_P(
    Typing, FieldEdit,
    ::testing::Values(EditCase{Which::Old, "", "123456", "12-34-56", 8, 0, true},
                      EditCase{Which::Old, "", "12-34-56", "12-34-56", 8, 0, true},
                      EditCase{Which::Old, "", "12 34 56", "12-34-56", 8, 0, true},
                      EditCase{Which::Old, "", "12.34/56", "12-34-56", 8, 0, true},
                      EditCase{Which::Old, "", "12a", "12-a -  ", 4, 0, true},
                      EditCase{Which::Old, "", "1-2", "1--2 -  ", 4, 0, true},
                      EditCase{Which::Old, "", "12-", "12-  -  ", 3, 0, true},
                      EditCase{Which::Old, "", "1234567", "12-34-56", 8, 1, true},
                      EditCase{Which::New, "", "1234567", "123-45-67", 9, 0, true},
                      EditCase{Which::New, "", "12345678", "123-45-67", 9, 1, true},
                      // Typing overwrites; the Insert key changes nothing.
                      EditCase{Which::Old, "12-34-56", "{INS}99", "99-34-56", 2, 0, true},
                      EditCase{Which::Old, "12-34-56", "{RIGHT}{RIGHT}7", "12-74-56", 4, 0, true},
                      // A letter passes over a literal into the next input position.
                      EditCase{Which::Old, "12-34-56", "{RIGHT}{RIGHT}{RIGHT}{RIGHT}{RIGHT}x",
                               "12-34-x6", 7, 0, true},
                      EditCase{Which::Old, "", "{END}x", "  -  -  ", 8, 1, false},
                      // A typed character replaces a selection.
                      EditCase{Which::Old, "12-34-56", "{S-END}7", "7 -  -  ", 1, 0, true},
                      EditCase{Which::Old, "12-34-56", "{RIGHT}{RIGHT}{S-RIGHT}-", "12-34-56", 3, 0,
                               true}));

INSTANTIATE_TEST_SUITE_P(
    BackspaceAndDelete, FieldEdit,
    ::testing::Values(
        EditCase{Which::Old, "12-34-56", "{END}{BS}{BS}{BS}", "12-34-  ", 5, 0, true},
        EditCase{Which::Old, "12-34-56", "{HOME}{BS}", "12-34-56", 0, 0, false},
        EditCase{Which::Old, "12-34-56", "{HOME}{DEL}", " 2-34-56", 1, 0, true},
        EditCase{Which::Old, "12-34-56", "{RIGHT}{RIGHT}{DEL}", "12-34-56", 3, 0, true},
        EditCase{Which::Old, "12-34-56", "{END}{DEL}", "12-34-56", 8, 1, false},
        EditCase{Which::New, "412-34-56", "{END}{DEL}", "412-34-56", 9, 1, false},
        EditCase{Which::New, "412-34-56", "{HOME}{DEL}{DEL}{DEL}{DEL}{DEL}", "   - 4-56", 5, 0,
                 true},
        // With a selection both keys blank its input positions and keep literals.
        EditCase{Which::Old, "12-34-56", "{RIGHT}{S-END}{BS}", "1 -  -  ", 1, 0, true},
        EditCase{Which::Old, "12-34-56", "{END}{S-LEFT}{S-LEFT}{S-LEFT}{S-LEFT}{DEL}", "12-3 -  ",
                 4, 0, true},
        EditCase{Which::Old, "12-34-56", "{RIGHT}{RIGHT}{S-RIGHT}{BS}", "12-34-56", 2, 0, true}));

TEST_F(FieldTest, TabLineBreaksAndEscAreIgnoredSilently) {
  MakeFocused(Which::Old, "12-34-56");
  Play("{S-END}\t\n\r\x1B");
  EXPECT_EQ(field->FullText(), "12-34-56");
  EXPECT_TRUE(field->HasSelection());
  EXPECT_EQ(host.beeps, 0);
  EXPECT_FALSE(field->Modified());
}

TEST_F(FieldTest, ACharacterOutsideTheFontIsRefusedWithABeep) {
  host.metrics.first_char = 0x20;
  host.metrics.last_char = 0x7E;
  MakeFocused(Which::Old, "12-34-56");
  Play("{S-END}");
  for (const unsigned char c : {0x01, 0x1F, 0x7F, 0xC6}) field->Character(c);
  EXPECT_EQ(host.beeps, 4);
  EXPECT_EQ(field->FullText(), "12-34-56");
  EXPECT_TRUE(field->HasSelection()) << "a refused character leaves the selection";
  EXPECT_FALSE(field->Modified());
}

// A character typed at the dash after "12": a letter or digit goes on into the next input
// position, anything else counts as the dash. Cyrillic letters are letters only once the
// start-up locale settings are applied.
struct LiteralCase {
  bool settings_applied;
  std::string_view typed;
  std::string_view full;
  int caret;
};

void PrintTo(const LiteralCase& c, std::ostream* out) {
  *out << (c.settings_applied ? "after the settings: " : "defaults: ") << c.full;
}

class FieldLiteral : public FieldTest, public ::testing::WithParamInterface<LiteralCase> {};

TEST_P(FieldLiteral, TypedAtTheDash) {
  const LiteralCase& c = GetParam();
  if (c.settings_applied) app::ApplyStartupLocaleSettings(locale);
  MakeFocused(Which::Old);
  Play("12");
  Play(c.typed);
  EXPECT_EQ(field->FullText(), c.full);
  EXPECT_EQ(field->Caret(), c.caret);
  EXPECT_TRUE(field->Modified());
}

INSTANTIATE_TEST_SUITE_P(CharacterClasses, FieldLiteral,
                         ::testing::Values(LiteralCase{false, "Ж"_cp1251, "12-  -  ", 3},
                                           LiteralCase{false, "я"_cp1251, "12-  -  ", 3},
                                           LiteralCase{false, "z", "12-z -  ", 4},
                                           LiteralCase{false, "/", "12-  -  ", 3},
                                           LiteralCase{true, "Ж"_cp1251, "12-Ж -  "_cp1251, 4},
                                           LiteralCase{true, "я"_cp1251, "12-я -  "_cp1251, 4},
                                           LiteralCase{true, "Ё"_cp1251, "12-Ё -  "_cp1251, 4},
                                           LiteralCase{true, "z", "12-z -  ", 4},
                                           LiteralCase{true, "7", "12-7 -  ", 4},
                                           LiteralCase{true, "/", "12-  -  ", 3},
                                           LiteralCase{true, "-", "12-  -  ", 3}));

TEST_F(FieldTest, AnInputPositionHoldsAnyCharacter) {
  MakeFocused(Which::Old);
  Play("Ж/"_cp1251);
  Play("{RIGHT}-");
  EXPECT_EQ(field->FullText(), "Ж/-- -  "_cp1251);
}

// Copy and cut take the selected characters of the full text, literals and blanks included.
TEST_F(FieldTest, CopyAndCutTakeTheSelectedCharacters) {
  MakeFocused(Which::Old, "12-3");
  Play("{RIGHT}{S-END}{C-C}");
  EXPECT_EQ(host.clipboard, "2-3 -  ");
  EXPECT_FALSE(field->Modified());
  host.clipboard.emplace("x");
  Play("{HOME}{S-RIGHT}{S-RIGHT}{S-RIGHT}{C-INS}");
  EXPECT_EQ(host.clipboard, "12-");
  Play("{C-X}");
  EXPECT_EQ(field->FullText(), "  -3 -  ");
  EXPECT_EQ(field->Caret(), 0);
  EXPECT_TRUE(field->Modified());
  Play("{RIGHT}{RIGHT}{RIGHT}{S-RIGHT}{S-DEL}");
  EXPECT_EQ(host.clipboard, "3");
  EXPECT_EQ(field->FullText(), "  -  -  ");
}

TEST_F(FieldTest, CopyAndCutWithoutASelectionDoNothing) {
  MakeFocused(Which::Old, "12-34-56");
  Play("{RIGHT}{C-C}{C-INS}{C-X}{S-DEL}");
  EXPECT_FALSE(host.clipboard);
  EXPECT_EQ(field->FullText(), "12-34-56");
  EXPECT_FALSE(field->Modified());
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(FieldTest, CtrlWithAltIsNoCommand) {
  MakeFocused(Which::Old, "12-34-56");
  Play("{S-END}");
  EXPECT_FALSE(field->KeyDown(toolkit::Key::C, toolkit::kControl | toolkit::kAlt));
  EXPECT_FALSE(field->KeyDown(toolkit::Key::V, 0));
  EXPECT_FALSE(host.clipboard);
}

// Paste types the clipboard's first line at the caret as if it were typed.
struct PasteCase {
  const char* variable;
  const char* script;  // placing the caret or the selection
  std::optional<std::string> clipboard;
  const char* full;
  int caret;
  int beeps;
  bool modified;
};

class FieldPaste : public FieldTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(FieldPaste, TypesTheClipboardText) {
  const PasteCase& c = GetParam();
  for (const char* paste : {"{C-V}", "{S-INS}"}) {
    host = FakeHost{};
    host.metrics.last_char = 0xFE;  // 0xFF stands for a character the font lacks
    MakeFocused(Which::Old, c.variable);
    Play(c.script);
    host.clipboard = c.clipboard;
    Play(paste);
    EXPECT_EQ(field->FullText(), c.full) << paste;
    EXPECT_EQ(field->Caret(), c.caret) << paste;
    EXPECT_FALSE(field->HasSelection());
    EXPECT_EQ(host.beeps, c.beeps) << paste;
    EXPECT_EQ(field->Modified(), c.modified) << paste;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, FieldPaste,
    ::testing::Values(PasteCase{"", "", "123456", "12-34-56", 8, 0, true},
                      PasteCase{"", "", "12-34-56", "12-34-56", 8, 0, true},
                      PasteCase{"", "", "12 34.56\r\nsecond line", "12-34-56", 8, 0, true},
                      PasteCase{"", "", "12a", "12-a -  ", 4, 0, true},
                      PasteCase{"", "", "12\n34", "12-  -  ", 2, 0, true},
                      PasteCase{"", "",
                                "1\t2\xFF"
                                "3",
                                "12-3 -  ", 4, 0, true},
                      // Text left over when the template is full: one beep.
                      PasteCase{"", "", "1234567", "12-34-56", 8, 1, true},
                      PasteCase{"", "", "123456789", "12-34-56", 8, 1, true},
                      PasteCase{"12-34-56", "{END}", "1", "12-34-56", 8, 1, false},
                      // Nothing to paste changes nothing, not even the selection.
                      PasteCase{"12-34-56", "", std::nullopt, "12-34-56", 0, 0, false},
                      PasteCase{"12-34-56", "", "", "12-34-56", 0, 0, false},
                      PasteCase{"12-34-56", "", "\r\n12", "12-34-56", 0, 0, false},
                      // A selection is cleared first.
                      PasteCase{"12-34-56", "{S-END}", "9", "9 -  -  ", 1, 0, true},
                      PasteCase{"12-34-56", "{RIGHT}{RIGHT}{RIGHT}{S-RIGHT}{S-RIGHT}", "7",
                                "12-7 -56", 4, 0, true}));

TEST_F(FieldTest, CtrlZBringsBackTheVariableAndSelectsIt) {
  MakeFocused(Which::Old, "10-0");
  Play("99{END}{BS}");
  ASSERT_EQ(field->FullText(), "99-0 -  ");
  Play("{C-Z}");
  EXPECT_EQ(field->FullText(), "10-0 -  ");
  EXPECT_EQ(field->Anchor(), 0);
  EXPECT_EQ(field->Caret(), 8);
  EXPECT_FALSE(field->Modified());
  field->FocusLost();
  EXPECT_TRUE(host.posted.empty());
  EXPECT_EQ(variable->Stored(), "10-0      ") << "the field stores nothing of the undone edit";
  EXPECT_EQ(field->ShownText(), "10-0 ");
}

}  // namespace
}  // namespace window::testing
