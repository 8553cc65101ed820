#include "platform/icon_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/platform/icon_fixture.h"

namespace platform {
namespace {

using testing::ByteVector;
using testing::Dib;
using testing::IconFile;
using testing::InfoHeader;
using testing::PatternDib;

// Every fixture is 3 x 2 pixels, A B C over D E F, so that every depth has padded rows. The
// mask makes C and D transparent; rows are stored bottom-up.
const ByteVector kMask = {0x80, 0, 0, 0, 0x20, 0, 0, 0};

ByteVector Palette(std::initializer_list<std::pair<int, uint32_t>> entries, int size) {
  ByteVector out(4 * size, 0);
  for (auto [index, rgb] : entries) {
    out[4 * index] = rgb & 0xFF;
    out[4 * index + 1] = rgb >> 8 & 0xFF;
    out[4 * index + 2] = rgb >> 16 & 0xFF;
  }
  return out;
}

struct DepthCase {
  const char* name;
  ByteVector dib;
  int bit_count;
  std::vector<uint32_t> argb;
};

const DepthCase kDepthCases[] = {
    {"OneBit",
     Dib(InfoHeader(3, 2, 1),
         {Palette({{0, 0xFF0000}, {1, 0x0000FF}}, 2), {0x60, 0, 0, 0, 0xA0, 0, 0, 0}, kMask}),
     1,
     {0xFF0000FF, 0xFFFF0000, 0, 0, 0xFF0000FF, 0xFF0000FF}},
    // A shortened colour table of three entries; index 7 lies past it and shows black.
    {"FourBitShortTable",
     Dib(InfoHeader(3, 2, 4, 3), {Palette({{0, 0x008000}, {1, 0x302010}, {2, 0xFFFFFF}}, 3),
                                  {0x07, 0x10, 0, 0, 0x21, 0x00, 0, 0},
                                  kMask}),
     4,
     {0xFFFFFFFF, 0xFF302010, 0, 0, 0xFF000000, 0xFF302010}},
    {"EightBit",
     Dib(InfoHeader(3, 2, 8), {Palette({{0x41, 0x332211}, {0xFE, 0xEFCDAB}, {0xFF, 0x030201}}, 256),
                               {0x41, 0x00, 0x41, 0, 0xFE, 0xFF, 0x41, 0},
                               kMask}),
     8,
     {0xFFEFCDAB, 0xFF030201, 0, 0, 0xFF000000, 0xFF332211}},
    {"TwentyFourBit",
     Dib(InfoHeader(3, 2, 24), {{0x03, 0x02, 0x01, 0x80, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0, 0,
                                 0x30, 0x20, 0x10, 0x60, 0x50, 0x40, 0x90, 0x80, 0x70, 0, 0, 0},
                                kMask}),
     24,
     {0xFF102030, 0xFF405060, 0, 0, 0xFFFF0080, 0xFF00FF00}},
    // With alpha the mask plays no part: C shows, and D keeps its colour at alpha 0.
    {"ThirtyTwoBitAlpha",
     Dib(InfoHeader(3, 2, 32),
         {{0x03, 0x02, 0x01, 0x00, 0x80, 0x00, 0xFF, 0x01, 0x00, 0xFF, 0x00, 0xFF,
           0x30, 0x20, 0x10, 0x80, 0x60, 0x50, 0x40, 0xFF, 0x90, 0x80, 0x70, 0xFF},
          kMask}),
     32,
     {0x80102030, 0xFF405060, 0xFF708090, 0x00010203, 0x01FF0080, 0xFF00FF00}},
    // Every alpha byte zero: the image is opaque where the mask says so.
    {"ThirtyTwoBitWithoutAlpha",
     Dib(InfoHeader(3, 2, 32), {{0x03, 0x02, 0x01, 0, 0x80, 0x00, 0xFF, 0, 0x00, 0xFF, 0x00, 0,
                                 0x30, 0x20, 0x10, 0, 0x60, 0x50, 0x40, 0, 0x90, 0x80, 0x70, 0},
                                kMask}),
     32,
     {0xFF102030, 0xFF405060, 0, 0, 0xFFFF0080, 0xFF00FF00}},
    // A longer (version 5) header moves the colour table back.
    {"LongHeader",
     Dib(InfoHeader(3, 2, 1, 0, 124),
         {Palette({{0, 0xFF0000}, {1, 0x0000FF}}, 2), {0x60, 0, 0, 0, 0xA0, 0, 0, 0}, kMask}),
     1,
     {0xFF0000FF, 0xFFFF0000, 0, 0, 0xFF0000FF, 0xFF0000FF}},
};

void PrintTo(const DepthCase& c, std::ostream* os) {
  *os << c.name;
}

class IconDepth : public ::testing::TestWithParam<DepthCase> {};

TEST_P(IconDepth, DecodesExactPixelsAndMask) {
  const DepthCase& c = GetParam();
  const auto images = ReadIconFile(IconFile({c.dib}));
  ASSERT_TRUE(images.has_value());
  ASSERT_EQ(images->size(), 1u);
  const IconImage& image = images->front();
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.bit_count, c.bit_count);
  EXPECT_EQ(image.argb, c.argb);
}

INSTANTIATE_TEST_SUITE_P(IconFile, IconDepth, ::testing::ValuesIn(kDepthCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IconFile, KeepsTheDirectoryOrderAndPassesOverPng) {
  ByteVector png = testing::kPngSignature;
  png.resize(64, 0);
  const auto images = ReadIconFile(
      IconFile({PatternDib(16, 16, 8), png, PatternDib(32, 32, 32), PatternDib(48, 48, 4)}));
  ASSERT_TRUE(images.has_value());
  ASSERT_EQ(images->size(), 3u);
  EXPECT_EQ((*images)[0].width, 16);
  EXPECT_EQ((*images)[1].width, 32);
  EXPECT_EQ((*images)[1].bit_count, 32);
  EXPECT_EQ((*images)[2].height, 48);
  EXPECT_EQ((*images)[2].argb.size(), 48u * 48u);

  EXPECT_FALSE(ReadIconFile(IconFile({png})).has_value()) << "nothing decodes";
}

TEST(IconFile, LargestSideIsTwoHundredFiftySix) {
  const auto images = ReadIconFile(IconFile({PatternDib(256, 256, 1)}));
  ASSERT_TRUE(images.has_value());
  EXPECT_EQ(images->front().width, 256);
  EXPECT_FALSE(ReadIconFile(IconFile({PatternDib(257, 16, 1)})).has_value());
  EXPECT_FALSE(ReadIconFile(IconFile({PatternDib(16, 257, 1)})).has_value());
}

IconImage Sized(int width, int height, int bit_count) {
  return {width, height, bit_count, std::vector<uint32_t>(width * height)};
}

TEST(BestIcon, NearestSizeThenDeepestColourThenFirst) {
  const std::vector<IconImage> images = {Sized(16, 16, 8), Sized(16, 16, 32), Sized(32, 32, 32),
                                         Sized(48, 48, 8), Sized(64, 32, 32)};
  struct Case {
    int size;
    int expected_index;
  };
  const Case cases[] = {
      {16, 1},             // exact size, deeper of two
      {0, 1},              // nothing smaller: the smallest, deepest
      {20, 1}, {24, 1},    // 16 and 32 tie; both 32-bit, so the first
      {40, 2},             // 32 and 48 tie; 32 is deeper
      {48, 3}, {1000, 4},  // 64 x 32 is as far from 1000 as 48 x 48, and deeper
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BestIcon(images, c.size), &images[c.expected_index]) << "size " << c.size;
  }
  EXPECT_EQ(BestIcon({}, 32), nullptr);
}

class LoadIconFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::path(::testing::TempDir()) /
           ("renumera_icons_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Write(const std::string& name, const ByteVector& bytes) {
    const std::filesystem::path path = dir_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }

