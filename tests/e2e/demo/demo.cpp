// A test-only window for the end-to-end harness: a label, a plain entry field and a button,
// drawn straight on the backend. Everything it receives that a test checks is printed on
// stdout, one line each:
//   focus entry|button     accepted <hex bytes of the entry>     button     pasted <bytes>
//   double click <button>  activated|deactivated  minimized <0|1>  restored <0|1>  close escape|request  outer X,Y
// Keys: Tab/Shift+Tab move the focus, Enter accepts, Esc closes, Ctrl+A/C/V select all, copy
// and paste, Ctrl+Z minimizes the window, reports, and restores it a second later.
// Usage: renumera_e2e_demo [--at X,Y] [--back-buffer]
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/code_page.h"
#include "platform/cp1251_literal.h"
#include "toolkit/resources.h"
#include "toolkit/x11/x11_backend.h"

using platform::operator""_cp1251;
using namespace toolkit;

namespace {

constexpr Color kFace{212, 208, 200}, kWhite{255, 255, 255}, kShadow{128, 128, 128},
    kDarkShadow{64, 64, 64}, kBlack{0, 0, 0}, kRed{255, 0, 0}, kMaroon{128, 0, 0},
    kHighlight{10, 36, 106};
constexpr Rect kEntry{96, 12, 190, 26}, kButton{110, 62, 100, 30};
constexpr Point kLabel{12, 16}, kIcon{24, 62};

Backend* g_backend = nullptr;

void OnTerminate(int) { g_backend->WakeForClose(); }

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string Hex(std::string_view bytes) {
  std::string hex;
  char part[4];
  for (unsigned char c : bytes) {
    std::snprintf(part, sizeof part, hex.empty() ? "%02x" : " %02x", c);
    hex += part;
  }
  return hex;
}

// The images of a built-in icon file; none when it is missing or unreadable.
std::vector<platform::IconImage> BuiltInIcon(std::string_view name) {
  auto images = platform::ReadIconFile(FindResource(name));
  return images ? std::move(*images) : std::vector<platform::IconImage>{};
}

// Two-pixel edges: top-left and bottom-right colours of the outer, then the inner ring.
void Edge(Backend& b, Rect r, Color outer_tl, Color outer_br, Color inner_tl, Color inner_br) {
  for (int ring = 0; ring < 2; ++ring) {
    const Color tl = ring == 0 ? outer_tl : inner_tl, br = ring == 0 ? outer_br : inner_br;
    const Rect in{r.x + ring, r.y + ring, r.width - 2 * ring, r.height - 2 * ring};
    b.FillRect({in.x, in.y, in.width - 1, 1}, tl);
    b.FillRect({in.x, in.y, 1, in.height - 1}, tl);
    b.FillRect({in.x, in.y + in.height - 1, in.width, 1}, br);
    b.FillRect({in.x + in.width - 1, in.y, 1, in.height}, br);
  }
}

class Demo {
 public:
  explicit Demo(Backend& backend) : b_(backend) {}

  bool Open(const Point* at, bool back_buffer) {
    NativeWindowSpec spec;
    spec.client_size = {300, 110};
    spec.caption = std::string("Демо окно"_cp1251);
    spec.background = kFace;
    spec.class_name = "renumera-demo";
    spec.icons = BuiltInIcon("Emblem_multi.ico");
    if (!b_.CreateWindow(spec)) return false;
    label_font_ = b_.CreateFont({"Arial", 10, 400, 204});
    entry_font_ = b_.CreateFont({"Arial", 12, 700, 204});
    button_font_ = b_.CreateFont({"Arial", 10, 700, 204});
    const auto arrows = BuiltInIcon("down.ico");
    if (const platform::IconImage* arrow = platform::BestIcon(arrows, 32)) icon_ = *arrow;
    b_.SetBackBuffer(back_buffer);
    b_.ShowWindow();
    if (at != nullptr) b_.SetOuterPosition(*at);
    return true;
  }

