// The icon reader against damaged and hostile files. Each input lives in a buffer of exactly its
// own size, so the sanitizer build catches any read past its end.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>

#include "platform/icon_file.h"
#include "tests/platform/icon_fixture.h"

namespace platform {
namespace {

using testing::ByteVector;
using testing::IconFile;
using testing::PatternDib;
using testing::PutU16;
using testing::PutU32At;

bool operator==(const IconImage& a, const IconImage& b) {
  return a.width == b.width && a.height == b.height && a.bit_count == b.bit_count &&
         a.argb == b.argb;
}

std::optional<std::vector<IconImage>> ReadExactly(const ByteVector& bytes) {
  const auto copy = std::make_unique<unsigned char[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), copy.get());
  return ReadIconFile({copy.get(), bytes.size()});
}

void ExpectWellFormed(const std::vector<IconImage>& images) {
  EXPECT_FALSE(images.empty());
  for (const IconImage& image : images) {
    EXPECT_GE(image.width, 1);
    EXPECT_LE(image.width, 256);
    EXPECT_GE(image.height, 1);
    EXPECT_LE(image.height, 256);
    EXPECT_EQ(image.argb.size(), static_cast<std::size_t>(image.width) * image.height);
  }
}

ByteVector EveryDepth() {
  return IconFile({PatternDib(16, 16, 1), PatternDib(16, 16, 4), PatternDib(24, 24, 8),
                   PatternDib(32, 32, 24), PatternDib(32, 32, 32)});
}

// A file cut short keeps exactly the entries that lie wholly inside what is left, unchanged.
TEST(IconFileFuzz, EveryTruncationKeepsTheWholeEntriesOnly) {
  const ByteVector full = EveryDepth();
  const auto expected = ReadIconFile(full);
  ASSERT_TRUE(expected.has_value());
  ASSERT_EQ(expected->size(), 5u);
  for (std::size_t length = 0; length <= full.size(); ++length) {
    const auto images = ReadExactly(ByteVector(full.begin(), full.begin() + length));
    if (!images) continue;
    ASSERT_LE(images->size(), expected->size());
    for (std::size_t i = 0; i < images->size(); ++i) {
      ASSERT_TRUE((*images)[i] == (*expected)[i]) << "length " << length << " image " << i;
    }
  }
  EXPECT_EQ(ReadExactly(full)->size(), 5u);
}

TEST(IconFileFuzz, RandomCorruptionStaysInBounds) {
  const ByteVector original = EveryDepth();
  // Most damage goes to the directory and the first image header, where it changes the layout.
  const std::size_t structure = 6 + 16 * 5 + 40;
  std::mt19937 random(1251);
  for (int round = 0; round < 4000; ++round) {
    ByteVector bytes = original;
    const int changes = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < changes; ++i) {
      const std::size_t limit = random() % 4 == 0 ? bytes.size() : structure;
      bytes[random() % limit] = static_cast<unsigned char>(random());
    }
    if (random() % 4 == 0) bytes.resize(random() % bytes.size());
    if (const auto images = ReadExactly(bytes)) ExpectWellFormed(*images);
  }
}

// Offsets of fields in a file of two entries: the directory, then the first image's header.
constexpr std::size_t kFirstEntry = 6;
constexpr std::size_t kFirstDib = 6 + 2 * 16;

struct LyingCase {
  const char* name;
  std::function<void(ByteVector&)> damage;
  std::vector<int> widths;  // of the images that still decode; none when the file is refused
};