  std::filesystem::path dir_;
};

TEST_F(LoadIconFileTest, ReadsAFile) {
  const auto images =
      LoadIconFile(Write("a.ico", IconFile({PatternDib(16, 16, 4), PatternDib(32, 32, 32)})));
  ASSERT_TRUE(images.has_value());
  EXPECT_EQ(images->size(), 2u);
}

TEST_F(LoadIconFileTest, RefusesWhatIsNoIconFile) {
  EXPECT_FALSE(LoadIconFile((dir_ / "missing.ico").string()).has_value());
  EXPECT_FALSE(LoadIconFile(dir_.string()).has_value()) << "a directory";
  EXPECT_FALSE(LoadIconFile(Write("empty.ico", {})).has_value());
  EXPECT_FALSE(LoadIconFile("").has_value());
}

TEST_F(LoadIconFileTest, RefusesAFileOverTheCap) {
  ByteVector bytes = IconFile({PatternDib(16, 16, 8)});
  bytes.resize(kMaxIconFileSize, 0);
  EXPECT_TRUE(LoadIconFile(Write("at_cap.ico", bytes)).has_value());
  bytes.push_back(0);
  EXPECT_FALSE(LoadIconFile(Write("over_cap.ico", bytes)).has_value());
}

}  // namespace
}  // namespace platform
