// How a masked entry field looks, and where its carets lie on screen.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "toolkit/edges.h"
#include "toolkit/system_colors.h"
#include "window/masked_entry_field.h"

namespace window {
namespace {

using toolkit::Color;
using toolkit::Rect;

constexpr int kBorderWidth = 2;
constexpr int kTextIndent = 2;  // from the left edge of the interior

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
  toolkit::DrawSunkenEdge(canvas, Bounds());
  canvas.FillRect(Interior(), toolkit::kWindowColor);

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
    canvas.FillRect({x_at(start), origin.y, x_at(end) - x_at(start), metrics.height},
                    toolkit::kHighlight);
    draw(start, end, toolkit::kHighlightText);
  }
  draw(end, text.size(), TextColor());

  if (has_focus_ && Host().CaretVisible()) {
    canvas.FillRect({x_at(static_cast<std::size_t>(caret_)), origin.y, 1, metrics.height},
                    toolkit::kWindowText);
  }
}

}  // namespace window
