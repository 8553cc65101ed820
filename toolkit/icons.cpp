#include "toolkit/icons.h"

#include "toolkit/resources.h"
#include "toolkit/settings.h"

namespace toolkit {
namespace {

constexpr uint32_t kTransparent = 0x00000000;
constexpr uint32_t kFrame = 0xFF000000;
constexpr uint32_t kTitle = 0xFF0A246A;
constexpr uint32_t kClient = 0xFFFFFFFF;
constexpr uint32_t kFace = 0xFFD4D0C8;

// A window with a dark frame, a blue title bar and a white client area holding one grey
// line, scaled to the size.
platform::IconImage DrawWindowIcon(int size) {
  platform::IconImage image{size, size, 32, std::vector<uint32_t>(size * size, kTransparent)};
  const int margin = size / 16;
  const int title = size / 4;
  for (int y = margin; y < size - margin; ++y) {
    for (int x = 0; x < size; ++x) {
      uint32_t pixel = kClient;
      if (y == margin || y == size - margin - 1 || x == 0 || x == size - 1)
        pixel = kFrame;
      else if (y <= margin + title)
        pixel = kTitle;
      else if (y == size / 2 + size / 8 && x > size / 8 && x < size - size / 8)
        pixel = kFace;
      image.argb[y * size + x] = pixel;
    }
  }
  return image;
}

}  // namespace

std::optional<std::vector<platform::IconImage>> IconResource(std::string_view name) {
  const auto bytes = FindResource(name);
  if (bytes.empty()) return std::nullopt;
  auto images = platform::ReadIconFile(bytes);
  if (!images || images->empty()) return std::nullopt;
  return images;
}

std::optional<platform::IconImage> IconResourceImage(std::string_view name, int size) {
  const auto images = IconResource(name);
  if (!images) return std::nullopt;
  return *platform::BestIcon(*images, size);
}

std::vector<platform::IconImage> WindowIconImages(std::string_view name) {
  if (!name.empty()) {
    if (auto own = IconResource(name)) return std::move(*own);
  }
  if (!Settings().DefaultApplicationIcon().empty()) return Settings().DefaultApplicationIcon();
  return BuiltInDefaultIcon();
}

const std::vector<platform::IconImage>& BuiltInDefaultIcon() {
  static const std::vector<platform::IconImage> icon{DrawWindowIcon(16), DrawWindowIcon(32)};
  return icon;
}

}  // namespace toolkit
