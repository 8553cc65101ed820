// The scripted backend: no window system, deterministic font metrics, and a record of what
// was drawn where.
//
// Supports: one window at a time; a script of native messages (and timeouts) handed out in
// order, ending in a close request once it runs out; fonts in which every character has the
// same width and height; a client-area picture of filled pixels and of the characters drawn
// over them, so that tests can read the text a control shows; an in-memory clipboard; a beep
// counter; outer position and minimized state; the monitors' work areas a test gives.
// Does not: clip drawing to anything but the client area, render glyphs, or blend icon images
// (a pixel is drawn when its alpha is at least half).
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/backend.h"

namespace toolkit::headless {

struct HeadlessOptions {
  int char_width = 8;  // so that the base units are char_width x (ascent + descent)
  int ascent = 13;
  int descent = 3;
  int caret_blink_ms = 500;
  // Showing the window activates it, as a window manager would: an Activated message is put
  // at the head of the script.
  bool activate_on_show = true;
  // The default position of a new window's frame.
  Point default_position{100, 80};
  // What MonitorWorkAreas reports: one 1024 x 768 monitor without panels.
  std::vector<Rect> work_areas{{0, 0, 1024, 768}};
};

// A character that shows in the client area, with the cell it was drawn in.
struct ShownChar {
  char c = 0;
  Rect cell;
  Color color;
  FontHandle font = 0;
};

class HeadlessBackend final : public Backend {
 public:
  explicit HeadlessBackend(HeadlessOptions options = {});

  // The script.
  void Push(const NativeMessage& message);
  // WaitMessage returns nothing once, as if its timeout had passed.
  void PushTimeout();
  void PushKeyDown(Key key, uint8_t modifiers = 0, std::string text = {});
  void PushKeyUp(Key key, uint8_t modifiers = 0);
  // A key down and up.
  void PushKey(Key key, uint8_t modifiers = 0, std::string text = {});
  // One key press per byte, each producing that byte (a blank is the Space key).
  void PushText(std::string_view text);
  void PushMouseDown(Point at, uint8_t modifiers = 0, int button = 1);
  void PushMouseUp(Point at, uint8_t modifiers = 0, int button = 1);
  void PushMouseMove(Point at, uint8_t modifiers = 0);
  void PushDoubleClick(Point at, uint8_t modifiers = 0);
  // A mouse down and up at the same point.
  void PushClick(Point at, uint8_t modifiers = 0);
  void PushActivated() { PushKind(MessageKind::Activated); }
  void PushDeactivated() { PushKind(MessageKind::Deactivated); }
  void PushCloseRequest() { PushKind(MessageKind::CloseRequest); }
  void PushExpose() { PushKind(MessageKind::Expose); }
  std::size_t PendingMessages() const { return script_.size(); }
  // How many messages and timeouts WaitMessage has handed out.
  int MessagesTaken() const { return taken_; }
  // WaitMessage found the script empty and returned a close request of its own.
  bool ScriptExhausted() const { return exhausted_; }

  // The window.
  bool HasWindow() const { return has_window_; }
  bool IsShown() const { return shown_; }
  const NativeWindowSpec& WindowSpec() const { return wanted_; }
  bool BackBuffer() const { return back_buffer_; }
  // Fails the next CreateWindow, as a window system that refuses the window would.
  void RefuseNextWindow() { refuse_window_ = true; }

  // What the client area shows.
  Color PixelAt(Point at) const;
  // The characters whose cells' centres lie in `area`, top to bottom and left to right.
  std::vector<ShownChar> CharsIn(Rect area) const;
  // Those characters as one text.
  std::string TextIn(Rect area) const;
  int PaintCount() const { return paint_count_; }

  // Fonts: what each handle was created for, and how many are still alive.
  const FontSpec& FontSpecOf(FontHandle font) const;
  int LiveFonts() const;

  std::optional<std::string> Clipboard() const { return clipboard_; }
  void SetClipboardFromOutside(std::string utf8) { clipboard_ = std::move(utf8); }
  int BeepCount() const { return beeps_; }

  // Backend.
  bool CreateWindow(const NativeWindowSpec& wanted) override;
  void DestroyWindow() override;
  void ShowWindow() override;
  Point GetOuterPosition() override { return position_; }
  void SetOuterPosition(Point outer) override { position_ = outer; }
  bool IsMinimized() override { return minimized_; }
  void SetMinimized(bool minimized) override { minimized_ = minimized; }
  std::vector<Rect> MonitorWorkAreas() override { return options_.work_areas; }
  // Monitors plugged in or out, or a screen resized, while the backend lives.
  void SetWorkAreas(std::vector<Rect> work_areas) { options_.work_areas = std::move(work_areas); }
  std::optional<NativeMessage> WaitMessage(int timeout_ms) override;
  void WakeForClose() override { wake_for_close_ = true; }
  int CaretBlinkMs() override { return options_.caret_blink_ms; }
  FontHandle CreateFont(const FontSpec& wanted) override;
  void DestroyFont(FontHandle font) override;
  FontMetrics GetFontMetrics(FontHandle font) override;
  int TextWidth(FontHandle font, std::string_view text) override;
  void SetBackBuffer(bool enabled) override { back_buffer_ = enabled; }
  void BeginPaint() override { ++paint_count_; }
  void EndPaint() override {}
  void FillRect(Rect rect, Color color) override;
  void DrawText(FontHandle font, Point top_left, std::string_view text, Color color) override;
  void DrawIcon(const platform::IconImage& image, Point top_left) override;
  // Like X11, without a renderer of a visual style: the toolkit's own border is drawn.
  bool DrawStyledEditBorder(Rect, bool) override { return false; }
  void SetClipboardText(std::string_view utf8) override { clipboard_ = std::string(utf8); }
  std::optional<std::string> GetClipboardText() override { return clipboard_; }
  void Beep() override { ++beeps_; }

 private:
  struct Pixel {
    Color color{};
    // The character drawn over this pixel and the top-left corner of its cell; 0 for none.
    char glyph = 0;
    bool has_glyph = false;
    Point cell{};
    Color glyph_color{};
    FontHandle font = 0;
  };
  struct FontEntry {
    FontSpec wanted;
    bool alive = true;
  };

  void PushKind(MessageKind kind);
  void PushMouse(MessageKind kind, Point at, uint8_t modifiers, int button);
  Pixel* PixelPtr(int x, int y);
  const Pixel* PixelPtr(int x, int y) const;

  HeadlessOptions options_;
  std::deque<std::optional<NativeMessage>> script_;
  int taken_ = 0;
  bool exhausted_ = false;
  std::atomic<bool> wake_for_close_{false};

  bool has_window_ = false;
  bool shown_ = false;
  bool refuse_window_ = false;
  NativeWindowSpec wanted_;
  Point position_;
  bool minimized_ = false;
  bool back_buffer_ = true;
  std::vector<Pixel> pixels_;
  int paint_count_ = 0;

  std::vector<FontEntry> fonts_;
  std::optional<std::string> clipboard_;
  int beeps_ = 0;
};

}  // namespace toolkit::headless
