#include "toolkit/x11/painter.h"

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

namespace toolkit::x11 {
namespace {

XRenderColor RenderColor(Color color) {
  return {static_cast<unsigned short>(color.r * 257), static_cast<unsigned short>(color.g * 257),
          static_cast<unsigned short>(color.b * 257), 0xFFFF};
}

// X coordinates and sizes are 16-bit on the wire.
constexpr int kMaxCoordinate = 32767;
// Longer texts cannot show anything more in a window of at most kMaxCoordinate pixels.
constexpr std::size_t kMaxDrawnBytes = 32767;
// Icons larger than this are not what a window shows; refusing them bounds the upload.
constexpr int kMaxIconSide = 1024;

uint32_t Premultiplied(uint32_t argb) {
  const uint32_t alpha = argb >> 24;
  auto channel = [&](int shift) { return (((argb >> shift) & 0xFF) * alpha + 127) / 255; };
  return (alpha << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

}  // namespace

Painter::Painter(Connection& connection, const FontTable& fonts)
    : connection_(connection), fonts_(fonts) {
  visual_ = DefaultVisual(connection.display(), connection.screen());
  colormap_ = DefaultColormap(connection.display(), connection.screen());
}

Painter::~Painter() {
  Attach(None, {});
}

void Painter::Attach(Window window, Size size) {
  ReleaseBuffer();
  if (draw_ != nullptr) XftDrawDestroy(draw_);
  draw_ = nullptr;
  if (copy_gc_ != nullptr) XFreeGC(connection_.display(), copy_gc_);
  copy_gc_ = nullptr;
  window_ = window;
  size_ = size;
  if (window == None) return;
  draw_ = XftDrawCreate(connection_.display(), window, visual_, colormap_);
  copy_gc_ = XCreateGC(connection_.display(), window, 0, nullptr);
}

void Painter::ReleaseBuffer() {
  if (buffer_ != None) XFreePixmap(connection_.display(), buffer_);
  buffer_ = None;
}

void Painter::SetBackBuffer(bool enabled) {
  back_buffer_ = enabled;
}

Drawable Painter::Target() const {
  return buffer_ != None ? buffer_ : window_;
}

void Painter::Begin() {
  if (draw_ == nullptr) return;
  if (back_buffer_ && buffer_ == None) {
    buffer_ = XCreatePixmap(connection_.display(), window_, size_.width, size_.height,
                            DefaultDepth(connection_.display(), connection_.screen()));
  } else if (!back_buffer_) {
    ReleaseBuffer();
  }
  XftDrawChange(draw_, Target());
}

void Painter::End() {
  if (draw_ == nullptr) return;
  if (buffer_ != None) {
    XCopyArea(connection_.display(), buffer_, window_, copy_gc_, 0, 0, size_.width, size_.height, 0,
              0);
  }
  XFlush(connection_.display());
}

void Painter::FillRect(Rect rect, Color color) {
  if (draw_ == nullptr || rect.width <= 0 || rect.height <= 0) return;
  XftColor xft_color;
  const XRenderColor render = RenderColor(color);
  if (!XftColorAllocValue(connection_.display(), visual_, colormap_, &render, &xft_color)) return;
  XftDrawRect(draw_, &xft_color, std::clamp(rect.x, -kMaxCoordinate, kMaxCoordinate),
              std::clamp(rect.y, -kMaxCoordinate, kMaxCoordinate),
              static_cast<unsigned>(std::min(rect.width, kMaxCoordinate)),
              static_cast<unsigned>(std::min(rect.height, kMaxCoordinate)));
  XftColorFree(connection_.display(), visual_, colormap_, &xft_color);
}

void Painter::DrawText(FontHandle font, Point top_left, std::string_view text, Color color) {
  const LoadedFont* loaded = fonts_.Find(font);
  if (draw_ == nullptr || loaded == nullptr || text.empty()) return;
  const std::string utf8 =
      platform::ToUtf8(loaded->code_page, text.substr(0, std::min(text.size(), kMaxDrawnBytes)));
  XftColor xft_color;
  const XRenderColor render = RenderColor(color);
  if (!XftColorAllocValue(connection_.display(), visual_, colormap_, &render, &xft_color)) return;
  XftDrawStringUtf8(draw_, &xft_color, loaded->xft,
                    std::clamp(top_left.x, -kMaxCoordinate, kMaxCoordinate),
                    std::clamp(top_left.y + loaded->xft->ascent, -kMaxCoordinate, kMaxCoordinate),
                    reinterpret_cast<const FcChar8*>(utf8.data()), static_cast<int>(utf8.size()));
  XftColorFree(connection_.display(), visual_, colormap_, &xft_color);
}

void Painter::DrawIcon(const platform::IconImage& image, Point top_left) {
  const int width = image.width;
  const int height = image.height;
  if (draw_ == nullptr || width <= 0 || height <= 0 || width > kMaxIconSide ||
      height > kMaxIconSide || image.argb.size() != static_cast<std::size_t>(width) * height) {
    return;
  }
  Display* display = connection_.display();
  const Picture destination = XftDrawPicture(draw_);
  XRenderPictFormat* argb_format = XRenderFindStandardFormat(display, PictStandardARGB32);
  if (destination == None || argb_format == nullptr) return;

  std::vector<uint32_t> pixels(image.argb.size());
  std::transform(image.argb.begin(), image.argb.end(), pixels.begin(), Premultiplied);
  XImage* ximage = XCreateImage(display, nullptr, 32, ZPixmap, 0,
                                reinterpret_cast<char*>(pixels.data()), width, height, 32, 0);
  if (ximage == nullptr) return;
  // The pixels are in this machine's byte order; Xlib swaps them for the server if it differs.
  ximage->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
  const Pixmap pixmap = XCreatePixmap(display, window_, width, height, 32);
  GC gc = XCreateGC(display, pixmap, 0, nullptr);
  XPutImage(display, pixmap, gc, ximage, 0, 0, 0, 0, width, height);
  ximage->data = nullptr;  // the pixels belong to `pixels`
  XDestroyImage(ximage);
  XFreeGC(display, gc);
  const Picture source = XRenderCreatePicture(display, pixmap, argb_format, 0, nullptr);
  XRenderComposite(display, PictOpOver, source, None, destination, 0, 0, 0, 0,
                   std::clamp(top_left.x, -kMaxCoordinate, kMaxCoordinate),
                   std::clamp(top_left.y, -kMaxCoordinate, kMaxCoordinate), width, height);
  XRenderFreePicture(display, source);
  XFreePixmap(display, pixmap);
}

}  // namespace toolkit::x11
