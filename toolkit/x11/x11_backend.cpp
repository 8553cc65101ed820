// The X11 backend: one top-level window on the default screen of $DISPLAY.
//
// Supports: every member of toolkit::Backend. Waiting polls the X connection together with the
// wake-up pipe, so a signal handler's WakeForClose ends a wait at once; the window manager's
// WM_DELETE_WINDOW, the wake-up and a lost connection all arrive as a CloseRequest. Pointer
// motion is compressed to its latest position and exposures to one Expose per burst;
// _NET_WM_PING is answered; keyboard mapping changes (MappingNotify) are taken in.
// Does not yet: the caret blink time of the desktop settings (the classic 530 ms is used).

#include <chrono>

#include "toolkit/native_backend.h"
#include "toolkit/x11/clipboard.h"
#include "toolkit/x11/connection.h"
#include "toolkit/x11/event_translator.h"
#include "toolkit/x11/fonts.h"
#include "toolkit/x11/input_method.h"
#include "toolkit/x11/monitors.h"
#include "toolkit/x11/painter.h"
#include "toolkit/x11/top_level_window.h"
#include "toolkit/x11/xlib.h"

namespace toolkit::x11 {
namespace {

constexpr int kCaretBlinkMs = 530;

NativeMessage MessageOf(MessageKind kind) {
  NativeMessage message;
  message.kind = kind;
  return message;
}

class X11Backend final : public Backend {
 public:
  explicit X11Backend(std::unique_ptr<Connection> connection)
      : connection_(std::move(connection)),
        input_method_(*connection_),
        fonts_(*connection_),
        painter_(*connection_, fonts_),
        clipboard_(*connection_),
        window_(*connection_),
        translator_(*connection_, input_method_) {
    // Held keys repeat as presses only, without a release between them, as on the platform
    // the toolkit comes from; a Space held on a button then activates it once.
    XkbSetDetectableAutoRepeat(connection_->display(), True, nullptr);
  }

  ~X11Backend() override { DestroyWindow(); }

  bool CreateWindow(const NativeWindowSpec& wanted) override {
    if (!window_.Create(wanted)) return false;
    translator_.Reset(wanted.code_page);
    input_method_.AttachWindow(window_.id(), TopLevelWindow::kEventMask);
    painter_.Attach(window_.id(), window_.client_size());
    clipboard_.AttachWindow(window_.id());
    return true;
  }

  void DestroyWindow() override {
    if (window_.id() == None) return;
    // A number copied just before closing stays pasteable where a clipboard manager runs.
    clipboard_.HandOver();
    clipboard_.AttachWindow(None);
    input_method_.AttachWindow(None, 0);
    painter_.Attach(None, {});
    window_.Destroy();
  }

  void ShowWindow() override { window_.Show(); }
  Point GetOuterPosition() override { return window_.OuterPosition(); }
  void SetOuterPosition(Point outer) override { window_.SetOuterPosition(outer); }
  bool IsMinimized() override { return window_.Minimized(); }
  void SetMinimized(bool minimized) override { window_.SetMinimized(minimized); }
  std::vector<Rect> MonitorWorkAreas() override { return x11::MonitorWorkAreas(*connection_); }

  std::optional<NativeMessage> WaitMessage(int timeout_ms) override {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    Display* display = connection_->display();
    for (;;) {
      if (connection_->Lost() || connection_->TakeWake()) {
        return MessageOf(MessageKind::CloseRequest);
      }
      while (!connection_->Lost() && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (auto message = Handle(event)) return message;
      }
      if (connection_->Lost()) continue;
      int wait_ms = -1;
      if (timeout_ms >= 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return std::nullopt;
        wait_ms = static_cast<int>(left);
      }
      connection_->Wait(wait_ms);
    }
  }

  void WakeForClose() override { connection_->Wake(); }
  int CaretBlinkMs() override { return kCaretBlinkMs; }

