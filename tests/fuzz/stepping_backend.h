// The headless backend with a hook between native messages: before each message is handed to
// the window (the previous one and everything it raised having been handled), the hook runs,
// so that a fuzz target can check the window's state after every step. The messages come from
// a list of steps, after any the headless backend queued itself (the activation on showing);
// a step may also change the clipboard from outside. Once the steps run out every wait gives
// a close request, as the window manager would.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/backend.h"
#include "toolkit/headless/headless_backend.h"

namespace fuzz {

struct Step {
  enum class Kind { Message, Timeout, Clipboard };
  Kind kind = Kind::Message;
  toolkit::NativeMessage message;
  std::string clipboard_utf8;
};

class SteppingBackend final : public toolkit::Backend {
 public:
  SteppingBackend(toolkit::headless::HeadlessBackend& inner, std::deque<Step> steps,
                  std::function<void()> between_messages)
      : inner_(inner), steps_(std::move(steps)), between_messages_(std::move(between_messages)) {}

  // How many waits were answered, closes at the end included.
  int Waits() const { return waits_; }

  std::optional<toolkit::NativeMessage> WaitMessage(int timeout_ms) override {
    ++waits_;
    between_messages_();
    if (inner_.PendingMessages() > 0) return inner_.WaitMessage(timeout_ms);
    while (!steps_.empty()) {
      Step step = std::move(steps_.front());
      steps_.pop_front();
      switch (step.kind) {
        case Step::Kind::Message:
          return step.message;
        case Step::Kind::Timeout:
          return std::nullopt;
        case Step::Kind::Clipboard:
          inner_.SetClipboardFromOutside(std::move(step.clipboard_utf8));
          break;
      }
    }
    return toolkit::NativeMessage{.kind = toolkit::MessageKind::CloseRequest};
  }

  bool CreateWindow(const toolkit::NativeWindowSpec& wanted) override {
    return inner_.CreateWindow(wanted);
  }
  void DestroyWindow() override { inner_.DestroyWindow(); }
  void ShowWindow() override { inner_.ShowWindow(); }
  toolkit::Point GetOuterPosition() override { return inner_.GetOuterPosition(); }
  void SetOuterPosition(toolkit::Point outer) override { inner_.SetOuterPosition(outer); }
  bool IsMinimized() override { return inner_.IsMinimized(); }
  void SetMinimized(bool minimized) override { inner_.SetMinimized(minimized); }
  std::vector<toolkit::Rect> MonitorWorkAreas() override { return inner_.MonitorWorkAreas(); }
  void WakeForClose() override { inner_.WakeForClose(); }
  int CaretBlinkMs() override { return inner_.CaretBlinkMs(); }
  toolkit::FontHandle CreateFont(const toolkit::FontSpec& wanted) override {
    return inner_.CreateFont(wanted);
  }
  void DestroyFont(toolkit::FontHandle font) override { inner_.DestroyFont(font); }
  toolkit::FontMetrics GetFontMetrics(toolkit::FontHandle font) override {
    return inner_.GetFontMetrics(font);
  }
  int TextWidth(toolkit::FontHandle font, std::string_view text) override {
    return inner_.TextWidth(font, text);
  }
  void SetBackBuffer(bool enabled) override { inner_.SetBackBuffer(enabled); }
  void BeginPaint() override { inner_.BeginPaint(); }
  void EndPaint() override { inner_.EndPaint(); }
  void FillRect(toolkit::Rect rect, toolkit::Color color) override { inner_.FillRect(rect, color); }
  void DrawText(toolkit::FontHandle font, toolkit::Point top_left, std::string_view text,
                toolkit::Color color) override {
    inner_.DrawText(font, top_left, text, color);
  }
  void DrawIcon(const platform::IconImage& image, toolkit::Point top_left) override {
    inner_.DrawIcon(image, top_left);
  }
  bool DrawStyledEditBorder(toolkit::Rect bounds, bool focused) override {
    return inner_.DrawStyledEditBorder(bounds, focused);
  }
  void SetClipboardText(std::string_view utf8) override { inner_.SetClipboardText(utf8); }
  std::optional<std::string> GetClipboardText() override { return inner_.GetClipboardText(); }
  void Beep() override { inner_.Beep(); }

 private:
  toolkit::headless::HeadlessBackend& inner_;
  std::deque<Step> steps_;
  std::function<void()> between_messages_;
  int waits_ = 0;
};

}  // namespace fuzz
