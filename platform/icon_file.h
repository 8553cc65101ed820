// Icon files (.ico): the directory and its images, decoded to ARGB pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

struct IconImage {
  int width = 0;
  int height = 0;
  int bit_count = 0;           // colour depth of the entry it was decoded from
  std::vector<uint32_t> argb;  // width * height pixels, row-major from the top-left, 0xAARRGGBB
};

// Every entry of an icon file that decodes, in the order of the file's directory; nothing when
// the file is not a well-formed icon file or none of its entries decodes, so a result is never
// an empty list. Entries stored as PNG are passed over. Never reads outside `bytes`.
std::optional<std::vector<IconImage>> ReadIconFile(std::span<const unsigned char> bytes);

// The largest icon file LoadIconFile reads.
inline constexpr std::size_t kMaxIconFileSize = 4 * 1024 * 1024;

// ReadIconFile over the contents of the file at `path`; nothing when it cannot be read or is
// larger than kMaxIconFileSize.
std::optional<std::vector<IconImage>> LoadIconFile(const std::string& path);

// The entry closest to `size` x `size` (smallest |w - size| + |h - size|, then the deepest
// colour); nullptr for an empty list.
const IconImage* BestIcon(const std::vector<IconImage>& images, int size);

}  // namespace platform
