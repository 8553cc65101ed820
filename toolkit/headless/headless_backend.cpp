#include "toolkit/headless/headless_backend.h"

#include <algorithm>
#include <cassert>

namespace toolkit::headless {
namespace {

// Larger windows than any screen are refused rather than given a picture that would not
// fit in memory.
constexpr int kMaxWindowSide = 8192;

const FontSpec kNoFont{};

NativeMessage MessageOf(MessageKind kind) {
  NativeMessage message;
  message.kind = kind;
  return message;
}

}  // namespace

HeadlessBackend::HeadlessBackend(HeadlessOptions options)
    : options_(options), position_(options.default_position) {}

void HeadlessBackend::Push(const NativeMessage& message) {
  script_.push_back(message);
}

void HeadlessBackend::PushTimeout() {
  script_.push_back(std::nullopt);
}

void HeadlessBackend::PushKind(MessageKind kind) {
  Push(MessageOf(kind));
}

void HeadlessBackend::PushKeyDown(Key key, uint8_t modifiers, std::string text) {
  NativeMessage message = MessageOf(MessageKind::KeyDown);
  message.key = key;
  message.modifiers = modifiers;
  message.text = std::move(text);
  Push(message);
}

void HeadlessBackend::PushKeyUp(Key key, uint8_t modifiers) {
  NativeMessage message = MessageOf(MessageKind::KeyUp);
  message.key = key;
  message.modifiers = modifiers;
  Push(message);
}

void HeadlessBackend::PushKey(Key key, uint8_t modifiers, std::string text) {
  PushKeyDown(key, modifiers, std::move(text));
  PushKeyUp(key, modifiers);
}

void HeadlessBackend::PushText(std::string_view text) {
  for (const char c : text) PushKey(c == ' ' ? Key::Space : Key::Other, 0, std::string(1, c));
}

void HeadlessBackend::PushMouse(MessageKind kind, Point at, uint8_t modifiers, int button) {
  NativeMessage message = MessageOf(kind);
  message.point = at;
  message.modifiers = modifiers;
  message.button = button;
  Push(message);
}

void HeadlessBackend::PushMouseDown(Point at, uint8_t modifiers, int button) {
  PushMouse(MessageKind::MouseDown, at, modifiers, button);
}

void HeadlessBackend::PushMouseUp(Point at, uint8_t modifiers, int button) {
  PushMouse(MessageKind::MouseUp, at, modifiers, button);
}

void HeadlessBackend::PushMouseMove(Point at, uint8_t modifiers) {
  PushMouse(MessageKind::MouseMove, at, modifiers, 1);
}

void HeadlessBackend::PushDoubleClick(Point at, uint8_t modifiers) {
  PushMouse(MessageKind::MouseDoubleClick, at, modifiers, 1);
}

void HeadlessBackend::PushClick(Point at, uint8_t modifiers) {
  PushMouseDown(at, modifiers);
  PushMouseUp(at, modifiers);
}

std::optional<NativeMessage> HeadlessBackend::WaitMessage(int) {
  if (wake_for_close_.exchange(false)) return MessageOf(MessageKind::CloseRequest);
  if (script_.empty()) {
    // A finished script ends the run the way a termination request would, so that a test
    // that forgot its close cannot wait for ever.
    exhausted_ = true;
    return MessageOf(MessageKind::CloseRequest);
  }
  auto next = std::move(script_.front());
  script_.pop_front();
  ++taken_;
  return next;
}

bool HeadlessBackend::CreateWindow(const NativeWindowSpec& wanted) {
  assert(!has_window_ && "the headless backend drives one window at a time");
  const Size size = wanted.client_size;
  if (refuse_window_ || has_window_ || size.width <= 0 || size.height <= 0 ||
      size.width > kMaxWindowSide || size.height > kMaxWindowSide) {
    refuse_window_ = false;
    return false;
  }
  wanted_ = wanted;
  has_window_ = true;
  shown_ = false;
  minimized_ = false;
  pixels_.assign(static_cast<std::size_t>(size.width) * size.height,
                 Pixel{.color = wanted.background});
  return true;
}

void HeadlessBackend::DestroyWindow() {
  has_window_ = false;
  shown_ = false;
  pixels_.clear();
}

void HeadlessBackend::ShowWindow() {
  if (!has_window_ || shown_) return;
  shown_ = true;
  if (options_.activate_on_show) script_.push_front(MessageOf(MessageKind::Activated));
}

FontHandle HeadlessBackend::CreateFont(const FontSpec& wanted) {
  assert(wanted.charset != kDefaultCharset && "backends receive the character set resolved");
  fonts_.push_back({wanted});
  return static_cast<FontHandle>(fonts_.size());
}

void HeadlessBackend::DestroyFont(FontHandle font) {
  if (font >= 1 && font <= static_cast<int>(fonts_.size())) fonts_[font - 1].alive = false;
}

const FontSpec& HeadlessBackend::FontSpecOf(FontHandle font) const {
  if (font < 1 || font > static_cast<int>(fonts_.size())) return kNoFont;
  return fonts_[font - 1].wanted;
}

int HeadlessBackend::LiveFonts() const {
  return static_cast<int>(
      std::count_if(fonts_.begin(), fonts_.end(), [](const FontEntry& f) { return f.alive; }));
}

FontMetrics HeadlessBackend::GetFontMetrics(FontHandle) {
  return {.ascent = options_.ascent,
          .descent = options_.descent,
          .height = options_.ascent + options_.descent};
}

int HeadlessBackend::TextWidth(FontHandle, std::string_view text) {
  return options_.char_width * static_cast<int>(text.size());
}

HeadlessBackend::Pixel* HeadlessBackend::PixelPtr(int x, int y) {
  if (x < 0 || y < 0 || x >= wanted_.client_size.width || y >= wanted_.client_size.height ||
      !has_window_) {
    return nullptr;
  }
  return &pixels_[static_cast<std::size_t>(y) * wanted_.client_size.width + x];
}

const HeadlessBackend::Pixel* HeadlessBackend::PixelPtr(int x, int y) const {
  return const_cast<HeadlessBackend*>(this)->PixelPtr(x, y);
}

void HeadlessBackend::FillRect(Rect rect, Color color) {
  for (int y = rect.y; y < rect.y + rect.height; ++y) {
    for (int x = rect.x; x < rect.x + rect.width; ++x) {
      if (Pixel* pixel = PixelPtr(x, y)) *pixel = Pixel{.color = color};
    }
  }
}

void HeadlessBackend::DrawText(FontHandle font, Point top_left, std::string_view text,
                               Color color) {
  const int height = options_.ascent + options_.descent;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Point cell{top_left.x + static_cast<int>(i) * options_.char_width, top_left.y};
    for (int y = cell.y; y < cell.y + height; ++y) {
      for (int x = cell.x; x < cell.x + options_.char_width; ++x) {
        if (Pixel* pixel = PixelPtr(x, y)) {
          pixel->glyph = text[i];
          pixel->has_glyph = true;
          pixel->cell = cell;
          pixel->glyph_color = color;
          pixel->font = font;
        }
      }
    }
  }
}

