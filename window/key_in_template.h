// The key-in template of a masked entry field: its cells, how a variable's text is laid into
// them, and the texts the field shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace window {

enum class CellKind {
  Input,     // '?': holds one character, a blank when empty
  StopMark,  // '|': takes no position; a point where the shown text may end
  Literal,   // any other character, shown in its place and never typed over
};

struct TemplateCell {
  CellKind kind = CellKind::Input;
  char character = ' ';  // the literal itself, or the character an input position holds
  bool end = false;      // stop marks only: the shown text ends here
};

class KeyInTemplate {
 public:
  // The template text is the cells written between two equal letters, 'K' or 'k', followed
  // by nothing but blanks. Anything else is malformed and gives nothing.
  static std::optional<KeyInTemplate> Parse(std::string_view text);

  // A template without cells, for a field whose own template was malformed.
  KeyInTemplate() = default;

  const std::vector<TemplateCell>& Cells() const { return cells_; }

  // Shown positions are the cells that are not stop marks, numbered from 0 here.
  int ShownLength() const { return static_cast<int>(shown_cells_.size()); }
  bool IsInput(int position) const { return Shown(position).kind == CellKind::Input; }
  char CharacterAt(int position) const { return Shown(position).character; }
  // Stores a character at an input position.
  void Put(int position, char c);

  // Lays `text` into the cells from its first character on and works out the end flags.
  // Returns whether the text fitted: no literal met a different character.
  bool LoadText(std::string_view text);

  // Sets the end flag of every stop mark after which all input positions hold blanks.
  void WorkOutEndFlags();

  // Every shown position, blanks and literals included.
  std::string FullText() const;
  // The full text up to the first stop mark whose end flag is set.
  std::string TrimmedText() const;

 private:
  TemplateCell& Shown(int position);
  const TemplateCell& Shown(int position) const;

  std::vector<TemplateCell> cells_;
  std::vector<int> shown_cells_;  // index into cells_ of each shown position
};

}  // namespace window
