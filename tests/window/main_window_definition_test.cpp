// The main window as the toolkit builds it from its definition: caption, size, icon, and what
// each control's font takes from the window font.
#include <gtest/gtest.h>

#include <ostream>

#include "tests/window/main_window_fixture.h"

namespace window::testing {
namespace {

using platform::operator""_cp1251;

TEST_F(MainWindowTest, TheWindowHasItsCaptionSizeAndIcon) {
  Open();
  const toolkit::NativeWindowSpec& wanted = backend.WindowSpec();
  EXPECT_EQ(wanted.caption, "7-значная нумерация"_cp1251);
  EXPECT_EQ(wanted.code_page, platform::CodePage::Windows1251);
  EXPECT_EQ(wanted.class_name, "renumera");
  // Headless base units are 8 x 16 pixels: 134 x 53 dialog units.
  EXPECT_EQ(wanted.client_size, (toolkit::Size{268, 106}));
  EXPECT_EQ(wanted.background, toolkit::kButtonFace);
  std::vector<int> sizes;
  for (const platform::IconImage& image : wanted.icons) sizes.push_back(image.width);
  EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 64}));
  // Both arrows are shown at the standard icon size.
  for (const int image : {kImage1_2, kImage1}) {
    EXPECT_EQ(window.ControlAt(image)->Bounds().width, 32);
    EXPECT_EQ(window.ControlAt(image)->Bounds().height, 32);
  }
}

struct ControlFont {
  int number;
  toolkit::FontSpec font;
  toolkit::Color color;
};

void PrintTo(const ControlFont& control, std::ostream* out) {
  *out << MainWindowDefinition.controls[control.number - 1].name;
}

constexpr toolkit::Color kBlack{0, 0, 0};

// The face and size come from the window font but for the copyright notice; the character
// set too, but for ?OLDNUM and the notice, which are Western.
const ControlFont kControlFonts[] = {
    {kString1, {"Arial", 14, 700, 204}, kLabelRed},
    {kOldNum, {"Arial", 14, 700, 0}, kLabelRed},
    {kOkButton, {"Arial", 14, 700, 204}, kButtonMaroon},
    {kString2, {"Arial", 14, 700, 204}, kLabelBlue},
    {kNewNum, {"Arial", 14, 700, 204}, kLabelBlue},
    {kString3, {"Tahoma", 7, 400, 0}, kBlack},
};

class MainWindowFonts : public MainWindowTest, public ::testing::WithParamInterface<ControlFont> {};

TEST_P(MainWindowFonts, TakeWhatTheyDoNotChangeFromTheWindowFont) {
  Open();
  const toolkit::Control& control = *window.ControlAt(GetParam().number);
  EXPECT_EQ(backend.FontSpecOf(control.Font()), GetParam().font);
  EXPECT_EQ(control.TextColor(), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(Controls, MainWindowFonts, ::testing::ValuesIn(kControlFonts),
                         [](const auto& info) {
                           return std::string(
                               MainWindowDefinition.controls[info.param.number - 1].name.substr(1));
                         });

TEST_F(MainWindowTest, TheLabelsShowTheirRussianTexts) {
  Run();
  EXPECT_EQ(Shown(kString1), "СТАРЫЙ НОМЕР:"_cp1251);
  EXPECT_EQ(Shown(kOkButton), "Новый номер"_cp1251);
  EXPECT_EQ(Shown(kString2), "НОВЫЙ НОМЕР:"_cp1251);
}

}  // namespace
}  // namespace window::testing
