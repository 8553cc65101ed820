// The masked entry field: a single-line field bound to a FixedText variable that edits it
// through a key-in template. Typing overwrites input positions and passes over literals; the
// variable changes only when the field completes (on losing the focus after an edit) or when
// the window asks it to store a pending edit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/locale_tables.h"
#include "convert/fixed_text.h"
#include "toolkit/control.h"
#include "window/key_in_template.h"

namespace window {

class MaskedEntryField final : public toolkit::EntryControl {
 public:
  // `template_text` must be a well-formed key-in template (asserted); a malformed one leaves
  // the field without positions, so it never changes its variable. The field keeps references
  // to `variable` and `locale`, which must outlive it.
  MaskedEntryField(toolkit::ControlHost& host, const toolkit::ControlSetup& setup,
                   std::string_view template_text, convert::FixedText& variable,
                   const app::LocaleTables& locale);

  void Paint(toolkit::Canvas& canvas) override;
  void FocusReceived(toolkit::FocusCause cause, toolkit::Point at) override;
  void FocusLost() override;
  bool KeyDown(toolkit::Key key, uint8_t modifiers) override;
  void Character(unsigned char c) override;
  void MouseDown(toolkit::Point at, uint8_t modifiers) override;
  void MouseMove(toolkit::Point at, uint8_t modifiers) override;
  void MouseUp(toolkit::Point at, uint8_t modifiers) override;
  void DoubleClick(toolkit::Point at, uint8_t modifiers) override;
  void CaptureLost() override;
  // Loads the field from its variable, discarding an edit not yet completed; the caret and
  // the selection keep their positions.
  void Refresh() override;
  void SelectAll() override;
  void StoreIfModified() override;

  // What the field shows: the full text while it has the focus, else the text up to the
  // stop mark where it ends.
  std::string ShownText() const;
  // Every shown position, literals and blanks included: what completion assigns.
  std::string FullText() const { return template_.FullText(); }
  const KeyInTemplate& Template() const { return template_; }
  // Carets count shown positions: caret k stands just after the first k of them.
  int Caret() const { return caret_; }
  int Anchor() const { return anchor_; }
  bool HasSelection() const { return caret_ != anchor_; }
  bool HasFocus() const { return has_focus_; }
  bool Modified() const { return modified_; }
  bool SelectAllPending() const { return select_all_pending_; }
  // Whether the text last loaded from the variable fitted the template.
  bool Fitted() const { return fitted_; }

 private:
  // The outcome of putting one character at the caret.
  enum class Typed { Taken, CountedAsLiteral, Refused };

  void Load();
  void ShowUnfocusedForm();
  void Changed() { Host().Invalidate(*this); }

  // Editing.
  Typed TypeAtCaret(unsigned char c);
  void ClearSelection();
  void Backspace();
  void Delete();
  void Copy();
  void Cut();
  void Paste();
  void Undo();

  // Caret and selection.
  void MoveCaret(int caret, bool extend);
  void SelectRange(int anchor, int caret);
  void PlaceCaret(int caret) { SelectRange(caret, caret); }
  void SelectWholeText() { SelectRange(0, template_.ShownLength()); }
  bool InFontRange(unsigned char c);

  // Geometry, shared by painting and the mouse.
  toolkit::Rect Interior() const;
  toolkit::Point TextOrigin(int font_height) const;
  int NearestCaret(toolkit::Point at);

  KeyInTemplate template_;
  convert::FixedText& variable_;
  const app::LocaleTables& locale_;
  int caret_ = 0;
  int anchor_ = 0;
  bool has_focus_ = false;
  bool modified_ = false;
  bool select_all_pending_ = false;
  bool fitted_ = true;
  bool dragging_ = false;
};

}  // namespace window
