// Icon files (.ico): the directory and its images, decoded to ARGB pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

struct IconImage {
  int width = 0;
  int height = 0;
  int bit_count = 0;             // colour depth of the entry it was decoded from
  std::vector<uint32_t> argb;    // width * height pixels, row-major from the top-left, 0xAARRGGBB
};

// Every entry of an icon file that decodes; nothing when the file is not a well-formed icon
// file. Never reads outside `bytes`.
std::optional<std::vector<IconImage>> ReadIconFile(std::span<const unsigned char> bytes);

// The entry closest to `size` x `size` (smallest |w - size| + |h - size|, then the deepest
// colour); nullptr for an empty list.
const IconImage* BestIcon(const std::vector<IconImage>& images, int size);

}  // namespace platform
