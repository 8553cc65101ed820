// The Win32 backend: one top-level window of a Unicode window class, drawn with GDI.
//
// Supports: every member of toolkit::Backend. The window procedure translates input into the
// toolkit's messages and queues them in the message pump; the close box, Close in the system
// menu, Alt+F4 and the window manager's close all come as WM_CLOSE and become a close request
// (WM_CLOSE never reaches DefWindowProcW, which would destroy the window under the toolkit);
// WM_PAINT asks the toolkit to paint; WM_THEMECHANGED opens the visual style again; the end of
// the session (WM_QUERYENDSESSION, WM_ENDSESSION) closes the window as the user would, before
// the system may end the process. The caret blinks at the user's GetCaretBlinkTime.
// Does not yet: a DPI change while the window is open (WM_DPICHANGED).

#include "toolkit/native_backend.h"
#include "toolkit/win32/clipboard.h"
#include "toolkit/win32/event_translator.h"
#include "toolkit/win32/fonts.h"
#include "toolkit/win32/message_pump.h"
#include "toolkit/win32/painter.h"
#include "toolkit/win32/top_level_window.h"
#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {
namespace {

NativeMessage MessageOf(MessageKind kind) {
  NativeMessage message;
  message.kind = kind;
  return message;
}

class Win32Backend final : public Backend {
 public:
  Win32Backend() : painter_(fonts_) {}
  ~Win32Backend() override { DestroyWindow(); }

  bool CreateWindow(const NativeWindowSpec& wanted) override {
    DestroyWindow();
    if (!window_.Create(wanted, &Win32Backend::Procedure, this)) return false;
    translator_.Reset(window_.handle(), wanted.code_page);
    painter_.Attach(window_.handle(), window_.client_size());
    clipboard_.AttachWindow(window_.handle());
    return true;
  }

  void DestroyWindow() override {
    if (window_.handle() == nullptr) return;
    painter_.Attach(nullptr, {});
    clipboard_.AttachWindow(nullptr);
    window_.Destroy();
  }

  void ShowWindow() override { window_.Show(); }
  Point GetOuterPosition() override { return window_.OuterPosition(); }
  void SetOuterPosition(Point outer) override { window_.SetOuterPosition(outer); }
  bool IsMinimized() override { return window_.Minimized(); }
  void SetMinimized(bool minimized) override { window_.SetMinimized(minimized); }
  std::vector<Rect> MonitorWorkAreas() override { return win32::MonitorWorkAreas(); }

  std::optional<NativeMessage> WaitMessage(int timeout_ms) override {
    return pump_.Wait(timeout_ms);
  }
  void WakeForClose() override { pump_.Wake(); }
  int CaretBlinkMs() override {
    // INFINITE means no blinking; the toolkit then keeps the caret shown.
    const UINT blink = GetCaretBlinkTime();
    return blink == INFINITE || blink > 10000 ? 0 : static_cast<int>(blink);
  }

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
  bool DrawStyledEditBorder(Rect bounds, bool focused) override {
    return painter_.DrawEditBorder(bounds, focused);
  }

  void SetClipboardText(std::string_view utf8) override { clipboard_.SetText(utf8); }
  std::optional<std::string> GetClipboardText() override { return clipboard_.GetText(); }
  void Beep() override { MessageBeep(MB_OK); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  FontTable fonts_;
  Painter painter_;
  Clipboard clipboard_;
  TopLevelWindow window_;
  EventTranslator translator_;
  MessagePump pump_;
};

LRESULT CALLBACK Win32Backend::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Backend*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  return self->Handle(window, message, wparam, lparam);
}

LRESULT Win32Backend::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (const auto translation = translator_.Translate(message, wparam, lparam)) {
    if (translation->message) pump_.Push(*translation->message);
    return translation->pass_on ? DefWindowProcW(window, message, wparam, lparam) : 0;
  }
  switch (message) {
    case WM_CLOSE:
      pump_.Push(MessageOf(MessageKind::CloseRequest));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      if (::BeginPaint(window, &paint) != nullptr) ::EndPaint(window, &paint);
      pump_.Push(MessageOf(MessageKind::Expose));
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the toolkit's paint covers the whole client area
    case WM_THEMECHANGED:
      painter_.ThemeChanged();
      pump_.Push(MessageOf(MessageKind::Expose));
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wparam) pump_.EndSession();
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace
}  // namespace toolkit::win32

namespace toolkit {

std::unique_ptr<Backend> CreateNativeBackend(std::string* /*error*/) {
  // Every Windows session has its window station: there is nothing that could be missing.
  return std::make_unique<win32::Win32Backend>();
}

}  // namespace toolkit
