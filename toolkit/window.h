// One top-level window built from a WindowDefinition: its controls, their focus, the dialog
// keys, the mouse capture, the caret blink, painting, and the window's event queue.
//
// The backend hands native messages to Dispatch one at a time. Focus changes are synchronous
// within the message that causes them; what controls and keys raise (accepted events, close
// requests) waits in the window's FIFO queue until the controller takes it.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/code_page.h"
#include "toolkit/backend.h"
#include "toolkit/control.h"
#include "toolkit/dialog_units.h"
#include "toolkit/window_definition.h"

namespace toolkit {

class PushButton;

struct WindowEvent {
  enum class Kind { Opened, Accepted, CloseRequest };
  Kind kind = Kind::Opened;
  int control = 0;  // Accepted: the control it is for
  bool operator==(const WindowEvent&) const = default;
};

class Window final : public ControlHost {
 public:
  // `definition` must outlive the window. Nothing is created until Open.
  Window(Backend& backend, const WindowDefinition& definition, EntryFactory entry_factory = {});
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Creates the fonts, the native window and the controls in definition order, shows the
  // window and queues the opened event. False when the window system refuses the window or
  // a control cannot be made; nothing is left open then.
  bool Open();
  // Destroys the controls, the fonts and the native window; the queue is emptied.
  void Close();
  bool IsOpen() const { return open_; }

  // One native message; what it raises is queued, not handled.
  void Dispatch(const NativeMessage& message);
  // Waits for the next native message, no longer than the caret's next blink, and
  // dispatches it; a wait that times out blinks the caret.
  void ProcessNextMessage();

  // The event queue.
  void PostAccepted(int control_number) override;
  void PostCloseRequest();
  std::optional<WindowEvent> TakeEvent();
  void DiscardEvents() { events_.clear(); }

  // Gives the control the focus; a control that cannot take it passes it to the next one in
  // tab order that can. An entry field also selects its whole text. In an inactive window
  // the control becomes the focus control and receives the focus on activation.
  void Select(int control_number);
  // The focus control's number, kept while the window is inactive; 0 when there is none.
  int FocusControl() const { return focus_ + 1; }
  // The control is the focus control and the window is active.
  bool HasFocus(int control_number) const;
  bool IsActive() const { return active_; }

  // The automatic redisplay: every control shows its variable's current value again.
  void RefreshAll();
  // Draws what has been invalidated since the last paint.
  void PaintPending();
  void InvalidateAll();
  // Off: draw straight to the window without an off-screen buffer.
  void SetBackBuffer(bool enabled);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // nullptr for a number outside 1..ControlCount() or while the window is not open.
  Control* ControlAt(int control_number);
  EntryControl* EntryAt(int control_number);
  const WindowDefinition& Definition() const { return definition_; }
  const DialogUnits& Units() const { return units_; }
  platform::CodePage CodePage() const { return code_page_; }

  // Placement, in dialog units of the window font: the outer (frame) top-left corner on the
  // screen, and the client size. The window is never resizable and cannot be maximized, so
  // SetMaximized asks for nothing.
  Point PositionDlu();
  void SetPositionDlu(Point position);
  // One axis only; the other keeps its position to the pixel.
  void SetHorizontalPositionDlu(int x);
  void SetVerticalPositionDlu(int y);
  // Moves the window the least way that leaves a grip of its title bar on the work area of a
  // monitor (see ReachablePosition); a window the user can take hold of stays where it is to
  // the pixel. For a position restored from earlier runs, made on monitors since unplugged
  // or at a larger screen size.
  void KeepReachable();
  Size SizeDlu() const { return definition_.client_size; }
  bool IsMinimized();
  void SetMinimized(bool minimized);
  bool IsMaximized() const { return false; }
  void SetMaximized(bool) {}
  bool IsResizable() const { return false; }

  // The background: the definition's colour, or the system's window colour when it gives
  // none. A colour set here becomes the window's own and reaches every control that shows
  // the window's background.
  bool HasOwnBackground() const { return background_.has_value(); }
  Color BackgroundColor() const;
  void SetBackgroundColor(Color color);
  // Gives one control a background of its own.
  void SetControlBackground(int control_number, Color color);

  // Replacements of the window's drawing (see VisualStyleAdapter): an overlay runs after
  // every paint of its control; the erase hook runs before the client area is erased. An
  // empty function removes the replacement.
  using PaintOverlay = std::function<void(Canvas&, Control&)>;
  void SetPaintOverlay(int control_number, PaintOverlay overlay);
  void SetEraseHook(std::function<void()> hook) { erase_hook_ = std::move(hook); }

  // ControlHost.
  void Beep() override { backend_.Beep(); }
  void SetClipboardText(std::string_view text) override;
  std::optional<std::string> GetClipboardText() override;
  int TextWidth(FontHandle font, std::string_view text) override;
  FontMetrics Metrics(FontHandle font) override;
  void Invalidate(Control& control) override;
  bool CaretVisible() const override { return active_ && caret_on_; }

 private:
  struct ControlSlot {
    std::unique_ptr<Control> control;
    ControlKind kind = ControlKind::StaticText;
    bool own_background = false;
    bool invalid = true;
    PaintOverlay overlay;
  };
  using Clock = std::chrono::steady_clock;

  // Building (window.cpp).
  FontHandle FontFor(const FontOverride& override);
  std::optional<Color> ColorFor(const FontOverride& override) const;
  bool CreateControl(const ControlDefinition& definition);
  std::vector<platform::IconImage> WindowIcon() const;
  Rect ClientRect() const;
  void PaintControl(Canvas& canvas, ControlSlot& slot);

  // Input and focus (window_input.cpp).
  bool HandleDialogKey(const NativeMessage& message);
  void MouseDown(const NativeMessage& message);
  void MouseUp(const NativeMessage& message);
  void Activate();
  void Deactivate();
  void MoveFocus(int direction, FocusCause cause);
  void ActivateDefaultButton();
  void RequestClose();
  void SetFocus(int index, FocusCause cause, Point at = {});
  void UpdateDefaultLook();
  void ReleaseCapture();
  int ControlIndexAt(Point at) const;
  bool Focusable(int index) const;
  PushButton* ButtonAt(int index);
  void RestartCaretBlink();
  int CaretTimeoutMs() const;
  void BlinkCaret();

  Backend& backend_;
  const WindowDefinition& definition_;
  EntryFactory entry_factory_;
  DialogUnits units_{BaseUnits{}};
  platform::CodePage code_page_ = platform::CodePage::Windows1252;
  std::optional<Color> background_;
  bool open_ = false;
  bool native_window_ = false;

  std::vector<std::pair<FontSpec, FontHandle>> fonts_;
  FontHandle window_font_ = 0;
  std::vector<ControlSlot> controls_;
  int default_button_ = -1;
  int focus_ = -1;
  int capture_ = -1;
  bool active_ = false;
  bool erase_pending_ = true;
  std::function<void()> erase_hook_;
  std::deque<WindowEvent> events_;

  bool caret_on_ = true;
  Clock::time_point caret_toggle_at_{};
};

}  // namespace toolkit
