// The icons built into the program: present, decodable at every size and depth they promise,
// and drawn as described.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "platform/icon_file.h"
#include "toolkit/resources.h"

namespace {

using platform::IconImage;

std::vector<IconImage> BuiltIn(const char* name) {
  const auto images = platform::ReadIconFile(toolkit::FindResource(name));
  if (!images) ADD_FAILURE() << name << " is missing or does not decode";
  return images.value_or(std::vector<IconImage>{});
}

uint32_t Pixel(const IconImage& image, int x, int y) {
  return image.argb[y * image.width + x];
}

using Formats = std::set<std::pair<int, int>>;  // size, bit count

Formats FormatsOf(const std::vector<IconImage>& images) {
  Formats formats;
  for (const IconImage& image : images) {
    EXPECT_EQ(image.width, image.height);
    formats.insert({image.width, image.bit_count});
  }
  return formats;
}

TEST(IconAssets, ProgramIconHasEverySizeInThirtyTwoBits) {
  const auto images = BuiltIn("Emblem_multi.ico");
  EXPECT_EQ(FormatsOf(images), (Formats{{16, 32}, {32, 32}, {48, 32}, {64, 32}}));
  for (const IconImage& image : images) {
    const int n = image.width;
    EXPECT_EQ(Pixel(image, 0, 0) >> 24, 0u) << n << ": the corners show the background";
    EXPECT_EQ(Pixel(image, n / 2, n / 2) >> 24, 0xFFu) << n << ": the dial is opaque";
  }
}

TEST(IconAssets, ArrowHasEverySizeInEightAndThirtyTwoBits) {
  const auto images = BuiltIn("down.ico");
  EXPECT_EQ(FormatsOf(images),
            (Formats{{16, 8}, {16, 32}, {24, 8}, {24, 32}, {32, 8}, {32, 32}, {48, 8}, {48, 32}}));
  for (const IconImage& image : images) {
    const int n = image.width;
    EXPECT_EQ(Pixel(image, 0, n - 1) >> 24, 0u) << n << ": beside the tip is transparent";
    // The middle of the shaft, below the outline: yellow-orange.
    const uint32_t shaft = Pixel(image, n / 2, n / 2);
    EXPECT_EQ(shaft >> 24, 0xFFu) << n;
    EXPECT_GE(shaft >> 16 & 0xFF, 0xE0u) << n << ": red";
    EXPECT_GE(shaft >> 8 & 0xFF, 0x80u) << n << ": green";
    EXPECT_LE(shaft & 0xFF, 0x60u) << n << ": blue";
  }
}

// The palettised image of a size shows exactly where the 32-bit one is at least half opaque.
TEST(IconAssets, ArrowDepthsAgreeOnTheShape) {
  const auto images = BuiltIn("down.ico");
  for (int size : {16, 24, 32, 48}) {
    const IconImage* palettised = nullptr;
    const IconImage* true_colour = nullptr;
    for (const IconImage& image : images) {
      if (image.width != size) continue;
      (image.bit_count == 8 ? palettised : true_colour) = &image;
    }
    ASSERT_TRUE(palettised && true_colour) << size;
    for (std::size_t i = 0; i < palettised->argb.size(); ++i) {
      ASSERT_EQ(palettised->argb[i] >> 24 == 0xFF, true_colour->argb[i] >> 24 >= 0x80)
          << size << " pixel " << i;
    }
  }
}

TEST(IconAssets, UnknownNameFindsNothing) {
  EXPECT_TRUE(toolkit::FindResource("missing.ico").empty());
  EXPECT_TRUE(toolkit::FindResource("").empty());
}

}  // namespace
