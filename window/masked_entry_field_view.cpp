// How a masked entry field looks, and where its carets lie on screen.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "window/masked_entry_field.h"

namespace window {
namespace {

using toolkit::Color;
using toolkit::Rect;

// The classic system colours of an entry field.
constexpr Color kWindowColor{255, 255, 255};
constexpr Color kHighlight{0, 0, 128};
constexpr Color kHighlightText{255, 255, 255};
constexpr Color kShadow{128, 128, 128};
constexpr Color kDarkShadow{64, 64, 64};
constexpr Color kLight{255, 255, 255};
constexpr Color kCaretColor{0, 0, 0};

constexpr int kBorderWidth = 2;
constexpr int kTextIndent = 2;  // from the left edge of the interior

Rect Inset(Rect rect, int by) {
  return {rect.x + by, rect.y + by, std::max(0, rect.width - 2 * by),
          std::max(0, rect.height - 2 * by)};
}

// A one-pixel frame, its top and left edges in one colour and its bottom and right in another.
void DrawEdge(toolkit::Canvas& canvas, Rect r, Color top_left, Color bottom_right) {
  if (r.width <= 0 || r.height <= 0) return;
  canvas.FillRect({r.x, r.y, r.width - 1, 1}, top_left);
  canvas.FillRect({r.x, r.y, 1, r.height - 1}, top_left);
  canvas.FillRect({r.x, r.y + r.height - 1, r.width, 1}, bottom_right);
  canvas.FillRect({r.x + r.width - 1, r.y, 1, r.height}, bottom_right);
}

// The text with every character the font lacks replaced by the font's default character.
std::string DrawableText(std::string_view text, const toolkit::FontMetrics& metrics) {
  std::string drawable(text);
  for (char& c : drawable) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < metrics.first_char || byte > metrics.last_char) {
      c = static_cast<char>(metrics.default_char);
    }
  }
  return drawable;
}

}  // namespace

Rect MaskedEntryField::Interior() const {
  return Inset(Bounds(), kBorderWidth);
}

// The text's cell is centred vertically in the interior and starts two pixels in from its
// left edge.
toolkit::Point MaskedEntryField::TextOrigin(int font_height) const {
  const Rect interior = Interior();
  return {interior.x + kTextIndent, interior.y + std::max(0, (interior.height - font_height) / 2)};
}

// Carets are placed over the full text: a click that brings the focus shows it.
int MaskedEntryField::NearestCaret(toolkit::Point at) {
  const toolkit::FontMetrics metrics = Host().Metrics(Font());
  const std::string text = DrawableText(template_.FullText(), metrics);
  const int left = TextOrigin(metrics.height).x;
  int nearest = 0;
  int nearest_distance = INT_MAX;
  for (std::size_t k = 0; k <= text.size(); ++k) {
    const int x = left + Host().TextWidth(Font(), std::string_view(text).substr(0, k));
    const int distance = std::abs(at.x - x);
    if (distance < nearest_distance) {
      nearest = static_cast<int>(k);
      nearest_distance = distance;
    }
  }
  return nearest;
}

void MaskedEntryField::Paint(toolkit::Canvas& canvas) {
  const Rect bounds = Bounds();
  // The classic sunken edge: shadow over highlight outside, dark shadow over light inside.
  DrawEdge(canvas, bounds, kShadow, kLight);
  DrawEdge(canvas, Inset(bounds, 1), kDarkShadow, Background());
  canvas.FillRect(Interior(), kWindowColor);

  const toolkit::FontMetrics metrics = canvas.Metrics(Font());
  const std::string text = DrawableText(ShownText(), metrics);
  const std::string_view view(text);
  const toolkit::Point origin = TextOrigin(metrics.height);
  const auto x_at = [&](std::size_t k) {
    return origin.x + canvas.TextWidth(Font(), view.substr(0, k));
  };

  const std::size_t start = std::min<std::size_t>(std::min(anchor_, caret_), text.size());
  const std::size_t end = std::min<std::size_t>(std::max(anchor_, caret_), text.size());
  const auto draw = [&](std::size_t from, std::size_t to, Color color) {
    if (from < to)
      canvas.DrawText(Font(), {x_at(from), origin.y}, view.substr(from, to - from), color);
  };
  draw(0, start, TextColor());
  if (start < end) {
    canvas.FillRect({x_at(start), origin.y, x_at(end) - x_at(start), metrics.height}, kHighlight);
    draw(start, end, kHighlightText);
  }
  draw(end, text.size(), TextColor());

  if (has_focus_ && Host().CaretVisible()) {
    canvas.FillRect({x_at(static_cast<std::size_t>(caret_)), origin.y, 1, metrics.height},
                    kCaretColor);
  }
}

}  // namespace window
