// A test-only window for the end-to-end harness, built with the toolkit: a label, a plain
// entry field of its own, an image and the default push button. What a test checks is
// printed on stdout, one line each:
//   entry focus | entry blur     the entry received or lost the keyboard focus
//   button [<hex bytes>]         the button's accepted event, with the entry's text
//   pasted <count>  double click  minimized <0|1>  closed  outer X,Y (pixels, at the close)
// In the entry, Ctrl+A selects all, Ctrl+C copies, Ctrl+V pastes, Ctrl+Z minimizes the window.
// Usage: renumera_e2e_demo [--at X,Y] [--back-buffer]   (X,Y: the frame's corner, in pixels)
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "platform/cp1251_literal.h"
#include "toolkit/edges.h"
#include "toolkit/system_colors.h"
#include "toolkit/window_controller.h"

using platform::operator""_cp1251;
using namespace toolkit;

namespace {

Backend* g_backend = nullptr;

void OnTerminate(int) {
  g_backend->WakeForClose();
}

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

// One line of text with the caret at its end; typing replaces a whole selection.
class PlainEntry final : public EntryControl {
 public:
  PlainEntry(ControlHost& host, const ControlSetup& setup, Window*& window)
      : EntryControl(host, setup), window_(window) {}

  const std::string& Text() const { return text_; }

  void SelectAll() override { Select(true); }
  void StoreIfModified() override {}

  void FocusReceived(FocusCause, Point) override {
    focused_ = true;
    Say("entry focus");
    Host().Invalidate(*this);
  }
  void FocusLost() override {
    focused_ = false;
    Say("entry blur");
    Host().Invalidate(*this);
  }

  bool KeyDown(Key key, uint8_t modifiers) override {
    if (modifiers & kControl) {
      switch (key) {
        case Key::A:
          Select(true);
          return true;
        case Key::C:
          Host().SetClipboardText(text_);
          return true;
        case Key::V:
          Paste();
          return true;
        case Key::Z:
          window_->SetMinimized(true);
          Say("minimized " + std::to_string(window_->IsMinimized()));
          return true;
        default:
          return false;
      }
    }
    if (key != Key::Backspace) return false;
    if (selected_)
      text_.clear();
    else if (!text_.empty())
      text_.pop_back();
    Select(false);
    return true;
  }

  void Character(unsigned char c) override {
    if (c < 0x20) return;
    Replace(std::string(1, static_cast<char>(c)));
  }

  void MouseDown(Point, uint8_t) override { Select(false); }
  void DoubleClick(Point, uint8_t) override {
    Say("double click");
    Select(true);
  }

  void Paint(Canvas& canvas) override {
    DrawSunkenEdge(canvas, Bounds());
    const Rect inside = Inset(Bounds(), 2);
    canvas.FillRect(inside, kWindowColor);
    const FontMetrics metrics = canvas.Metrics(Font());
    const Point at{inside.x + 2, inside.y + (inside.height - metrics.height) / 2};
    const int width = canvas.TextWidth(Font(), text_);
    if (focused_ && selected_ && !text_.empty()) {
      canvas.FillRect({at.x, at.y, width, metrics.height}, kHighlight);
      canvas.DrawText(Font(), at, text_, kHighlightText);
    } else {
      canvas.DrawText(Font(), at, text_, TextColor());
      if (focused_ && Host().CaretVisible()) {
        canvas.FillRect({at.x + width, at.y, 1, metrics.height}, kWindowText);
      }
    }
  }

 private:
  void Select(bool all) {
    selected_ = all;
    Host().Invalidate(*this);
  }
  void Replace(const std::string& bytes) {
    if (selected_) text_.clear();
    text_ += bytes;
    Select(false);
  }
  void Paste() {
    const auto bytes = Host().GetClipboardText();
    if (!bytes) return Host().Beep();
    Replace(*bytes);
    Say("pasted " + std::to_string(bytes->size()));
  }