  int Run() {
    for (;;) {
      const auto message = b_.WaitMessage(b_.CaretBlinkMs());
      if (!message) {
        caret_on_ = !caret_on_;
        Paint();
        continue;
      }
      if (!Handle(*message)) break;
    }
    const Point outer = b_.GetOuterPosition();
    Say("outer " + std::to_string(outer.x) + "," + std::to_string(outer.y));
    b_.DestroyWindow();
    return 0;
  }

 private:
  // False when the window is to close.
  bool Handle(const NativeMessage& m) {
    switch (m.kind) {
      case MessageKind::CloseRequest: Say("close request"); return false;
      case MessageKind::Activated: Say("activated"); active_ = true; break;
      case MessageKind::Deactivated: Say("deactivated"); active_ = false; break;
      case MessageKind::KeyDown:
        if (!KeyDown(m)) return false;
        break;
      case MessageKind::KeyUp:
        if (m.key == Key::Space && on_button_ && space_held_) Say("button");
        space_held_ = false;
        break;
      case MessageKind::MouseDown:
      case MessageKind::MouseDoubleClick:
        if (m.kind == MessageKind::MouseDoubleClick) Say("double click " + std::to_string(m.button));
        if (m.button != 1) break;
        if (kButton.Contains(m.point)) {
          SetFocus(true);
          pressed_ = true;
        } else if (kEntry.Contains(m.point)) {
          SetFocus(false);
          selected_ = m.kind == MessageKind::MouseDoubleClick;
        }
        break;
      case MessageKind::MouseUp:
        if (pressed_ && kButton.Contains(m.point)) Say("button");
        pressed_ = false;
        break;
      case MessageKind::MouseMove:
      case MessageKind::Expose: break;
    }
    Paint();
    return true;
  }

  bool KeyDown(const NativeMessage& m) {
    const bool ctrl = m.modifiers & kControl;
    if (m.key == Key::Escape) {
      Say("close escape");
      return false;
    }
    if (m.key == Key::Tab) SetFocus(!on_button_);
    else if (m.key == Key::Enter) Say("accepted " + Hex(text_));
    else if (on_button_ && m.key == Key::Space) space_held_ = true;
    else if (ctrl && m.key == Key::Z) MinimizeAndRestore();
    else if (on_button_) return true;
    else if (ctrl && m.key == Key::A) selected_ = true;
    else if (ctrl && m.key == Key::C) b_.SetClipboardText(platform::ToUtf8(platform::CodePage::Windows1251, text_));
    else if (ctrl && m.key == Key::V) Paste();
    else if (m.key == Key::Backspace) Erase();
    else if (!m.text.empty()) Insert(m.text);
    return true;
  }

  void SetFocus(bool button) {
    if (on_button_ == button) return;
    on_button_ = button;
    Say(button ? "focus button" : "focus entry");
  }

  void Insert(const std::string& bytes) {
    if (selected_) text_.clear();
    selected_ = false;
    text_ += bytes;
  }

  void Erase() {
    if (selected_) text_.clear();
    else if (!text_.empty()) text_.pop_back();
    selected_ = false;
  }

  void Paste() {
    const auto utf8 = b_.GetClipboardText();
    if (!utf8) return b_.Beep();
    bool dropped = false;
    const std::string bytes = platform::FromUtf8(platform::CodePage::Windows1251, *utf8, &dropped);
    if (dropped) b_.Beep();
    Insert(bytes);
    Say("pasted " + std::to_string(bytes.size()));
  }

  void MinimizeAndRestore() {
    b_.SetMinimized(true);
    Say("minimized " + std::to_string(b_.IsMinimized()));
    for (int i = 0; i < 10; ++i) {
      if (auto m = b_.WaitMessage(100); m && m->kind == MessageKind::CloseRequest) return;
    }
    b_.SetMinimized(false);
    Say("restored " + std::to_string(b_.IsMinimized()));
  }

