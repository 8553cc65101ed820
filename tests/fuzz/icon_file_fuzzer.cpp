// The icon reader on any bytes. Every image it returns must come from a directory entry that
// lies inside the file and whose own header claims that image's width, height and depth, in the
// order of the directory; and reading is the same every time.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "platform/icon_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using fuzz::Require;
using platform::IconImage;

struct Claim {
  int width;
  int height;
  int bit_count;
};

std::uint32_t U32(std::span<const unsigned char> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// What each directory entry that lies inside the file claims in its bitmap header: the width,
// half the stored height (colour and mask bitmaps together) and the depth.
std::vector<Claim> ClaimsOf(std::span<const unsigned char> bytes) {
  std::vector<Claim> claims;
  if (bytes.size() < 6) return claims;
  const std::size_t count = bytes[4] | bytes[5] << 8;
  for (std::size_t i = 0; i < count && 6 + 16 * (i + 1) <= bytes.size(); ++i) {
    const std::size_t entry = 6 + 16 * i;
    const std::uint64_t size = U32(bytes, entry + 8);
    const std::uint64_t offset = U32(bytes, entry + 12);
    if (offset + size > bytes.size() || size < 40) continue;
    const auto dib = bytes.subspan(offset, size);
    claims.push_back({static_cast<std::int32_t>(U32(dib, 4)),
                      static_cast<std::int32_t>(U32(dib, 8)) / 2, dib[14] | dib[15] << 8});
  }
  return claims;
}

bool Same(const IconImage& a, const IconImage& b) {
  return a.width == b.width && a.height == b.height && a.bit_count == b.bit_count &&
         a.argb == b.argb;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly the input's size, so that a read past its end is caught.
  const auto copy = std::make_unique<unsigned char[]>(size);
  if (size != 0) std::memcpy(copy.get(), data, size);
  const std::span<const unsigned char> bytes(copy.get(), size);

  const auto images = platform::ReadIconFile(bytes);
  if (!images) return 0;
  Require(!images->empty(), "a file that is read has images");

  const std::vector<Claim> claims = ClaimsOf(bytes);
  std::size_t next_claim = 0;
  for (const IconImage& image : *images) {
    Require(image.width >= 1 && image.width <= 256 && image.height >= 1 && image.height <= 256,
            "an image is 1 to 256 pixels a side");
    Require(image.argb.size() == static_cast<std::size_t>(image.width) * image.height,
            "an image has as many pixels as its size says");
    while (next_claim < claims.size() &&
           !(claims[next_claim].width == image.width && claims[next_claim].height == image.height &&
             claims[next_claim].bit_count == image.bit_count)) {
      ++next_claim;
    }
    Require(next_claim < claims.size(),
            "every image is one that an entry inside the file claims, in directory order");
    ++next_claim;
  }

  const auto again = platform::ReadIconFile(bytes);
  Require(again && again->size() == images->size(), "reading twice gives the same images");
  for (std::size_t i = 0; i < images->size(); ++i) {
    Require(Same((*again)[i], (*images)[i]), "reading twice gives the same pixels");
  }
  const IconImage* best = platform::BestIcon(*images, 32);
  Require(best != nullptr, "a list of images has a best one");
  return 0;
}
