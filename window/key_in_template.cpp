#include "window/key_in_template.h"

#include <algorithm>
#include <cassert>

namespace window {
namespace {

CellKind KindOf(char c) {
  switch (c) {
    case '?':
      return CellKind::Input;
    case '|':
      return CellKind::StopMark;
    default:
      return CellKind::Literal;
  }
}

bool AllBlanks(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

}  // namespace

std::optional<KeyInTemplate> KeyInTemplate::Parse(std::string_view text) {
  if (text.empty() || (text.front() != 'K' && text.front() != 'k')) return std::nullopt;
  // The first repetition of the opening letter closes the template, so that letter can never
  // be a literal of its own template.
  const std::size_t close = text.find(text.front(), 1);
  if (close == std::string_view::npos || !AllBlanks(text.substr(close + 1))) return std::nullopt;

  KeyInTemplate parsed;
  for (const char c : text.substr(1, close - 1)) {
    const CellKind kind = KindOf(c);
    if (kind != CellKind::StopMark)
      parsed.shown_cells_.push_back(static_cast<int>(parsed.cells_.size()));
    parsed.cells_.push_back({kind, kind == CellKind::Literal ? c : ' ', false});
  }
  return parsed;
}

TemplateCell& KeyInTemplate::Shown(int position) {
  assert(position >= 0 && position < ShownLength() && "shown position out of range");
  return cells_[static_cast<std::size_t>(shown_cells_[static_cast<std::size_t>(position)])];
}

const TemplateCell& KeyInTemplate::Shown(int position) const {
  return const_cast<KeyInTemplate*>(this)->Shown(position);
}

void KeyInTemplate::Put(int position, char c) {
  TemplateCell& cell = Shown(position);
  assert(cell.kind == CellKind::Input && "only input positions take characters");
  cell.character = c;
}

bool KeyInTemplate::LoadText(std::string_view text) {
  bool fitted = true;
  std::size_t read = 0;
  for (TemplateCell& cell : cells_) {
    const bool used_up = read >= text.size();
    switch (cell.kind) {
      case CellKind::Input:
        cell.character = used_up ? ' ' : text[read++];
        break;
      case CellKind::Literal:
        // The character read here is consumed whatever it is; only the literal is kept.
        if (!used_up && text[read++] != cell.character) fitted = false;
        break;
      case CellKind::StopMark:
        cell.end = AllBlanks(text.substr(std::min(read, text.size())));
        if (cell.end) read = text.size();
        break;
    }
  }
  return fitted;
}

void KeyInTemplate::WorkOutEndFlags() {
  bool blanks_after = true;
  for (auto cell = cells_.rbegin(); cell != cells_.rend(); ++cell) {
    if (cell->kind == CellKind::StopMark) cell->end = blanks_after;
    if (cell->kind == CellKind::Input && cell->character != ' ') blanks_after = false;
  }
}

std::string KeyInTemplate::FullText() const {
  std::string text;
  for (const int index : shown_cells_) text += cells_[static_cast<std::size_t>(index)].character;
  return text;
}

std::string KeyInTemplate::TrimmedText() const {
  std::string text;
  for (const TemplateCell& cell : cells_) {
    if (cell.kind != CellKind::StopMark) {
      text += cell.character;
    } else if (cell.end) {
      break;
    }
  }
  return text;
}

}  // namespace window