const LyingCase kLyingCases[] = {
    {"ReservedNotZero", [](ByteVector& b) { b[0] = 1; }, {}},
    {"CursorType", [](ByteVector& b) { b[2] = 2; }, {}},
    {"NoType", [](ByteVector& b) { b[2] = 0; }, {}},
    {"CountZero", [](ByteVector& b) { b[4] = 0; }, {}},
    {"CountPastTheFile",
     [](ByteVector& b) {
       b[4] = 0xFF;
       b[5] = 0xFF;
     },
     {}},
    {"CountOne", [](ByteVector& b) { b[4] = 1; }, {16}},
    {"OffsetPastTheEnd", [](ByteVector& b) { PutU32At(b, kFirstEntry + 12, b.size() + 1); }, {32}},
    {"OffsetAndSizeOverflow",
     [](ByteVector& b) {
       PutU32At(b, kFirstEntry + 8, 0xFFFFFFFF);
       PutU32At(b, kFirstEntry + 12, 0xFFFFFFFF);
     },
     {32}},
    {"SizePastTheEnd", [](ByteVector& b) { PutU32At(b, kFirstEntry + 8, b.size()); }, {32}},
    {"SizeZero", [](ByteVector& b) { PutU32At(b, kFirstEntry + 8, 0); }, {32}},
    {"SizeOneShort",
     [](ByteVector& b) { PutU32At(b, kFirstEntry + 8, PatternDib(16, 16, 8).size() - 1); },
     {32}},
    {"BothAtOneImage",
     [](ByteVector& b) { PutU32At(b, kFirstEntry + 16 + 12, kFirstDib); },
     {16, 16}},
    {"HeaderSizeHuge", [](ByteVector& b) { PutU32At(b, kFirstDib, 0xFFFFFFFF); }, {32}},
    {"HeaderSizeTooSmall", [](ByteVector& b) { PutU32At(b, kFirstDib, 39); }, {32}},
    {"WidthZero", [](ByteVector& b) { PutU32At(b, kFirstDib + 4, 0); }, {32}},
    {"WidthNegative", [](ByteVector& b) { PutU32At(b, kFirstDib + 4, -16); }, {32}},
    {"WidthHuge", [](ByteVector& b) { PutU32At(b, kFirstDib + 4, 0x7FFFFFFF); }, {32}},
    {"HeightTopDown", [](ByteVector& b) { PutU32At(b, kFirstDib + 8, -32); }, {32}},
    {"HeightOne", [](ByteVector& b) { PutU32At(b, kFirstDib + 8, 1); }, {32}},
    {"HeightHuge", [](ByteVector& b) { PutU32At(b, kFirstDib + 8, 0x7FFFFFFF); }, {32}},
    {"SixteenBits", [](ByteVector& b) { b[kFirstDib + 14] = 16; }, {32}},
    {"ZeroBits", [](ByteVector& b) { b[kFirstDib + 14] = 0; }, {32}},
    {"TwoBits", [](ByteVector& b) { b[kFirstDib + 14] = 2; }, {32}},
    {"RunLengthEncoded", [](ByteVector& b) { b[kFirstDib + 16] = 1; }, {32}},
    {"BitFields", [](ByteVector& b) { b[kFirstDib + 16] = 3; }, {32}},
    {"ColoursUsedHuge", [](ByteVector& b) { PutU32At(b, kFirstDib + 32, 0xFFFFFFFF); }, {32}},
    {"ColoursUsedPastTheDepth", [](ByteVector& b) { PutU32At(b, kFirstDib + 32, 257); }, {32}},
    // Fewer colours than the depth allows is legal: the pixels then start earlier.
    {"ColoursUsedFewer", [](ByteVector& b) { PutU32At(b, kFirstDib + 32, 16); }, {16, 32}},
    {"EightBitsAsFour", [](ByteVector& b) { b[kFirstDib + 14] = 4; }, {16, 32}},
};

void PrintTo(const LyingCase& c, std::ostream* os) {
  *os << c.name;
}

class IconFileLying : public ::testing::TestWithParam<LyingCase> {};

TEST_P(IconFileLying, RefusesWhatDoesNotFit) {
  ByteVector bytes = IconFile({PatternDib(16, 16, 8), PatternDib(32, 32, 32)});
  GetParam().damage(bytes);
  const auto images = ReadExactly(bytes);
  if (GetParam().widths.empty()) {
    EXPECT_FALSE(images.has_value());
    return;
  }
  ASSERT_TRUE(images.has_value());
  ExpectWellFormed(*images);
  std::vector<int> widths;
  for (const IconImage& image : *images) widths.push_back(image.width);
  EXPECT_EQ(widths, GetParam().widths);
}

INSTANTIATE_TEST_SUITE_P(IconFileFuzz, IconFileLying, ::testing::ValuesIn(kLyingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Sixty-five thousand entries that all name one 256 x 256 image must not cost sixty-five
// thousand decoded copies of it.
TEST(IconFileFuzz, EntriesSharingOneImageAreBounded) {
  const ByteVector image = PatternDib(256, 256, 32);
  const std::size_t count = 0xFFFF;
  ByteVector bytes;
  PutU16(bytes, 0);
  PutU16(bytes, 1);
  PutU16(bytes, count);
  const std::size_t offset = 6 + 16 * count;
  for (std::size_t i = 0; i < count; ++i) {
    const ByteVector entry = {0, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    bytes.insert(bytes.end(), entry.begin(), entry.end());
    PutU32At(bytes, bytes.size() - 8, image.size());
    PutU32At(bytes, bytes.size() - 4, offset);
  }
  bytes.insert(bytes.end(), image.begin(), image.end());
  const auto images = ReadExactly(bytes);
  ASSERT_TRUE(images.has_value());
  EXPECT_GE(images->size(), 1u);
  EXPECT_LE(images->size(), 16u);
}

}  // namespace
}  // namespace platform
