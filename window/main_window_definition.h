// The main window as data: its caption, size, font, icon and background, and its eight
// controls in creation and tab order. Texts are Windows-1251, but for the copyright notice,
// whose font is Western (Windows-1252); an entry field's content is its key-in template.
#pragma once

#include "platform/cp1251_literal.h"
#include "toolkit/system_colors.h"
#include "toolkit/window_definition.h"

namespace window {

// The controls by number, as events, posting and selecting name them.
enum MainControl : int {
  kString1 = 1,   // ?STRING1, the old number's label
  kOldNum = 2,    // ?OLDNUM
  kImage1_2 = 3,  // ?IMAGE1:2, the arrow on the left of the button
  kOkButton = 4,  // ?OKBUTTON
  kImage1 = 5,    // ?IMAGE1, the arrow on the right of the button
  kString2 = 6,   // ?STRING2, the new number's label
  kNewNum = 7,    // ?NEWNUM
  kString3 = 8,   // ?STRING3, the copyright notice
};

using platform::operator""_cp1251;

// What the controls' fonts change from the window font.
inline constexpr toolkit::Color kLabelRed{255, 0, 0};
inline constexpr toolkit::Color kButtonMaroon{128, 0, 0};
inline constexpr toolkit::Color kLabelBlue{0, 0, 255};
inline constexpr int kBoldWeight = 700;
inline constexpr int kWesternCharset = 0;

inline constexpr toolkit::ControlDefinition kMainControls[] = {
    {.number = kString1,
     .kind = toolkit::ControlKind::StaticText,
     .name = "?STRING1",
     .at = {6, 4},
     .content = "СТАРЫЙ НОМЕР:"_cp1251,
     .font = {.weight = kBoldWeight, .color = kLabelRed}},
    {.number = kOldNum,
     .kind = toolkit::ControlKind::EntryField,
     .name = "?OLDNUM",
     .at = {78, 3},
     .size = toolkit::Size{49, 10},
     .content = "K??|-??|-??K",
     .font = {.weight = kBoldWeight, .charset = kWesternCharset, .color = kLabelRed}},
    {.number = kImage1_2,
     .kind = toolkit::ControlKind::Image,
     .name = "?IMAGE1:2",
     .at = {12, 19},
     .content = "down.ico"},
    {.number = kOkButton,
     .kind = toolkit::ControlKind::PushButton,
     .name = "?OKBUTTON",
     .at = {32, 17},
     .size = toolkit::Size{71, 14},
     .content = "Новый номер"_cp1251,
     .font = {.weight = kBoldWeight, .color = kButtonMaroon},
     .default_button = true,
     .flat = true},
    {.number = kImage1,
     .kind = toolkit::ControlKind::Image,
     .name = "?IMAGE1",
     .at = {110, 19},
     .content = "down.ico"},
    {.number = kString2,
     .kind = toolkit::ControlKind::StaticText,
     .name = "?STRING2",
     .at = {7, 37},
     .content = "НОВЫЙ НОМЕР:"_cp1251,
     .font = {.weight = kBoldWeight, .color = kLabelBlue}},
    {.number = kNewNum,
     .kind = toolkit::ControlKind::EntryField,
     .name = "?NEWNUM",
     .at = {78, 36},
     .size = toolkit::Size{49, 10},
     .content = "K???|-??|-??K",
     .font = {.weight = kBoldWeight, .color = kLabelBlue}},
    // 0xA9 is the copyright sign in Windows-1252, the code page of this Western font.
    {.number = kString3,
     .kind = toolkit::ControlKind::StaticText,
     .name = "?STRING3",
     .at = {82, 49},
     .content = "\xA9 2026 Renumera",
     .font = {.face = "Tahoma", .points = 7, .charset = kWesternCharset}},
};

inline constexpr toolkit::WindowDefinition MainWindowDefinition{
    .caption = "7-значная нумерация"_cp1251,
    .class_name = "renumera",
    .client_size = {134, 53},
    .font = {.face = "Arial", .points = 14, .weight = 400, .charset = 204},
    .icon = "Emblem_multi.ico",
    .background = toolkit::kButtonFace,
    .controls = kMainControls,
};

}  // namespace window
