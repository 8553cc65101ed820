// Icons that LoadImageA makes from our icon file and what becomes of broken files.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h names the system's resource lookup FindResource, a macro that would rename the
// toolkit's function of that name.
#undef FindResource

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "platform/system_icon.h"
#include "tests/platform/icon_fixture.h"
#include "tests/support/temp_config_home.h"
#include "toolkit/resources.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// The width and height of the icon's colour bitmap.
std::pair<int, int> IconSize(void* handle) {
  ICONINFO info{};
  if (!GetIconInfo(static_cast<HICON>(handle), &info)) return {0, 0};
  BITMAP bitmap{};
  GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, bitmap.bmHeight};
}

// Where the earliest image of an icon file starts.
std::size_t FirstImageOffset(std::span<const unsigned char> bytes) {
  const std::size_t count = bytes[4] | bytes[5] << 8;
  std::size_t first = bytes.size();
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = 6 + 16 * i + 12;
    first = std::min<std::size_t>(first, bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                             std::size_t(bytes[at + 3]) << 24);
  }
  return first;
}

class Win32SystemIcon : public ::testing::Test {
 protected:
  std::string Write(const char* name, std::span<const unsigned char> bytes) const {
    const fs::path path = home_.Root() / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }

  testing_support::TempConfigHome home_;
};

TEST_F(Win32SystemIcon, LoadsTheProgramsIconAtTheSizeAsked) {
  const std::span<const unsigned char> bytes = toolkit::FindResource("Emblem_multi.ico");
  ASSERT_FALSE(bytes.empty());
  const std::string path = Write("Emblem_multi.ico", bytes);
  for (const int size : {16, 32, 48}) {
    const auto icon = LoadSystemIcon(path, size);
    ASSERT_NE(icon, nullptr) << size;
    EXPECT_EQ(IconSize(icon->Handle()), std::make_pair(size, size));
  }
}

TEST_F(Win32SystemIcon, BrokenOrMissingFilesAreNoIcon) {
  const std::span<const unsigned char> bytes = toolkit::FindResource("Emblem_multi.ico");
  testing::ByteVector lying = testing::IconFile({testing::PatternDib(16, 16, 8)});
  testing::PutU32At(lying, 6 + 8, 1u << 30);  // the entry claims a gigabyte
  const struct {
    const char* what;
    std::string path;
  } cases[] = {
      {"cut inside every image", Write("short.ico", bytes.first(FirstImageOffset(bytes) + 8))},
      {"directory only", Write("head.ico", bytes.first(6 + 16))},
      {"empty", Write("empty.ico", {})},
      {"lying size", Write("lying.ico", lying)},
      {"not an icon",
       Write("text.ico", std::span(reinterpret_cast<const unsigned char*>("[Main]"), 6))},
      {"missing", (home_.Root() / "missing.ico").string()},
      {"a directory", home_.Root().string()},
      {"no name", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LoadSystemIcon(c.path, 32), nullptr) << c.what;
  }
  EXPECT_EQ(LoadSystemIcon(Write("good.ico", bytes), 0), nullptr) << "no size";
}

}  // namespace
}  // namespace platform
