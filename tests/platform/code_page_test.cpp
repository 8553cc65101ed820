#include "platform/code_page.h"

#include <gtest/gtest.h>

#include "platform/cp1251_literal.h"

namespace platform {
namespace {

using namespace std::string_view_literals;

TEST(CodePage, EveryByteRoundTripsThroughUnicode) {
  for (CodePage page : {CodePage::Windows1251, CodePage::Windows1252, CodePage::Oem866}) {
    for (int b = 0; b < 256; ++b) {
      const auto byte = static_cast<unsigned char>(b);
      EXPECT_EQ(FromUnicode(page, ToUnicode(page, byte)), byte) << int(page) << " " << b;
    }
  }
}

TEST(CodePage, KnownCharacters) {
  EXPECT_EQ(ToUnicode(CodePage::Windows1251, 0xA8), U'Ё');
  EXPECT_EQ(ToUnicode(CodePage::Windows1251, 0xB9), U'№');
  EXPECT_EQ(ToUnicode(CodePage::Windows1251, 0xC0), U'А');
  EXPECT_EQ(ToUnicode(CodePage::Windows1251, 0xFF), U'я');
  EXPECT_EQ(ToUnicode(CodePage::Windows1251, 0x98), U'\u0098');
  EXPECT_EQ(ToUnicode(CodePage::Windows1252, 0x80), U'€');
  EXPECT_EQ(ToUnicode(CodePage::Windows1252, 0xE6), U'æ');
  EXPECT_EQ(ToUnicode(CodePage::Oem866, 0x80), U'А');
  EXPECT_EQ(ToUnicode(CodePage::Oem866, 0xF0), U'Ё');
  EXPECT_EQ(CodePageOfCharset(204), CodePage::Windows1251);
  EXPECT_EQ(CodePageOfCharset(0), CodePage::Windows1252);
}

TEST(CodePage, Utf8ConversionDropsWhatThePageCannotHold) {
  EXPECT_EQ(ToUtf8(CodePage::Windows1251, "\xCD\xEE\xEC\xE5\xF0 1"), "Номер 1");
  bool dropped = true;
  EXPECT_EQ(FromUtf8(CodePage::Windows1251, "Номер 1", &dropped), "\xCD\xEE\xEC\xE5\xF0 1");
  EXPECT_FALSE(dropped);
  EXPECT_EQ(FromUtf8(CodePage::Windows1251, "a\u00E9b\U0001F600c", &dropped), "abc");
  EXPECT_TRUE(dropped);
  // Malformed UTF-8: a lone continuation byte, a truncated sequence, an overlong form.
  EXPECT_EQ(FromUtf8(CodePage::Windows1252, "x\x80y\xD0", &dropped), "xy");
  EXPECT_TRUE(dropped);
  EXPECT_EQ(FromUtf8(CodePage::Windows1252, "\xC0\xAFz", &dropped), "z");
}

TEST(CodePage, RecodeBetweenOemAndAnsi) {
  EXPECT_EQ(Recode(CodePage::Oem866, CodePage::Windows1251, "\x80\xA0\xF0\xB0"),
            "\xC0\xE0\xA8?");
}

TEST(CodePage, CompileTimeLiteral) {
  EXPECT_EQ("СТАРЫЙ НОМЕР:"_cp1251, "\xD1\xD2\xC0\xD0\xDB\xC9 \xCD\xCE\xCC\xC5\xD0:"sv);
  EXPECT_EQ("Ёё№-7"_cp1251, "\xA8\xB8\xB9-7"sv);
  EXPECT_EQ(""_cp1251, ""sv);
}

}  // namespace
}  // namespace platform
