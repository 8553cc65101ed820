// What a masked entry field outside any window talks to: a fake host that records what the
// field asks of its window, and a recording backend behind the canvas it paints on. Free of
// the test framework, so that the fuzz targets share them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/control.h"

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

}  // namespace window::testing
