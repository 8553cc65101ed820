#include "window/masked_entry_field.h"

#include <algorithm>
#include <cassert>
#include <optional>

namespace window {
namespace {

using toolkit::Key;

KeyInTemplate ParsedOrEmpty(std::string_view template_text) {
  std::optional<KeyInTemplate> parsed = KeyInTemplate::Parse(template_text);
  assert(parsed && "malformed key-in template");
  return parsed ? *std::move(parsed) : KeyInTemplate{};
}

// The characters that separate words for Ctrl+Left, Ctrl+Right and the double-click.
bool IsWordBreak(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The start of the word the caret is in, or of the word before it.
int WordStartBefore(std::string_view text, int caret) {
  while (caret > 0 && IsWordBreak(text[static_cast<std::size_t>(caret - 1)])) --caret;
  while (caret > 0 && !IsWordBreak(text[static_cast<std::size_t>(caret - 1)])) --caret;
  return caret;
}

// Past the word at the caret and the blanks that follow it.
int WordEndAfter(std::string_view text, int caret) {
  const int length = static_cast<int>(text.size());
  while (caret < length && !IsWordBreak(text[static_cast<std::size_t>(caret)])) ++caret;
  while (caret < length && IsWordBreak(text[static_cast<std::size_t>(caret)])) ++caret;
  return caret;
}

}  // namespace

MaskedEntryField::MaskedEntryField(toolkit::ControlHost& host, const toolkit::ControlSetup& setup,
                                   std::string_view template_text, convert::FixedText& variable,
                                   const app::LocaleTables& locale)
    : EntryControl(host, setup),
      template_(ParsedOrEmpty(template_text)),
      variable_(variable),
      locale_(locale) {
  Refresh();
}

std::string MaskedEntryField::ShownText() const {
  return has_focus_ ? template_.FullText() : template_.TrimmedText();
}

void MaskedEntryField::Load() {
  fitted_ = template_.LoadText(variable_.Stored());
  modified_ = false;
}

// A text that fitted ends where only blank input positions follow; one that did not keeps the
// end flags its loading gave, so that it shows what was read from the variable.
void MaskedEntryField::ShowUnfocusedForm() {
  if (fitted_) template_.WorkOutEndFlags();
}

void MaskedEntryField::Refresh() {
  Load();
  if (!has_focus_) ShowUnfocusedForm();
  Changed();
}

void MaskedEntryField::SelectAll() {
  if (has_focus_) {
    SelectWholeText();
  } else {
    select_all_pending_ = true;
  }
}

void MaskedEntryField::StoreIfModified() {
  if (!modified_) return;
  variable_ = template_.FullText();
  Load();
  if (!has_focus_) ShowUnfocusedForm();
  Changed();
}

void MaskedEntryField::FocusReceived(toolkit::FocusCause cause, toolkit::Point at) {
  has_focus_ = true;
  if (select_all_pending_) SelectWholeText();
  select_all_pending_ = false;
  switch (cause) {
    case toolkit::FocusCause::Tab:
    case toolkit::FocusCause::ShiftTab:
      SelectWholeText();
      break;
    case toolkit::FocusCause::Click:
      PlaceCaret(NearestCaret(at));
      break;
    default:
      break;
  }
  Changed();
}

void MaskedEntryField::FocusLost() {
  has_focus_ = false;
  dragging_ = false;
  anchor_ = caret_;
  if (modified_) {
    // The full text, never trimmed: the variable always receives every position.
    variable_ = template_.FullText();
    Load();
    Host().PostAccepted(Number());
  }
  ShowUnfocusedForm();
  Changed();
}

bool MaskedEntryField::KeyDown(Key key, uint8_t modifiers) {
  if (!has_focus_) return false;
  const bool shift = (modifiers & toolkit::kShift) != 0;
  const bool ctrl = (modifiers & toolkit::kControl) != 0;
  // Ctrl with Alt is AltGr on many layouts: its text is typed, not taken as a command.
  const bool command = ctrl && (modifiers & toolkit::kAlt) == 0;
  const std::string full = template_.FullText();
  switch (key) {
    case Key::Left:
      MoveCaret(ctrl ? WordStartBefore(full, caret_) : caret_ - 1, shift);
      return true;
    case Key::Right:
      MoveCaret(ctrl ? WordEndAfter(full, caret_) : caret_ + 1, shift);
      return true;
    case Key::Home:
      MoveCaret(0, shift);
      return true;
    case Key::End:
      MoveCaret(template_.ShownLength(), shift);
      return true;
    case Key::Up:
    case Key::Down:
      return true;
    case Key::Backspace:
      Backspace();
      return true;
    case Key::Delete:
      if (shift) {
        Cut();
      } else {
        Delete();
      }
      return true;
    case Key::Insert:
      // There is no insert mode: Insert alone does nothing.
      if (ctrl) {
        Copy();
      } else if (shift) {
        Paste();
      }
      return true;
    case Key::C:
      if (command) Copy();
      return command;
    case Key::X:
      if (command) Cut();
      return command;
    case Key::V:
      if (command) Paste();
      return command;
    case Key::Z:
      if (command) Undo();
      return command;
    default:
      return false;
  }
}

bool MaskedEntryField::InFontRange(unsigned char c) {
  const toolkit::FontMetrics metrics = Host().Metrics(Font());
  return c >= metrics.first_char && c <= metrics.last_char;
}

void MaskedEntryField::Character(unsigned char c) {
  if (!has_focus_) return;
  // Tab, Enter and Esc belong to the window; their characters are no input here.
  if (c == '\t' || c == '\n' || c == '\r' || c == 0x1B) return;
  if (!InFontRange(c)) {
    Host().Beep();
    return;
  }
  if (HasSelection()) ClearSelection();
  if (TypeAtCaret(c) == Typed::Refused) Host().Beep();
  Changed();
}

// Walks from the position after the caret: an input position takes the character; a letter
// or digit passes over a literal it differs from; anything else counts as the literal typed.
MaskedEntryField::Typed MaskedEntryField::TypeAtCaret(unsigned char c) {
  for (int position = caret_; position < template_.ShownLength(); ++position) {
    if (template_.IsInput(position)) {
      template_.Put(position, static_cast<char>(c));
      PlaceCaret(position + 1);
      modified_ = true;
      return Typed::Taken;
    }
    const auto literal = static_cast<unsigned char>(template_.CharacterAt(position));
    if (!locale_.IsLetterOrDigit(c) || c == literal) {
      PlaceCaret(position + 1);
      modified_ = true;
      return Typed::CountedAsLiteral;
    }
  }
  return Typed::Refused;
}

void MaskedEntryField::ClearSelection() {
  const int start = std::min(anchor_, caret_);
  const int end = std::max(anchor_, caret_);
  for (int position = start; position < end; ++position) {
    if (template_.IsInput(position)) template_.Put(position, ' ');
  }
  PlaceCaret(start);
  modified_ = true;
}

void MaskedEntryField::Backspace() {
  if (HasSelection()) {
    ClearSelection();
  } else if (caret_ > 0) {
    const int position = caret_ - 1;
    if (template_.IsInput(position)) template_.Put(position, ' ');
    PlaceCaret(position);
    modified_ = true;
  }
  Changed();
}

void MaskedEntryField::Delete() {
  if (HasSelection()) {
    ClearSelection();
  } else if (TypeAtCaret(' ') == Typed::Refused) {
    Host().Beep();
  }
  Changed();
}

void MaskedEntryField::Copy() {
  if (!HasSelection()) return;
  const int start = std::min(anchor_, caret_);
  const int end = std::max(anchor_, caret_);
  const std::string full = template_.FullText();
  Host().SetClipboardText(std::string_view(full).substr(static_cast<std::size_t>(start),
                                                        static_cast<std::size_t>(end - start)));
}

void MaskedEntryField::Cut() {
  if (!HasSelection()) return;
  Copy();
  ClearSelection();
  Changed();
}

// The clipboard's first line is typed at the caret character by character. Characters the
// font cannot show are skipped rather than refused one beep each; one beep says that text was
// left over when the template ran out.
void MaskedEntryField::Paste() {
  const std::optional<std::string> clipboard = Host().GetClipboardText();
  if (!clipboard) return;
  const std::string_view first_line =
      std::string_view(*clipboard).substr(0, clipboard->find_first_of("\r\n"));
  std::string typable;
  for (const char c : first_line) {
    if (InFontRange(static_cast<unsigned char>(c))) typable += c;
  }
  if (typable.empty()) return;
  if (HasSelection()) ClearSelection();
  for (const char c : typable) {
    if (TypeAtCaret(static_cast<unsigned char>(c)) == Typed::Refused) {
      Host().Beep();
      break;
    }
  }
  Changed();
}

// Brings back the variable's text, so that what the field shows is again what leaving it
// stores.
void MaskedEntryField::Undo() {
  Load();
  SelectWholeText();
  Changed();
}

void MaskedEntryField::MoveCaret(int caret, bool extend) {
  caret_ = std::clamp(caret, 0, template_.ShownLength());
  if (!extend) anchor_ = caret_;
  Changed();
}

void MaskedEntryField::SelectRange(int anchor, int caret) {
  anchor_ = anchor;
  caret_ = caret;
}

// The window gives the focus to a clicked field before the press reaches it.
void MaskedEntryField::MouseDown(toolkit::Point at, uint8_t /*modifiers*/) {
  if (!has_focus_) return;
  PlaceCaret(NearestCaret(at));
  dragging_ = true;
  Changed();
}

void MaskedEntryField::MouseMove(toolkit::Point at, uint8_t /*modifiers*/) {
  if (!dragging_) return;
  const int caret = NearestCaret(at);
  if (caret == caret_) return;
  caret_ = caret;
  Changed();
}

void MaskedEntryField::MouseUp(toolkit::Point /*at*/, uint8_t /*modifiers*/) {
  dragging_ = false;
}

void MaskedEntryField::CaptureLost() {
  dragging_ = false;
}

// The word at the caret: from the start of the word the caret stands in or just after, past
// the word and the blanks that follow it.
void MaskedEntryField::DoubleClick(toolkit::Point /*at*/, uint8_t /*modifiers*/) {
  dragging_ = false;
  if (!has_focus_) return;
  const std::string full = template_.FullText();
  int start = caret_;
  while (start > 0 && !IsWordBreak(full[static_cast<std::size_t>(start - 1)])) --start;
  SelectRange(start, WordEndAfter(full, start));
  Changed();
}

}  // namespace window