  FontHandle CreateFont(const FontSpec& wanted) override { return fonts_.Create(wanted); }
  void DestroyFont(FontHandle font) override { fonts_.Destroy(font); }
  FontMetrics GetFontMetrics(FontHandle font) override { return fonts_.Metrics(font); }
  int TextWidth(FontHandle font, std::string_view text) override {
    return fonts_.TextWidth(font, text);
  }

  void SetBackBuffer(bool enabled) override { painter_.SetBackBuffer(enabled); }
  void BeginPaint() override { painter_.Begin(); }
  void EndPaint() override { painter_.End(); }
  void FillRect(Rect rect, Color color) override { painter_.FillRect(rect, color); }
  void DrawText(FontHandle font, Point top_left, std::string_view text, Color color) override {
    painter_.DrawText(font, top_left, text, color);
  }
  void DrawIcon(const platform::IconImage& image, Point top_left) override {
    painter_.DrawIcon(image, top_left);
  }
  // X11 has no visual-style renderer; the toolkit draws the style's border itself.
  bool DrawStyledEditBorder(Rect, bool) override { return false; }

  void SetClipboardText(std::string_view utf8) override { clipboard_.SetText(utf8); }
  std::optional<std::string> GetClipboardText() override { return clipboard_.GetText(); }
  void Beep() override {
    XBell(connection_->display(), 0);
    XFlush(connection_->display());
  }

 private:
  std::optional<NativeMessage> Handle(XEvent& event);
  std::optional<NativeMessage> OnClientMessage(const XClientMessageEvent& event);

  std::unique_ptr<Connection> connection_;
  InputMethod input_method_;
  FontTable fonts_;
  Painter painter_;
  Clipboard clipboard_;
  TopLevelWindow window_;
  EventTranslator translator_;
};

std::optional<NativeMessage> X11Backend::Handle(XEvent& event) {
  connection_->NoteTime(event);
  if (input_method_.Filter(event)) return std::nullopt;
  Display* display = connection_->display();
  const Window window = window_.id();
  if (clipboard_.HandleEvent(event)) return std::nullopt;
  if (event.type == MappingNotify) {
    if (event.xmapping.request != MappingPointer) XRefreshKeyboardMapping(&event.xmapping);
    return std::nullopt;
  }
  if (window == None || event.xany.window != window) return std::nullopt;
  switch (event.type) {
    case kExposeEvent:
      if (event.xexpose.count != 0) return std::nullopt;
      // Every paint covers the whole client area, so exposures already queued add nothing.
      while (XCheckTypedWindowEvent(display, window, kExposeEvent, &event)) {
      }
      return MessageOf(MessageKind::Expose);
    case MotionNotify:
      while (XEventsQueued(display, QueuedAfterReading) > 0) {
        XEvent next;
        XPeekEvent(display, &next);
        if (next.type != MotionNotify || next.xmotion.window != window) break;
        XNextEvent(display, &event);
      }
      return translator_.Translate(event);
    case ClientMessage:
      return OnClientMessage(event.xclient);
    case ConfigureNotify:
      window_.NoteConfigure();
      return std::nullopt;
    default:
      return translator_.Translate(event);
  }
}

std::optional<NativeMessage> X11Backend::OnClientMessage(const XClientMessageEvent& event) {
  const Atoms& atoms = connection_->atoms();
  if (event.message_type != atoms.wm_protocols || event.format != 32) return std::nullopt;
  const auto protocol = static_cast<Atom>(event.data.l[0]);
  if (protocol == atoms.wm_delete_window) return MessageOf(MessageKind::CloseRequest);
  if (protocol == atoms.net_wm_ping) {
    // EWMH: the reply is the same message sent back to the root window.
    XEvent reply;
    reply.xclient = event;
    reply.xclient.window = connection_->root();
    XSendEvent(connection_->display(), connection_->root(), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &reply);
  }
  return std::nullopt;
}

}  // namespace
}  // namespace toolkit::x11

namespace toolkit {

std::unique_ptr<Backend> CreateNativeBackend(std::string* error) {
  auto connection = x11::Connection::Open(error);
  if (!connection) return nullptr;
  return std::make_unique<x11::X11Backend>(std::move(connection));
}

}  // namespace toolkit