void HeadlessBackend::DrawIcon(const platform::IconImage& image, Point top_left) {
  if (image.argb.size() != static_cast<std::size_t>(image.width) * image.height) return;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const uint32_t argb = image.argb[static_cast<std::size_t>(y) * image.width + x];
      if ((argb >> 24) < 0x80) continue;
      if (Pixel* pixel = PixelPtr(top_left.x + x, top_left.y + y)) {
        *pixel = Pixel{.color = {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
                                 static_cast<uint8_t>(argb)}};
      }
    }
  }
}

Color HeadlessBackend::PixelAt(Point at) const {
  const Pixel* pixel = PixelPtr(at.x, at.y);
  return pixel != nullptr ? pixel->color : Color{};
}

std::vector<ShownChar> HeadlessBackend::CharsIn(Rect area) const {
  // A character shows while the centre of its cell still holds it.
  const int width = options_.char_width;
  const int height = options_.ascent + options_.descent;
  std::vector<ShownChar> shown;
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      const Pixel* pixel = PixelPtr(x, y);
      if (pixel == nullptr || !pixel->has_glyph) continue;
      if (x != pixel->cell.x + width / 2 || y != pixel->cell.y + height / 2) continue;
      shown.push_back({pixel->glyph,
                       {pixel->cell.x, pixel->cell.y, width, height},
                       pixel->glyph_color,
                       pixel->font});
    }
  }
  return shown;
}

std::string HeadlessBackend::TextIn(Rect area) const {
  std::string text;
  for (const ShownChar& c : CharsIn(area)) text += c.c;
  return text;
}

}  // namespace toolkit::headless
