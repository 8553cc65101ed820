// A plain entry field for the toolkit's tests: typing appends to a working copy of its
// variable, and leaving the field after typing stores the copy and posts the accepted event.
#pragma once

#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/system_colors.h"

namespace toolkit::testing {

class TestEntry final : public EntryControl {
 public:
  TestEntry(ControlHost& host, const ControlSetup& setup, std::string& variable)
      : EntryControl(host, setup), variable_(variable), text_(variable) {}

  const std::string& Text() const { return text_; }
  bool Focused() const { return focused_; }
  bool Modified() const { return modified_; }
  bool AllSelected() const { return all_selected_; }
  bool SelectAllPending() const { return select_all_pending_; }
  const std::vector<FocusCause>& FocusCauses() const { return causes_; }
  // When set, focus changes are written here as "received N" and "lost N".
  std::vector<std::string>* journal = nullptr;

  void Paint(Canvas& canvas) override {
    canvas.FillRect(Bounds(), Background());
    canvas.DrawText(Font(), {Bounds().x + 2, Bounds().y}, text_, TextColor());
  }
  void FocusReceived(FocusCause cause, Point) override {
    focused_ = true;
    causes_.push_back(cause);
    Note("received");
    if (select_all_pending_ || cause == FocusCause::Tab || cause == FocusCause::ShiftTab) {
      all_selected_ = true;
    }
    if (cause == FocusCause::Click) all_selected_ = false;
    select_all_pending_ = false;
  }
  void FocusLost() override {
    focused_ = false;
    all_selected_ = false;
    Note("lost");
    if (!modified_) return;
    variable_ = text_;
    modified_ = false;
    Host().PostAccepted(Number());
  }
  bool KeyDown(Key key, uint8_t modifiers) override {
    if (key == Key::C && (modifiers & kControl)) {
      Host().SetClipboardText(text_);
      return true;
    }
    if (key == Key::V && (modifiers & kControl)) {
      if (auto pasted = Host().GetClipboardText()) Type(*pasted);
      return true;
    }
    return false;
  }
  void Character(unsigned char c) override { Type(std::string(1, static_cast<char>(c))); }
  void Refresh() override {
    text_ = variable_;
    modified_ = false;
    Host().Invalidate(*this);
  }
  void SelectAll() override {
    if (focused_) {
      all_selected_ = true;
    } else {
      select_all_pending_ = true;
    }
  }
  void StoreIfModified() override {
    if (!modified_) return;
    variable_ = text_;
    modified_ = false;
  }

 private:
  void Note(const char* what) {
    if (journal != nullptr) {
      journal->push_back(std::string(what).append(" ").append(std::to_string(Number())));
    }
  }
  void Type(const std::string& text) {
    if (all_selected_) text_.clear();
    all_selected_ = false;
    text_ += text;
    modified_ = true;
    Host().Invalidate(*this);
  }

  std::string& variable_;
  std::string text_;
  bool focused_ = false;
  bool modified_ = false;
  bool all_selected_ = false;
  bool select_all_pending_ = false;
  std::vector<FocusCause> causes_;
};

}  // namespace toolkit::testing