  void Paint() {
    b_.BeginPaint();
    b_.FillRect({0, 0, 300, 110}, kFace);
    b_.DrawText(label_font_, kLabel, "Номер:"_cp1251, kBlack);
    b_.DrawIcon(icon_, kIcon);

    // The entry: a sunken field, its text, and the caret or the selection.
    Edge(b_, kEntry, kShadow, kWhite, kDarkShadow, kFace);
    const Rect inside{kEntry.x + 2, kEntry.y + 2, kEntry.width - 4, kEntry.height - 4};
    b_.FillRect(inside, kWhite);
    const FontMetrics metrics = b_.GetFontMetrics(entry_font_);
    const Point text_at{inside.x + 2, inside.y + (inside.height - metrics.height) / 2};
    const int width = b_.TextWidth(entry_font_, text_);
    const bool focused = active_ && !on_button_;
    if (focused && selected_ && !text_.empty()) {
      b_.FillRect({text_at.x, text_at.y, width, metrics.height}, kHighlight);
      b_.DrawText(entry_font_, text_at, text_, kWhite);
    } else {
      b_.DrawText(entry_font_, text_at, text_, kRed);
      if (focused && caret_on_) b_.FillRect({text_at.x + width, text_at.y, 1, metrics.height}, kBlack);
    }

    // The default button: a black frame around a raised face, a dotted focus rectangle.
    b_.FillRect(kButton, kBlack);
    const Rect face{kButton.x + 1, kButton.y + 1, kButton.width - 2, kButton.height - 2};
    Edge(b_, face, kWhite, kDarkShadow, kFace, kShadow);
    b_.FillRect({face.x + 2, face.y + 2, face.width - 4, face.height - 4}, kFace);
    const std::string_view caption = "Готово"_cp1251;
    const FontMetrics bm = b_.GetFontMetrics(button_font_);
    b_.DrawText(button_font_,
                {face.x + (face.width - b_.TextWidth(button_font_, caption)) / 2,
                 face.y + (face.height - bm.height) / 2},
                caption, kMaroon);
    if (active_ && on_button_) {
      const Rect dots{face.x + 3, face.y + 3, face.width - 6, face.height - 6};
      for (int x = dots.x; x < dots.x + dots.width; x += 2) {
        b_.FillRect({x, dots.y, 1, 1}, kBlack);
        b_.FillRect({x, dots.y + dots.height - 1, 1, 1}, kBlack);
      }
      for (int y = dots.y; y < dots.y + dots.height; y += 2) {
        b_.FillRect({dots.x, y, 1, 1}, kBlack);
        b_.FillRect({dots.x + dots.width - 1, y, 1, 1}, kBlack);
      }
    }
    b_.EndPaint();
  }

  Backend& b_;
  FontHandle label_font_ = 0, entry_font_ = 0, button_font_ = 0;
  platform::IconImage icon_;
  std::string text_;  // Windows-1251
  bool selected_ = false, on_button_ = false, active_ = false, caret_on_ = true;
  bool pressed_ = false, space_held_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  Point at;
  bool placed = false;
  bool back_buffer = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--back-buffer") == 0) {
      back_buffer = true;
    } else if (std::strcmp(argv[i], "--at") == 0 && i + 1 < argc &&
               std::sscanf(argv[i + 1], "%d,%d", &at.x, &at.y) == 2) {
      placed = true;
      ++i;
    } else {
      std::fprintf(stderr, "usage: renumera_e2e_demo [--at X,Y] [--back-buffer]\n");
      return 2;
    }
  }
  std::string error;
  auto backend = x11::CreateX11Backend(&error);
  if (!backend) {
    std::fprintf(stderr, "renumera_e2e_demo: %s\n", error.c_str());
    return 1;
  }
  g_backend = backend.get();
  std::signal(SIGTERM, OnTerminate);
  Demo demo(*backend);
  if (!demo.Open(placed ? &at : nullptr, back_buffer)) {
    std::fprintf(stderr, "renumera_e2e_demo: the window was refused\n");
    return 1;
  }
  return demo.Run();
}
