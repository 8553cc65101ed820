// GoogleTest comes before the X headers, whose None macro it would not survive.
// clang-format off
#include <gtest/gtest.h>
#include "toolkit/x11/input_rules.h"
// clang-format on

namespace toolkit::x11 {
namespace {

struct KeyCase {
  KeySym keysym;
  KeySym first_group;
  Key expected;
};

class KeyOfKeysymTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyOfKeysymTest, MapsTheKey) {
  EXPECT_EQ(KeyOfKeysym(GetParam().keysym, GetParam().first_group), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyOfKeysymTest,
    testing::Values(
        KeyCase{XK_Tab, XK_Tab, Key::Tab},
        // Shift+Tab arrives as ISO_Left_Tab.
        KeyCase{XK_ISO_Left_Tab, XK_Tab, Key::Tab}, KeyCase{XK_Return, XK_Return, Key::Enter},
        KeyCase{XK_KP_Enter, XK_KP_Enter, Key::Enter}, KeyCase{XK_Escape, XK_Escape, Key::Escape},
        KeyCase{XK_BackSpace, XK_BackSpace, Key::Backspace},
        KeyCase{XK_KP_Delete, XK_KP_Delete, Key::Delete},
        KeyCase{XK_KP_Home, XK_KP_Home, Key::Home}, KeyCase{XK_KP_End, XK_KP_End, Key::End},
        KeyCase{XK_KP_Left, XK_KP_Left, Key::Left}, KeyCase{XK_Right, XK_Right, Key::Right},
        KeyCase{XK_KP_Insert, XK_KP_Insert, Key::Insert}, KeyCase{XK_space, XK_space, Key::Space},
        KeyCase{XK_F4, XK_F4, Key::F4},
        // With NumLock on the keypad types digits; it is no navigation key then.
        KeyCase{XK_KP_4, XK_KP_Left, Key::Other}, KeyCase{XK_KP_Decimal, XK_KP_Delete, Key::Other},
        // Letters go by the first group: Ctrl+С in a Russian layout is Ctrl+C.
        KeyCase{XK_Cyrillic_es, XK_c, Key::C}, KeyCase{XK_Cyrillic_em, XK_v, Key::V},
        KeyCase{XK_A, XK_a, Key::A}, KeyCase{XK_x, XK_x, Key::X}, KeyCase{XK_Z, XK_z, Key::Z},
        KeyCase{XK_b, XK_b, Key::Other},
        // A spare keycode remapped to a Cyrillic keysym (input simulators) is no letter key.
        KeyCase{0x1000440, 0x1000440, Key::Other}));

TEST(ModifiersOfState, TakesShiftControlAndAltOnly) {
  EXPECT_EQ(ModifiersOfState(ShiftMask | ControlMask | Mod1Mask), kShift | kControl | kAlt);
  // Caps Lock and Num Lock are no modifiers of a key.
  EXPECT_EQ(ModifiersOfState(LockMask | Mod2Mask), 0);
  EXPECT_EQ(ModifiersOfState(ControlMask | Mod2Mask), kControl);
}

TEST(TypedCharacters, KeepsPrintableTextAndDropsControlsAndShortcuts) {
  EXPECT_EQ(TypedCharacters("a\xD0\x9F", 0), "a\xD0\x9F");
  EXPECT_EQ(TypedCharacters("A", kShift), "A");
  EXPECT_EQ(TypedCharacters("\r", 0), "");
  EXPECT_EQ(TypedCharacters("\x08", 0), "");
  EXPECT_EQ(TypedCharacters("\x7F", 0), "");
  EXPECT_EQ(TypedCharacters("\xC2\x98x", 0), "x");        // a C1 control
  EXPECT_EQ(TypedCharacters("\xC2\xA0", 0), "\xC2\xA0");  // no-break space is text
  EXPECT_EQ(TypedCharacters("\x03", kControl), "");
  EXPECT_EQ(TypedCharacters("1", kControl), "");
  EXPECT_EQ(TypedCharacters("f", kAlt), "");
}

TEST(TextWithoutInputMethod, UsesTheKeysymsCharacterElseAsciiLookup) {
  EXPECT_EQ(TextWithoutInputMethod(XK_a, "a"), "a");
  EXPECT_EQ(TextWithoutInputMethod(XK_eacute, "\xE9"), "\xC3\xA9");
  EXPECT_EQ(TextWithoutInputMethod(0x1000440, ""), "\xD1\x80");  // р
  EXPECT_EQ(TextWithoutInputMethod(0x101F600, ""), "\xF0\x9F\x98\x80");
  EXPECT_EQ(TextWithoutInputMethod(XK_KP_1, "1"), "1");
  // Latin-1 bytes the lookup gave for a keysym of no known character are not UTF-8.
  EXPECT_EQ(TextWithoutInputMethod(XK_Cyrillic_pe, "\xF0"), "");
}

struct ClickStep {
  int button;
  Point at;
  unsigned long time_ms;
  bool double_click;
};

void ExpectClicks(std::initializer_list<ClickStep> steps) {
  DoubleClickTracker tracker;
  int index = 0;
  for (const ClickStep& step : steps) {
    EXPECT_EQ(tracker.Press(step.button, step.at, step.time_ms), step.double_click)
        << "press " << index;
    ++index;
  }
}

TEST(DoubleClickTracker, PairsPressesCloseInTimeAndPlace) {
  ExpectClicks({{1, {10, 10}, 1000, false}, {1, {11, 12}, 1500, true}});
  ExpectClicks({{1, {10, 10}, 1000, false}, {1, {10, 10}, 1501, false}});
  ExpectClicks({{1, {10, 10}, 1000, false}, {1, {13, 10}, 1100, false}});
  ExpectClicks({{1, {10, 10}, 1000, false}, {3, {10, 10}, 1100, false}});
}

TEST(DoubleClickTracker, AThirdPressStartsAfresh) {
  ExpectClicks({{1, {5, 5}, 100, false},
                {1, {5, 5}, 200, true},
                {1, {5, 5}, 300, false},
                {1, {5, 5}, 400, true}});
}

TEST(DoubleClickTracker, SurvivesTheServerClockWrapping) {
  ExpectClicks({{1, {5, 5}, 0xFFFFFF00ul, false}, {1, {5, 5}, 0x50ul, true}});
}

}  // namespace
}  // namespace toolkit::x11