  Window*& window_;
  std::string text_;  // in the window's code page
  bool selected_ = false;
  bool focused_ = false;
};

constexpr ControlDefinition kControls[] = {
    {.number = 1,
     .kind = ControlKind::StaticText,
     .name = "label",
     .at = {6, 10},
     .content = "Номер:"_cp1251},
    {.number = 2,
     .kind = ControlKind::EntryField,
     .name = "entry",
     .at = {48, 6},
     .size = Size{95, 14},
     .font = {.points = 12, .weight = 700, .color = Color{255, 0, 0}}},
    {.number = 3,
     .kind = ControlKind::Image,
     .name = "arrow",
     .at = {12, 34},
     .content = "down.ico"},
    {.number = 4,
     .kind = ControlKind::PushButton,
     .name = "button",
     .at = {55, 35},
     .size = Size{50, 16},
     .content = "Готово"_cp1251,
     .font = {.weight = 700, .color = Color{128, 0, 0}},
     .default_button = true},
};

// Arial 10 points at 96 dpi has base units of 8 x 15 pixels: the client area is 300 x 120.
constexpr WindowDefinition kDemoWindow = {
    .caption = "Демо окно"_cp1251,
    .class_name = "renumera-demo",
    .client_size = {150, 64},
    .font = {.face = "Arial", .points = 10, .weight = 400, .charset = 204},
    .icon = "Emblem_multi.ico",
    .background = kButtonFace,
    .controls = kControls,
};

struct Options {
  std::optional<Point> at;
  bool back_buffer = false;
};

class DemoController final : public WindowController {
 public:
  DemoController(Window& window, Backend& backend, const Options& options, PlainEntry*& entry)
      : WindowController(window), backend_(backend), options_(options), entry_(entry) {}

 protected:
  int OpenStep() override {
    BeginOpen();
    if (!OpenWindow()) return 1;
    if (options_.at) backend_.SetOuterPosition(*options_.at);
    GetWindow().SetBackBuffer(options_.back_buffer);
    return 0;
  }
  int OnAccepted() override {
    if (AcceptedControl() == 4) {
      Say(entry_->Text().empty() ? "button" : "button " + Hex(entry_->Text()));
    }
    return StandardAccepted();
  }
  int CloseStep() override {
    Say("closed");
    const Point outer = backend_.GetOuterPosition();
    Say("outer " + std::to_string(outer.x) + "," + std::to_string(outer.y));
    return WindowController::CloseStep();
  }

 private:
  Backend& backend_;
  const Options& options_;
  PlainEntry*& entry_;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    Point at;
    if (std::strcmp(argv[i], "--back-buffer") == 0) {
      options.back_buffer = true;
    } else if (std::strcmp(argv[i], "--at") == 0 && i + 1 < argc &&
               std::sscanf(argv[i + 1], "%d,%d", &at.x, &at.y) == 2) {
      options.at = at;
      ++i;
    } else {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = ParseOptions(argc, argv);
  if (!options) {
    std::fprintf(stderr, "usage: renumera_e2e_demo [--at X,Y] [--back-buffer]\n");
    return 2;
  }
  std::string error;
  auto backend = CreateBackend(BackendKind::Native, &error);
  if (!backend) {
    std::fprintf(stderr, "renumera_e2e_demo: %s\n", error.c_str());
    return 1;
  }
  g_backend = backend.get();
  std::signal(SIGTERM, OnTerminate);

  Window* window_ptr = nullptr;
  PlainEntry* entry = nullptr;
  Window window(*backend, kDemoWindow,
                [&](ControlHost& host, const ControlSetup& setup, const ControlDefinition&) {
                  auto made = std::make_unique<PlainEntry>(host, setup, window_ptr);
                  entry = made.get();
                  return made;
                });
  window_ptr = &window;
  DemoController controller(window, *backend, *options, entry);
  if (controller.Run() != kResponseCancelled || controller.OPENED == 0) {
    std::fprintf(stderr, "renumera_e2e_demo: the window could not be opened\n");
    return 1;
  }
  return 0;
}
