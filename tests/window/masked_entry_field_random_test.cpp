// Random input never breaks what the field guarantees: a full text of the template's length
// with its literals in place, carets within it, and a variable that keeps its capacity.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/window/field_fixture.h"

namespace window::testing {
namespace {

constexpr toolkit::Key kKeys[] = {
    toolkit::Key::Backspace, toolkit::Key::Delete, toolkit::Key::Insert, toolkit::Key::Home,
    toolkit::Key::End,       toolkit::Key::Left,   toolkit::Key::Right,  toolkit::Key::Up,
    toolkit::Key::Down,      toolkit::Key::C,      toolkit::Key::V,      toolkit::Key::X,
    toolkit::Key::Z,         toolkit::Key::Other};
constexpr toolkit::FocusCause kCauses[] = {
    toolkit::FocusCause::Tab,        toolkit::FocusCause::ShiftTab,
    toolkit::FocusCause::Click,      toolkit::FocusCause::Program,
    toolkit::FocusCause::Activation, toolkit::FocusCause::DefaultButton};
// Digits, letters, separators, the dash itself, Cyrillic, control characters and a byte
// beyond the font.
constexpr unsigned char kCharacters[] = {'0', '5',  '9',  'a',  'Z',  '-',  ' ',  '.', '/',
                                         '(', 0xC6, 0xE6, 0x01, '\t', '\r', 0x1B, 0xFF};
const char* const kClipboards[] = {"", "1", "12-34-56", "987654321", "a\r\nb", "\xC6-\x01 7"};

class FieldRandomInput : public FieldTest, public ::testing::WithParamInterface<Which> {};

TEST_P(FieldRandomInput, KeepsTheInvariants) {
  const Which which = GetParam();
  const std::size_t length = which == Which::Old ? 8 : 9;
  const std::string literals = which == Which::Old ? "  -  -  " : "   -  -  ";
  host.metrics.last_char = 0xFE;
  std::mt19937 random(20240611);
  const auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  const auto point = [&] {
    return toolkit::Point{static_cast<int>(pick(160)) + 80, kTextOrigin.y + 4};
  };
  Make(which);
  field->FocusReceived(toolkit::FocusCause::Tab, {});

  for (int step = 0; step < 5000; ++step) {
    const auto modifiers = static_cast<uint8_t>(pick(8));
    switch (pick(10)) {
      case 0:
      case 1:
      case 2:
        field->Character(kCharacters[pick(std::size(kCharacters))]);
        break;
      case 3:
      case 4:
        if (!field->KeyDown(kKeys[pick(std::size(kKeys))], modifiers)) field->Character('7');
        break;
      case 5:
        host.clipboard = kClipboards[pick(std::size(kClipboards))];
        field->KeyDown(toolkit::Key::V, toolkit::kControl);
        break;
      case 6: {
        const toolkit::Point at = point();
        switch (pick(4)) {
          case 0:
            field->MouseDown(at, modifiers);
            break;
          case 1:
            field->MouseMove(at, modifiers);
            break;
          case 2:
            field->MouseUp(at, modifiers);
            break;
          default:
            field->DoubleClick(at, modifiers);
            break;
        }
        break;
      }
      case 7:
        if (field->HasFocus()) {
          field->FocusLost();
        } else {
          field->FocusReceived(kCauses[pick(std::size(kCauses))], point());
        }
        break;
      case 8:
        if (pick(2) == 0) {
          field->SelectAll();
        } else {
          field->StoreIfModified();
        }
        break;
      default:
        field->Refresh();
        break;
    }

    const std::string full = field->FullText();
    ASSERT_EQ(full.size(), length) << "step " << step;
    for (std::size_t i = 0; i < length; ++i) {
      if (literals[i] == '-') {
        ASSERT_EQ(full[i], '-') << "step " << step;
      }
    }
    ASSERT_GE(field->Caret(), 0);
    ASSERT_LE(field->Caret(), static_cast<int>(length));
    ASSERT_GE(field->Anchor(), 0);
    ASSERT_LE(field->Anchor(), static_cast<int>(length));
    ASSERT_EQ(variable->Capacity(), length + 2);
    ASSERT_EQ(full.rfind(field->ShownText(), 0), 0u) << "the shown text starts the full text";
    if (!field->HasFocus()) {
      ASSERT_FALSE(field->HasSelection());
    }
    if (step % 50 == 0) Painted();
    if (!field->Modified()) {
      KeyInTemplate loaded = field->Template();
      loaded.LoadText(variable->Stored());
      ASSERT_EQ(loaded.FullText(), full) << "an unmodified field shows its variable, step " << step;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothFields, FieldRandomInput, ::testing::Values(Which::Old, Which::New));

}  // namespace
}  // namespace window::testing
