#include "platform/icon_file.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>

namespace platform {
namespace {

// ICONDIR is 6 bytes, each ICONDIRENTRY 16, BITMAPINFOHEADER 40; all little-endian.
constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr uint16_t kTypeIcon = 1;
constexpr uint32_t kCompressionNone = 0;  // BI_RGB

// Icon images are at most 256 pixels a side. The budget bounds the memory and time a hostile
// directory can cost: thousands of entries may all point at the same large image.
constexpr int kMaxSide = 256;
constexpr std::size_t kMaxDecodedPixels = 16 * kMaxSide * kMaxSide;

constexpr std::array<unsigned char, 8> kPngSignature = {0x89, 'P',  'N',  'G',
                                                        0x0D, 0x0A, 0x1A, 0x0A};

using Bytes = std::span<const unsigned char>;

// Callers check that the bytes read lie inside `bytes`.
uint16_t ReadU16(Bytes bytes, std::size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t ReadU32(Bytes bytes, std::size_t at) {
  return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
         static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

int32_t ReadS32(Bytes bytes, std::size_t at) {
  return static_cast<int32_t>(ReadU32(bytes, at));
}

uint32_t Argb(unsigned alpha, unsigned red, unsigned green, unsigned blue) {
  return alpha << 24 | red << 16 | green << 8 | blue;
}

// Rows of a DIB are padded to a multiple of four bytes.
std::size_t RowStride(int width, int bit_count) {
  return (static_cast<std::size_t>(width) * bit_count + 31) / 32 * 4;
}

bool IsPng(Bytes data) {
  return data.size() >= kPngSignature.size() &&
         std::equal(kPngSignature.begin(), kPngSignature.end(), data.begin());
}

// The layout of one DIB entry: a BITMAPINFOHEADER (or a later, longer version of it), the
// colour table, the colour (XOR) bitmap and the 1-bit AND mask, both stored bottom-up. Its
// height field counts both bitmaps, so it is twice the icon's height.
struct DibLayout {
  int width = 0;
  int height = 0;
  int bit_count = 0;
  std::size_t colours = 0;  // entries in the colour table
  std::size_t table_at = 0;
  std::size_t colour_at = 0;
  std::size_t mask_at = 0;
};

std::optional<DibLayout> ReadDibLayout(Bytes dib) {
  if (dib.size() < kInfoHeaderSize) return std::nullopt;
  const uint32_t header_size = ReadU32(dib, 0);
  const int32_t width = ReadS32(dib, 4);
  const int32_t double_height = ReadS32(dib, 8);
  const uint16_t bit_count = ReadU16(dib, 14);
  const uint32_t compression = ReadU32(dib, 16);
  const uint32_t colours_used = ReadU32(dib, 32);

  if (header_size < kInfoHeaderSize || header_size > dib.size()) return std::nullopt;
  if (compression != kCompressionNone) return std::nullopt;
  if (width < 1 || width > kMaxSide) return std::nullopt;
  if (double_height < 2 || double_height > 2 * kMaxSide) return std::nullopt;
  if (bit_count != 1 && bit_count != 4 && bit_count != 8 && bit_count != 24 && bit_count != 32) {
    return std::nullopt;
  }
  // A palettised image has 2^bits colours unless the header names fewer; a true-colour image
  // may still carry an (unused) table of up to 256 colours before its pixels.
  const std::size_t palette_limit = bit_count <= 8 ? std::size_t{1} << bit_count : 256;
  if (colours_used > palette_limit) return std::nullopt;

  DibLayout layout;
  layout.width = width;
  layout.height = double_height / 2;
  layout.bit_count = bit_count;
  layout.colours = colours_used != 0 || bit_count > 8 ? colours_used : palette_limit;
  layout.table_at = header_size;
  layout.colour_at = layout.table_at + 4 * layout.colours;
  layout.mask_at = layout.colour_at + RowStride(width, bit_count) * layout.height;
  const std::size_t end = layout.mask_at + RowStride(width, 1) * layout.height;
  if (end > dib.size()) return std::nullopt;
  return layout;
}

// The colour of pixel `x` of a stored row, opaque.
uint32_t PixelColour(Bytes dib, const DibLayout& layout, std::size_t row_at, int x) {
  const auto at = [&](std::size_t i) { return dib[row_at + i]; };
  switch (layout.bit_count) {
    case 24: {
      const std::size_t i = 3 * static_cast<std::size_t>(x);
      return Argb(0xFF, at(i + 2), at(i + 1), at(i));
    }
    case 32: {
      const std::size_t i = 4 * static_cast<std::size_t>(x);
      return Argb(at(i + 3), at(i + 2), at(i + 1), at(i));
    }
    default: {
      const std::size_t bit = static_cast<std::size_t>(x) * layout.bit_count;
      const unsigned shift = 8 - layout.bit_count - bit % 8;
      const std::size_t index = at(bit / 8) >> shift & ((1u << layout.bit_count) - 1);
      // An index past a shortened colour table has no colour; it shows as black.
      if (index >= layout.colours) return Argb(0xFF, 0, 0, 0);
      const std::size_t entry = layout.table_at + 4 * index;  // RGBQUAD: blue, green, red, 0
      return Argb(0xFF, dib[entry + 2], dib[entry + 1], dib[entry]);
    }
  }
}

std::optional<IconImage> DecodeDib(Bytes dib) {
  const std::optional<DibLayout> layout = ReadDibLayout(dib);
  if (!layout) return std::nullopt;
  const int width = layout->width;
  const int height = layout->height;
  const std::size_t colour_stride = RowStride(width, layout->bit_count);
  const std::size_t mask_stride = RowStride(width, 1);

  IconImage image;
  image.width = width;
  image.height = height;
  image.bit_count = layout->bit_count;
  image.argb.resize(static_cast<std::size_t>(width) * height);
  bool any_alpha = false;
  for (int y = 0; y < height; ++y) {
    const auto stored_row = static_cast<std::size_t>(height - 1 - y);
    const std::size_t row_at = layout->colour_at + stored_row * colour_stride;
    for (int x = 0; x < width; ++x) {
      const uint32_t pixel = PixelColour(dib, *layout, row_at, x);
      any_alpha = any_alpha || (pixel >> 24) != 0;
      image.argb[static_cast<std::size_t>(y) * width + x] = pixel;
    }
  }
  // A 32-bit image carries its own transparency, unless every alpha byte is zero: such images
  // were written for systems without alpha and rely on the AND mask like the other depths.
  if (layout->bit_count == 32 && any_alpha) return image;

  for (int y = 0; y < height; ++y) {
    const auto stored_row = static_cast<std::size_t>(height - 1 - y);
    const std::size_t row_at = layout->mask_at + stored_row * mask_stride;
    for (int x = 0; x < width; ++x) {
      uint32_t& pixel = image.argb[static_cast<std::size_t>(y) * width + x];
      const bool transparent = (dib[row_at + x / 8] >> (7 - x % 8) & 1) != 0;
      // A masked pixel's colour would invert the screen on Windows; ARGB cannot express that,
      // so it is simply transparent.
      pixel = transparent ? 0 : pixel | 0xFF000000;
    }
  }
  return image;
}

}  // namespace

std::optional<std::vector<IconImage>> ReadIconFile(std::span<const unsigned char> bytes) {
  if (bytes.size() < kDirectorySize) return std::nullopt;
  const uint16_t reserved = ReadU16(bytes, 0);
  const uint16_t type = ReadU16(bytes, 2);
  const uint16_t count = ReadU16(bytes, 4);
  if (reserved != 0 || type != kTypeIcon || count == 0) return std::nullopt;
  if (kDirectorySize + kEntrySize * count > bytes.size()) return std::nullopt;

  // The width, height and depth in the directory are only hints; each image's own header is
  // what gets decoded, as the system's icon loader does.
  std::vector<IconImage> images;
  std::size_t pixels = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kDirectorySize + kEntrySize * i;
    const std::size_t size = ReadU32(bytes, entry + 8);
    const std::size_t offset = ReadU32(bytes, entry + 12);
    if (offset > bytes.size() || size > bytes.size() - offset) continue;
    const Bytes data = bytes.subspan(offset, size);
    if (IsPng(data)) continue;
    std::optional<IconImage> image = DecodeDib(data);
    if (!image) continue;
    pixels += image->argb.size();
    if (pixels > kMaxDecodedPixels) break;
    images.push_back(std::move(*image));
  }
  if (images.empty()) return std::nullopt;
  return images;
}

std::optional<std::vector<IconImage>> LoadIconFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  // Read in pieces and stop one byte past the cap, so that neither a huge file nor an endless
  // stream (a device or a pipe) is read whole.
  std::vector<unsigned char> bytes;
  std::array<char, 64 * 1024> chunk;
  while (bytes.size() <= kMaxIconFileSize && file) {
    file.read(chunk.data(), chunk.size());
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + file.gcount());
  }
  if (file.bad() || bytes.size() > kMaxIconFileSize) return std::nullopt;
  return ReadIconFile(bytes);
}

const IconImage* BestIcon(const std::vector<IconImage>& images, int size) {
  const IconImage* best = nullptr;
  long best_distance = 0;
  for (const IconImage& image : images) {
    const long distance =
        std::labs(long{image.width} - size) + std::labs(long{image.height} - size);
    if (best == nullptr || distance < best_distance ||
        (distance == best_distance && image.bit_count > best->bit_count)) {
      best = &image;
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace platform
