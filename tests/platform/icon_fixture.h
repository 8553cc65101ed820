// Builds icon files byte by byte for the reader's tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace platform::testing {

using ByteVector = std::vector<unsigned char>;

inline void PutU16(ByteVector& out, uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back(value >> 8 & 0xFF);
}

inline void PutU32(ByteVector& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

inline void PutU32At(ByteVector& out, std::size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = value >> (8 * i) & 0xFF;
}

inline void Append(ByteVector& out, const ByteVector& more) {
  out.insert(out.end(), more.begin(), more.end());
}

// A BITMAPINFOHEADER of an icon image: its height field counts the colour bitmap and the mask.
inline ByteVector InfoHeader(int width, int height, int bit_count, uint32_t colours_used = 0,
                             uint32_t header_size = 40) {
  ByteVector out;
  PutU32(out, header_size);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(2 * height));
  PutU16(out, 1);  // planes
  PutU16(out, static_cast<uint32_t>(bit_count));
  PutU32(out, 0);  // BI_RGB
  PutU32(out, 0);  // image size, may be 0 for BI_RGB
  PutU32(out, 0);  // horizontal resolution
  PutU32(out, 0);  // vertical resolution
  PutU32(out, colours_used);
  PutU32(out, 0);  // important colours
  out.resize(header_size, 0);
  return out;
}

inline ByteVector Dib(const ByteVector& header, std::initializer_list<ByteVector> parts) {
  ByteVector out = header;
  for (const ByteVector& part : parts) Append(out, part);
  return out;
}

// An icon file holding `images` (each a DIB or a PNG) in this order after the directory.
// The directory's size fields are filled in from each DIB's header, as a writer would.
inline ByteVector IconFile(const std::vector<ByteVector>& images) {
  ByteVector out;
  PutU16(out, 0);
  PutU16(out, 1);
  PutU16(out, static_cast<uint32_t>(images.size()));
  std::size_t offset = 6 + 16 * images.size();
  for (const ByteVector& image : images) {
    const bool dib = image.size() >= 40 && image[0] == 40;
    const unsigned width = dib ? image[4] : 0;
    const unsigned height = dib ? image[8] / 2 : 0;
    out.push_back(width & 0xFF);
    out.push_back(height & 0xFF);
    out.push_back(0);  // colour count
    out.push_back(0);  // reserved
    PutU16(out, 1);    // planes
    PutU16(out, dib ? image[14] : 32);
    PutU32(out, static_cast<uint32_t>(image.size()));
    PutU32(out, static_cast<uint32_t>(offset));
    offset += image.size();
  }
  for (const ByteVector& image : images) Append(out, image);
  return out;
}

// A complete DIB of the given size and depth with arbitrary but fixed contents: a full colour
// table, patterned pixels and a patterned mask.
inline ByteVector PatternDib(int width, int height, int bit_count) {
  ByteVector out = InfoHeader(width, height, bit_count);
  if (bit_count <= 8) {
    for (int i = 0; i < (1 << bit_count); ++i) {
      for (int c = 0; c < 4; ++c) out.push_back((i * 29 + c * 71) & 0xFF);
    }
  }
  const std::size_t colour_stride = (static_cast<std::size_t>(width) * bit_count + 31) / 32 * 4;
  const std::size_t mask_stride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
  for (std::size_t i = 0; i < colour_stride * height; ++i) out.push_back((i * 37 + 11) & 0xFF);
  for (std::size_t i = 0; i < mask_stride * height; ++i) out.push_back(i % 3 == 0 ? 0xF0 : 0x00);
  return out;
}

inline const ByteVector kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

}  // namespace platform::testing
