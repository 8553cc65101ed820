// The one narrow interface between the toolkit and a native window system.
//
// A backend drives at most one top-level window at a time. It translates native input into
// NativeMessage values and hands them out one at a time through WaitMessage; it never calls a
// control or decides focus. Texts cross this interface as 8-bit bytes in the code page of the
// window (keyboard text, caption) or of the font (drawn text); the clipboard is UTF-8.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/icon_file.h"
#include "platform/system_icon.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"
#include "toolkit/native_message.h"

namespace toolkit {

struct NativeWindowSpec {
  Size client_size;     // pixels; the window is never resizable
  std::string caption;  // in code_page
  platform::CodePage code_page = platform::CodePage::Windows1251;  // caption and keyboard text
  std::vector<platform::IconImage> icons;
  // The default application icon as the system loaded it, for a window that shows it for want
  // of an icon of its own; nullptr otherwise. It outlives the window.
  const platform::SystemIcon* system_icon = nullptr;
  Color background;        // what the window shows before it is first painted
  std::string class_name;  // resource/class name (WM_CLASS on X11)
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Window. CreateWindow returns false when the window system refuses the window.
  virtual bool CreateWindow(const NativeWindowSpec& wanted) = 0;
  virtual void DestroyWindow() = 0;
  virtual void ShowWindow() = 0;
  // The outer (frame) top-left corner on the screen, in pixels.
  virtual Point GetOuterPosition() = 0;
  virtual void SetOuterPosition(Point outer) = 0;
  virtual bool IsMinimized() = 0;
  virtual void SetMinimized(bool minimized) = 0;
  // The work area of each monitor, the part its panels and task bars leave to windows, in the
  // coordinates of Get/SetOuterPosition. Empty when the window system tells nothing of its
  // monitors.
  virtual std::vector<Rect> MonitorWorkAreas() = 0;

  // Events and waiting. Returns the next message, or nothing when timeout_ms passed first
  // (a negative timeout waits without limit).
  virtual std::optional<NativeMessage> WaitMessage(int timeout_ms) = 0;
  // Async-signal-safe: makes WaitMessage return a CloseRequest soon, from any context.
  virtual void WakeForClose() = 0;
  virtual int CaretBlinkMs() = 0;

  // Fonts and text. The requested charset is resolved (never kDefaultCharset) and decides the
  // code page of every text drawn or measured with the font. Fonts are created and measured
  // before CreateWindow, since the window's size comes from its font.
  virtual FontHandle CreateFont(const FontSpec& wanted) = 0;
  virtual void DestroyFont(FontHandle font) = 0;
  virtual FontMetrics GetFontMetrics(FontHandle font) = 0;
  virtual int TextWidth(FontHandle font, std::string_view text) = 0;

  // Drawing, between BeginPaint and EndPaint, in client coordinates.
  virtual void SetBackBuffer(bool enabled) = 0;  // off: draw straight to the window
  virtual void BeginPaint() = 0;
  virtual void EndPaint() = 0;
  virtual void FillRect(Rect rect, Color color) = 0;
  // `top_left` is the top-left corner of the text's cell (the baseline is ascent below it).
  virtual void DrawText(FontHandle font, Point top_left, std::string_view text, Color color) = 0;
  virtual void DrawIcon(const platform::IconImage& image, Point top_left) = 0;
  // Draws the two-pixel border of an entry field at `bounds` as the platform's visual style
  // draws an edit box, leaving the inside alone; false where the window system has no
  // renderer of its visual style, and the toolkit then draws a border of its own.
  virtual bool DrawStyledEditBorder(Rect bounds, bool focused) = 0;

  // Clipboard (plain text, UTF-8) and beep.
  virtual void SetClipboardText(std::string_view utf8) = 0;
  virtual std::optional<std::string> GetClipboardText() = 0;
  virtual void Beep() = 0;
};

enum class BackendKind { Native, Headless };

// The native backend of this build (X11 on Linux) or the scripted headless one. Nothing when
// the native window system cannot be reached; `error` then says why.
std::unique_ptr<Backend> CreateBackend(BackendKind kind, std::string* error = nullptr);

}  // namespace toolkit
