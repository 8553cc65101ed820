// The GDI objects the Win32 backend makes of the toolkit's data: fonts at the system's DPI and
// icons from decoded images, malformed images included.
#include <gtest/gtest.h>

#include "toolkit/win32/fonts.h"
#include "toolkit/win32/icon_handles.h"

namespace toolkit::win32 {
namespace {

TEST(Win32FontTest, HeightOfPointsIsTheEmHeightAtTheDpi) {
  EXPECT_EQ(FontHeightOfPoints(8, 96), -11);
  EXPECT_EQ(FontHeightOfPoints(14, 96), -19);
  EXPECT_EQ(FontHeightOfPoints(14, 144), -28);
  EXPECT_EQ(FontHeightOfPoints(14, 192), -37);
}

TEST(Win32FontTest, MeasuresCyrillicTextInItsOwnCodePage) {
  FontTable fonts;
  const FontHandle cyrillic = fonts.Create({"Arial", 14, 700, 204});
  const FontHandle western = fonts.Create({"Arial", 14, 700, 0});
  ASSERT_NE(cyrillic, 0);
  ASSERT_NE(western, 0);
  const FontMetrics metrics = fonts.Metrics(cyrillic);
  EXPECT_GT(metrics.height, 0);
  EXPECT_EQ(metrics.height, metrics.ascent + metrics.descent);
  EXPECT_LE(metrics.first_char, 0x20);
  EXPECT_EQ(metrics.last_char, 0xFF);
  // 0xC6 is Ж in Windows-1251 and Æ in Windows-1252: both wide, neither the missing glyph.
  EXPECT_GT(fonts.TextWidth(cyrillic, "\xC6"), fonts.TextWidth(cyrillic, "i"));
  EXPECT_GT(fonts.TextWidth(western, "\xC6"), fonts.TextWidth(western, "i"));
  EXPECT_EQ(fonts.TextWidth(cyrillic, ""), 0);
  EXPECT_EQ(fonts.TextWidth(12345, "abc"), 0);  // no such font
  fonts.Destroy(cyrillic);
  EXPECT_EQ(fonts.Find(cyrillic), nullptr);
}

TEST(Win32IconTest, MakesAnIconOfAWellFormedImageOnly) {
  platform::IconImage image{16, 16, 32, std::vector<uint32_t>(16 * 16, 0xFFFF8000)};
  HICON icon = IconHandleOf(image);
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP color{};
  ASSERT_TRUE(GetObjectW(info.hbmColor, sizeof color, &color));
  EXPECT_EQ(color.bmWidth, 16);
  EXPECT_EQ(color.bmHeight, 16);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);

  const platform::IconImage malformed[] = {
      {0, 0, 32, {}},
      {16, 16, 32, std::vector<uint32_t>(15)},  // fewer pixels than its size
      {-4, 4, 32, std::vector<uint32_t>(16)},
      {512, 512, 32, std::vector<uint32_t>(512 * 512)},
  };
  for (const platform::IconImage& bad : malformed) {
    EXPECT_EQ(IconHandleOf(bad), nullptr) << bad.width << " x " << bad.height;
  }
  EXPECT_EQ(BestIconHandle({}, 32), nullptr);
}

}  // namespace
}  // namespace toolkit::win32
