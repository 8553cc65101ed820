// A masked entry field outside any window: a fake host that records what the field asks of its
// window, a recording backend behind the canvas, and a small script language for keys.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/locale_tables.h"
#include "convert/fixed_text.h"
#include "toolkit/backend.h"
#include "toolkit/control.h"
#include "toolkit/system_colors.h"
#include "window/masked_entry_field.h"

namespace window::testing {

// Every character is kCharWidth pixels wide.
inline constexpr int kCharWidth = 8;
inline constexpr toolkit::FontMetrics kFontMetrics{12, 4, 16, 0x20, 0xFF, '?'};

class FakeHost : public toolkit::ControlHost {
 public:
  void PostAccepted(int control_number) override { posted.push_back(control_number); }
  void Beep() override { ++beeps; }
  void SetClipboardText(std::string_view text) override { clipboard = std::string(text); }
  std::optional<std::string> GetClipboardText() override { return clipboard; }
  int TextWidth(toolkit::FontHandle, std::string_view text) override {
    return kCharWidth * static_cast<int>(text.size());
  }
  toolkit::FontMetrics Metrics(toolkit::FontHandle) override { return metrics; }
  void Invalidate(toolkit::Control&) override { ++invalidations; }
  bool CaretVisible() const override { return caret_visible; }

  std::vector<int> posted;
  int beeps = 0;
  std::optional<std::string> clipboard;
  int invalidations = 0;
  bool caret_visible = true;
  toolkit::FontMetrics metrics = kFontMetrics;
};

struct DrawnText {
  toolkit::Point at;
  std::string text;
  toolkit::Color color;
};

struct FilledRect {
  toolkit::Rect rect;
  toolkit::Color color;
};

// Records the drawing of one Paint; the metrics match FakeHost's.
class RecordingBackend : public toolkit::Backend {
 public:
  bool CreateWindow(const toolkit::NativeWindowSpec&) override { return true; }
  void DestroyWindow() override {}
  void ShowWindow() override {}
  toolkit::Point GetOuterPosition() override { return {}; }
  void SetOuterPosition(toolkit::Point) override {}
  bool IsMinimized() override { return false; }
  void SetMinimized(bool) override {}
  std::vector<toolkit::Rect> MonitorWorkAreas() override { return {}; }
  std::optional<toolkit::NativeMessage> WaitMessage(int) override { return std::nullopt; }
  void WakeForClose() override {}
  int CaretBlinkMs() override { return 500; }
  toolkit::FontHandle CreateFont(const toolkit::FontSpec&) override { return 1; }
  void DestroyFont(toolkit::FontHandle) override {}
  toolkit::FontMetrics GetFontMetrics(toolkit::FontHandle) override { return metrics; }
  int TextWidth(toolkit::FontHandle, std::string_view text) override {
    return kCharWidth * static_cast<int>(text.size());
  }
  void SetBackBuffer(bool) override {}
  void BeginPaint() override {}
  void EndPaint() override {}
  void FillRect(toolkit::Rect rect, toolkit::Color color) override {
    fills.push_back({rect, color});
  }
  void DrawText(toolkit::FontHandle, toolkit::Point top_left, std::string_view text,
                toolkit::Color color) override {
    texts.push_back({top_left, std::string(text), color});
  }
  void DrawIcon(const platform::IconImage&, toolkit::Point) override {}
  bool DrawStyledEditBorder(toolkit::Rect, bool) override { return false; }
  void SetClipboardText(std::string_view) override {}
  std::optional<std::string> GetClipboardText() override { return std::nullopt; }
  void Beep() override {}

  // The texts drawn, joined in drawing order.
  std::string AllText() const {
    std::string all;
    for (const DrawnText& drawn : texts) all += drawn.text;
    return all;
  }

  std::vector<FilledRect> fills;
  std::vector<DrawnText> texts;
  toolkit::FontMetrics metrics = kFontMetrics;
};

inline constexpr std::string_view kOldTemplate = "K??|-??|-??K";
inline constexpr std::string_view kNewTemplate = "K???|-??|-??K";
inline constexpr toolkit::Rect kFieldBounds{100, 10, 120, 24};
// Interior inset 2 from the bounds, text 2 further in; the 16-pixel cell centred in 20.
inline constexpr toolkit::Point kTextOrigin{104, 14};
inline constexpr toolkit::Color kRed{255, 0, 0};
inline constexpr toolkit::Color kWindowBackground = toolkit::kButtonFace;

enum class Which { Old, New };

// One field bound to a variable of its capacity, as in the main window.
class FieldTest : public ::testing::Test {
 protected:
  void Make(Which which, std::string_view text = {}) {
    const bool old = which == Which::Old;
    variable = std::make_unique<convert::FixedText>(old ? 10 : 11, text);
    const toolkit::ControlSetup setup{old ? 2 : 7, kFieldBounds, 1, kRed, kWindowBackground};
    field = std::make_unique<MaskedEntryField>(host, setup, old ? kOldTemplate : kNewTemplate,
                                               *variable, locale);
  }
  // An empty ?OLDNUM that has just received the focus by a click at its left edge.
  void MakeFocused(Which which = Which::Old, std::string_view text = {}) {
    Make(which, text);
    field->FocusReceived(toolkit::FocusCause::Click, kTextOrigin);
  }

  // Keys in braces ({BS}, {DEL}, {LEFT}, {RIGHT}, {HOME}, {END}, {UP}, {DOWN}, {INS}, {C}, {X},
  // {V}, {Z}), with prefixes S- (Shift), C- (Ctrl), CS- (both); every other byte is typed.
  void Play(std::string_view script) {
    static const std::map<std::string, toolkit::Key> kKeys = {
        {"BS", toolkit::Key::Backspace}, {"DEL", toolkit::Key::Delete},
        {"LEFT", toolkit::Key::Left},    {"RIGHT", toolkit::Key::Right},
        {"HOME", toolkit::Key::Home},    {"END", toolkit::Key::End},
        {"UP", toolkit::Key::Up},        {"DOWN", toolkit::Key::Down},
        {"INS", toolkit::Key::Insert},   {"C", toolkit::Key::C},
        {"X", toolkit::Key::X},          {"V", toolkit::Key::V},
        {"Z", toolkit::Key::Z}};
    while (!script.empty()) {
      if (script.front() != '{') {
        field->Character(static_cast<unsigned char>(script.front()));
        script.remove_prefix(1);
        continue;
      }
      const std::size_t close = script.find('}');
      ASSERT_NE(close, std::string_view::npos) << "unclosed key in script";
      std::string name(script.substr(1, close - 1));
      script.remove_prefix(close + 1);
      uint8_t modifiers = 0;
      for (const auto& [prefix, bits] :
           {std::pair<std::string, uint8_t>{"CS-", toolkit::kControl | toolkit::kShift},
            {"C-", toolkit::kControl},
            {"S-", toolkit::kShift}}) {
        if (name.rfind(prefix, 0) == 0) {
          modifiers = bits;
          name.erase(0, prefix.size());
          break;
        }
      }
      const auto key = kKeys.find(name);
      ASSERT_NE(key, kKeys.end()) << "unknown key " << name;
      EXPECT_TRUE(field->KeyDown(key->second, modifiers)) << "unhandled key " << name;
    }
  }

  std::string Painted() {
    RecordingBackend backend;
    toolkit::Canvas canvas(backend);
    field->Paint(canvas);
    return backend.AllText();
  }

  FakeHost host;
  app::LocaleTables locale;
  std::unique_ptr<convert::FixedText> variable;
  std::unique_ptr<MaskedEntryField> field;
};

}  // namespace window::testing
