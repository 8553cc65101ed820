#include "toolkit/win32/icon_handles.h"

#include <cstdint>
#include <cstring>

namespace toolkit::win32 {
namespace {

// The largest icon the system draws (a PNG-era 256 px image); the icon file reader and the
// X11 backend stop at the same size.
constexpr int kLargestIcon = 256;

}  // namespace

HICON IconHandleOf(const platform::IconImage& image) {
  const int width = image.width;
  const int height = image.height;
  if (width <= 0 || height <= 0 || width > kLargestIcon || height > kLargestIcon ||
      image.argb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return nullptr;
  }
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = width;
  header.bV5Height = -height;  // top-down, like the image's rows
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP color = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                   &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (color == nullptr || bits == nullptr) {
    if (color != nullptr) DeleteObject(color);
    return nullptr;
  }
  // 0xAARRGGBB in memory on a little-endian machine is B, G, R, A: the DIB's own order.
  std::memcpy(bits, image.argb.data(), image.argb.size() * sizeof(uint32_t));

  // Monochrome bitmap rows are padded to 16 bits; a set bit is transparent.
  const int stride = (width + 15) / 16 * 2;
  std::vector<unsigned char> mask_bits(static_cast<std::size_t>(stride) * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if ((image.argb[y * width + x] >> 24) < 0x80) {
        mask_bits[y * stride + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
      }
    }
  }
  HBITMAP mask = CreateBitmap(width, height, 1, 1, mask_bits.data());
  HICON icon = nullptr;
  if (mask != nullptr) {
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = color;
    icon = CreateIconIndirect(&info);
    DeleteObject(mask);
  }
  DeleteObject(color);
  return icon;
}

HICON BestIconHandle(const std::vector<platform::IconImage>& images, int size) {
  const platform::IconImage* best = platform::BestIcon(images, size);
  return best != nullptr ? IconHandleOf(*best) : nullptr;
}

}  // namespace toolkit::win32
