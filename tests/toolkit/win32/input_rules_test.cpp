// Keyboard input of the Win32 backend: virtual keys as the toolkit's keys, and the UTF-16 of
// WM_CHAR as text in the window's code page through the system's own conversion.
#include "toolkit/win32/input_rules.h"

#include <gtest/gtest.h>

#include "toolkit/win32/wide_text.h"
#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {
namespace {

using platform::CodePage;

TEST(Win32KeysTest, DialogEditingAndShortcutKeysAreNamedOthersAreOther) {
  const struct {
    unsigned virtual_key;
    Key key;
  } cases[] = {
      {VK_TAB, Key::Tab},
      {VK_RETURN, Key::Enter},
      {VK_ESCAPE, Key::Escape},
      {VK_BACK, Key::Backspace},
      {VK_DELETE, Key::Delete},
      {VK_HOME, Key::Home},
      {VK_LEFT, Key::Left},
      {VK_SPACE, Key::Space},
      {VK_F4, Key::F4},
      {'A', Key::A},
      {'C', Key::C},
      {'V', Key::V},
      {'X', Key::X},
      {'Z', Key::Z},
      {'B', Key::Other},
      {'1', Key::Other},
      {VK_F5, Key::Other},
      {VK_SHIFT, Key::Other},
      {VK_NUMPAD4, Key::Other},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KeyOfVirtualKey(c.virtual_key), c.key) << "virtual key " << c.virtual_key;
  }
}

struct TypedCase {
  const wchar_t* units;
  uint8_t modifiers;
  CodePage page;
  const char* text;  // in the code page
  bool refused;
};

class Win32TypedTextTest : public testing::TestWithParam<TypedCase> {};

TEST_P(Win32TypedTextTest, GivesTheCodePagesBytes) {
  const TypedCase& c = GetParam();
  bool refused = !c.refused;
  EXPECT_EQ(TypedText(c.units, c.modifiers, c.page, &refused), c.text);
  EXPECT_EQ(refused, c.refused);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Win32TypedTextTest,
    testing::Values(
        TypedCase{L"1a", 0, CodePage::Windows1251, "1a", false},
        // Ё ж № in Windows-1251, whatever the system's ANSI code page is.
        TypedCase{L"\x0401\x0436\x2116", kShift, CodePage::Windows1251, "\xA8\xE6\xB9", false},
        // No best fit: é is not turned into e, and the rest still arrives.
        TypedCase{L"a\x00E9"
                  L"b",
                  0, CodePage::Windows1251, "ab", true},
        TypedCase{L"\x00E9", 0, CodePage::Windows1252, "\xE9", false},
        TypedCase{L"\x20AC", 0, CodePage::Windows1251, "\x88", false},
        // A character outside the Basic Multilingual Plane, as its surrogate pair.
        TypedCase{L"\xD83D\xDE00"
                  L"7",
                  0, CodePage::Windows1251, "7", true},
        // An unpaired half cannot be any character.
        TypedCase{L"\xDC00", 0, CodePage::Windows1251, "", true},
        // Tab, Enter, Esc, Backspace and Ctrl+letters come as control characters.
        TypedCase{L"\t\r\x1B\x08\x01\x7F\x85", 0, CodePage::Windows1251, "", false},
        // Ctrl or Alt alone make a shortcut; both together are AltGr, which types.
        TypedCase{L"c", kControl, CodePage::Windows1251, "", false},
        TypedCase{L"c", kAlt, CodePage::Windows1251, "", false},
        TypedCase{L"\x20AC", kControl | kAlt, CodePage::Windows1252, "\x80", false},
        // A question mark is a character of its own, not the sign of a failed conversion.
        TypedCase{L"?", 0, CodePage::Windows1251, "?", false}));

TEST(Win32WideTextTest, ConvertsWithTheNamedCodePageNotTheSystems) {
  EXPECT_EQ(WideOf(CodePage::Windows1251, "\xD1\xF2\xE0\xF0\xFB\xE9"), L"Старый");
  EXPECT_EQ(WideOf(CodePage::Windows1252, "\xA9"), L"\x00A9");
  EXPECT_EQ(WideOf(CodePage::Windows1251, ""), L"");
  EXPECT_EQ(Utf8OfWide(WideOfUtf8("12-34-56 Тест")), "12-34-56 Тест");
  // A lone surrogate from another program's clipboard still gives valid UTF-8.
  EXPECT_EQ(Utf8OfWide(L"a\xD800"
                       L"b"),
            "a\xEF\xBF\xBD"
            "b");
}

}  // namespace
}  // namespace toolkit::win32
