// The main window on the headless backend, run as the program runs it, with its placement file
// and a sequence of native messages from the fuzzer's bytes: the first byte says whether a
// placement file is there, the second how long it is (twice its value), then come its bytes,
// then the steps (keys, typed characters, mouse presses, releases, moves and double-clicks on
// the controls or anywhere, activation, deactivation, close requests, exposes, caret timeouts
// and clipboard contents from outside).
//
// Between messages both variables must hold what the last conversion gave or what their field
// completed, and each field must show its template's shape. The placement file must be read
// once when the window opens and written once when it closes, and must then hold the window's
// placement at that moment and the reserved list as it was read.
#include <stdlib.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "app/locale_tables.h"
#include "app/placement_store.h"
#include "app/startup_locale.h"
#include "convert/convert_number.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/stepping_backend.h"
#include "toolkit/error_reporter.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/visual_style_adapter.h"
#include "toolkit/visual_style_support.h"
#include "toolkit/window.h"
#include "window/main_window.h"
#include "window/main_window_definition.h"
#include "window/masked_entry_field.h"
#include "window/placement_adapter.h"

namespace {

namespace fs = std::filesystem;
using fuzz::Require;
using fuzz::Step;
using toolkit::Key;
using toolkit::MessageKind;
using toolkit::NativeMessage;

constexpr std::string_view kFileName = "Renumera.INI";
constexpr int kMostWaits = 20000;  // far more than any input has steps: the window must close

constexpr Key kKeys[] = {Key::Tab,    Key::Enter, Key::Escape, Key::Backspace, Key::Delete,
                         Key::Insert, Key::Home,  Key::End,    Key::Left,      Key::Right,
                         Key::Up,     Key::Down,  Key::Space,  Key::F4,        Key::A,
                         Key::C,      Key::V,     Key::X,      Key::Z,         Key::Other};

fs::path SettingsFile() {
  return fs::path(::getenv("XDG_CONFIG_HOME")) / "renumera" / kFileName;
}

// The centres of the controls, in client pixels, measured once on a window of the same kind.
const std::array<toolkit::Point, 8>& ControlCentres() {
  static const std::array<toolkit::Point, 8> centres = [] {
    std::array<toolkit::Point, 8> found{};
    toolkit::headless::HeadlessBackend backend;
    window::MainVariables variables;
    app::LocaleTables locale;
    toolkit::Window measured(backend, window::MainWindowDefinition,
                             window::MainEntryFactory(variables, locale));
    Require(measured.Open(), "the main window opens on the headless backend");
    for (int number = 1; number <= 8; ++number) {
      const toolkit::Rect r = measured.ControlAt(number)->Bounds();
      found[number - 1] = {r.x + r.width / 2, r.y + r.height / 2};
    }
    measured.Close();
    return found;
  }();
  return centres;
}

class Input {
 public:
  explicit Input(std::string_view bytes) : bytes_(bytes) {}
  bool Empty() const { return bytes_.empty(); }
  unsigned char Byte() {
    if (bytes_.empty()) return 0;
    const auto byte = static_cast<unsigned char>(bytes_.front());
    bytes_.remove_prefix(1);
    return byte;
  }
  std::string_view Take(std::size_t count) {
    const std::string_view taken = bytes_.substr(0, count);
    bytes_.remove_prefix(taken.size());
    return taken;
  }
  // Mostly a control's centre, nudged; else anywhere in and around the client area.
  toolkit::Point Point() {
    const unsigned char aim = Byte();
    if (aim < 0xC0) {
      const toolkit::Point centre = ControlCentres()[aim % 8];
      return {centre.x + (aim >> 3) % 9 - 4, centre.y + (aim >> 5) % 3 - 1};
    }
    return {Byte() % 300 - 10, Byte() % 130 - 10};
  }

 private:
  std::string_view bytes_;
};

Step Message(NativeMessage message) {
  return {Step::Kind::Message, std::move(message), {}};
}

std::deque<Step> StepsFrom(Input& input) {
  std::deque<Step> steps;
  while (!input.Empty()) {
    const unsigned char op = input.Byte();
    const auto modifiers = static_cast<uint8_t>(op >> 4 & 7);
    switch (op % 16) {
      case 0:
      case 1: {
        const Key key = kKeys[input.Byte() % std::size(kKeys)];
        steps.push_back(
            Message({.kind = MessageKind::KeyDown, .key = key, .modifiers = modifiers}));
        if (op % 16 == 0) {
          steps.push_back(
              Message({.kind = MessageKind::KeyUp, .key = key, .modifiers = modifiers}));
        }
        break;
      }
      case 2:
      case 3:
      case 4: {
        // A key that types a character, as the backend reports it.
        const char c = static_cast<char>(input.Byte());
        const Key key = c == ' ' ? Key::Space : Key::Other;
        steps.push_back(Message({.kind = MessageKind::KeyDown,
                                 .key = key,
                                 .modifiers = static_cast<uint8_t>(modifiers & toolkit::kShift),
                                 .text = std::string(1, c)}));
        steps.push_back(Message({.kind = MessageKind::KeyUp, .key = key}));
        break;
      }
      case 5:
      case 6: {
        const toolkit::Point at = input.Point();
        const int button = 1 + (op >> 7);
        const auto mouse_modifiers = static_cast<uint8_t>(modifiers & 3);
        steps.push_back(Message({.kind = MessageKind::MouseDown,
                                 .modifiers = mouse_modifiers,
                                 .point = at,
                                 .button = button}));
        if (op % 16 == 5) {
          steps.push_back(Message({.kind = MessageKind::MouseUp,
                                   .modifiers = mouse_modifiers,
                                   .point = at,
                                   .button = button}));
        }
        break;
      }
      case 7:
        steps.push_back(Message({.kind = MessageKind::MouseUp, .point = input.Point()}));
        break;
      case 8:
        steps.push_back(Message({.kind = MessageKind::MouseMove, .point = input.Point()}));
        break;
      case 9:
        steps.push_back(Message({.kind = MessageKind::MouseDoubleClick, .point = input.Point()}));
        break;
      case 10:
        steps.push_back(Message({.kind = MessageKind::Activated}));
        break;
      case 11:
        steps.push_back(Message({.kind = MessageKind::Deactivated}));
        break;
      case 12:
        // Rare, as it ends the run.
        if (op >> 4 == 0) steps.push_back(Message({.kind = MessageKind::CloseRequest}));
        break;
      case 13:
        steps.push_back(Message({.kind = MessageKind::Expose}));
        break;
      case 14:
        steps.push_back({Step::Kind::Timeout, {}, {}});
        break;
      default:
        steps.push_back({Step::Kind::Clipboard, {}, std::string(input.Take(input.Byte() % 32))});
        break;
    }
  }
  return steps;
}

// The text of a field's variable as its template lays it out, to compare with the field.
std::string Laid(const window::MaskedEntryField& field, const convert::FixedText& variable) {
  window::KeyInTemplate laid = field.Template();
  laid.LoadText(variable.Stored());
  return laid.FullText();
}

void CheckFieldShape(const window::MaskedEntryField& field, std::string_view literals) {
  const std::string full = field.FullText();
  Require(full.size() == literals.size(), "a field's full text is its template's length");
  for (std::size_t i = 0; i < literals.size(); ++i) {
    Require(literals[i] == ' ' || full[i] == literals[i], "a field's literals stay in place");
  }
  const int length = static_cast<int>(literals.size());
  Require(field.Caret() >= 0 && field.Caret() <= length && field.Anchor() >= 0 &&
              field.Anchor() <= length,
          "a field's caret and selection stay in its text");
}

// The main window with checks around the steps the controller runs.
class CheckedMainWindow final : public window::MainWindow {
 public:
  CheckedMainWindow(toolkit::Window& window, const window::MainServices& services,
                    window::MainVariables& variables, toolkit::VisualStyleAdapter& adapter,
                    const app::PlacementRecord& stored)
      : MainWindow(window, services, variables, adapter),
        window_(window),
        variables_(variables),
        stored_(stored),
        expected_(variables) {}

  int opens = 0;
  int closes = 0;
  std::optional<app::PlacementRecord> at_close;

  // Runs between native messages, once everything the last one raised has been handled.
  void CheckBetweenMessages() {
    if (!window_.IsOpen()) return;
    window::MaskedEntryField& old_field = Field(window::kOldNum);
    window::MaskedEntryField& new_field = Field(window::kNewNum);
    CheckFieldShape(old_field, "  -  -  ");
    CheckFieldShape(new_field, "   -  -  ");
    Require(variables_.OLDNUM == expected_.OLDNUM && variables_.NEWNUM == expected_.NEWNUM &&
                variables_.PrefixDigit == expected_.PrefixDigit,
            "the variables hold what the last conversion gave or their field completed");
    for (window::MaskedEntryField* field : {&old_field, &new_field}) {
      const convert::FixedText& variable =
          field == &old_field ? variables_.OLDNUM : variables_.NEWNUM;
      if (!field->Modified()) {
        Require(field->FullText() == Laid(*field, variable),
                "an unmodified field shows its variable");
      }
    }
  }

  window::MaskedEntryField& Field(int number) {
    return static_cast<window::MaskedEntryField&>(*window_.EntryAt(number));
  }

 protected:
  int OpenStep() override {
    ++opens;
    const int level = MainWindow::OpenStep();
    if (OPENED && stored_.GOT) {
      window::PlacementAdapter placement(window_);
      Require(placement.MinimizedState() == stored_.MINIMIZED,
              "the window opens minimized exactly when the file says so");
      if (stored_.X != app::NotStored) {
        Require(placement.HorizontalPosition() == stored_.X, "the window opens at XPos");
      }
      if (stored_.Y != app::NotStored) {
        Require(placement.VerticalPosition() == stored_.Y, "the window opens at YPos");
      }
    }
    return level;
  }

  int OnAccepted() override {
    window::MainVariables converted = variables_;
    if (AcceptedControl() == window::kOkButton) {
      convert::ConvertNumber(converted.OLDNUM, converted.NEWNUM, converted.PrefixDigit);
    }
    const int level = MainWindow::OnAccepted();
    switch (AcceptedControl()) {
      case window::kOkButton:
        Require(variables_.OLDNUM == converted.OLDNUM && variables_.NEWNUM == converted.NEWNUM &&
                    variables_.PrefixDigit == converted.PrefixDigit,
                "the button converts the variables as they are");
        expected_ = variables_;
        break;
      case window::kOldNum:
        expected_.OLDNUM = variables_.OLDNUM;
        break;
      case window::kNewNum:
        expected_.NEWNUM = variables_.NEWNUM;
        break;
      default:
        break;
    }
    return level;
  }

  int CloseStep() override {
    ++closes;
    if (OPENED) at_close = app::TakePlacement(window::PlacementAdapter(window_));
    return MainWindow::CloseStep();
  }

 private:
  toolkit::Window& window_;
  window::MainVariables& variables_;
  const app::PlacementRecord& stored_;
  window::MainVariables expected_;
};

const toolkit::VisualStyleSupport::LibraryLoader kNoVisualStyles = [](std::string_view) {
  return std::unique_ptr<platform::DynamicLibrary>();
};

bool SamePlacement(const app::PlacementRecord& a, const app::PlacementRecord& b) {
  return a.X == b.X && a.Y == b.Y && a.W == b.W && a.H == b.H && a.MAXIMIZED == b.MAXIMIZED &&
         a.MINIMIZED == b.MINIMIZED;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // A private settings directory for the whole run, removed at exit.
  static std::string root =
      (fs::temp_directory_path() / "renumera-main-window-fuzz-XXXXXX").string();
  Require(::mkdtemp(root.data()) != nullptr, "a temporary settings directory can be made");
  ::setenv("XDG_CONFIG_HOME", root.c_str(), 1);
  std::atexit([] {
    std::error_code error;
    fs::remove_all(root, error);
  });
  ControlCentres();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(std::string_view(reinterpret_cast<const char*>(data), size));
  const bool has_file = (input.Byte() & 1) != 0;
  const std::string file_bytes(input.Take(2 * std::size_t{input.Byte()}));
  std::error_code error;
  fs::remove(SettingsFile(), error);
  if (has_file) {
    fs::create_directories(SettingsFile().parent_path(), error);
    std::ofstream(SettingsFile(), std::ios::binary).write(file_bytes.data(), file_bytes.size());
  }
  // A UTF-16 file is never edited, so nothing is stored in it.
  const bool writable =
      !has_file || !(file_bytes.starts_with("\xFF\xFE") || file_bytes.starts_with("\xFE\xFF"));

  app::PlacementStore before;
  before.OpenStore(kFileName);
  const app::PlacementRecord stored = before.ReadPlacement("Main");
  const auto sectors = before.Sectors();

  static app::LocaleTables locale = [] {
    app::LocaleTables tables;
    app::ApplyStartupLocaleSettings(tables);
    return tables;
  }();
  toolkit::headless::HeadlessBackend headless;
  CheckedMainWindow* checked = nullptr;
  fuzz::SteppingBackend backend(headless, StepsFrom(input), [&] {
    if (checked != nullptr) checked->CheckBetweenMessages();
  });
  app::PlacementStore store;
  store.OpenStore(kFileName);
  toolkit::ErrorReporter reporter;
  toolkit::VisualStyleSupport visual_styles(kNoVisualStyles);
  window::MainServices services{backend, store, reporter, visual_styles, locale};
  window::MainVariables variables;
  toolkit::Window main_window(backend, window::MainWindowDefinition,
                              window::MainEntryFactory(variables, locale));
  toolkit::VisualStyleAdapter adapter;
  window::ConfigureVisualStyleAdapter(adapter);
  CheckedMainWindow controller(main_window, services, variables, adapter, stored);
  checked = &controller;
  controller.Run();
  Require(backend.Waits() < kMostWaits, "the window closes once its messages run out");
  checked = nullptr;
  store.CloseStore();

  Require(controller.opens == 1 && controller.closes == 1, "the window opens and closes once");
  Require(controller.OPENED == 1 && controller.at_close.has_value(), "the window opened");
  if (!writable) return 0;
  app::PlacementStore after;
  after.OpenStore(kFileName);
  const app::PlacementRecord saved = after.ReadPlacement("Main");
  Require(saved.GOT == 1 && SamePlacement(saved, *controller.at_close),
          "the file holds the window's placement at its close");
  Require(after.Sectors() == sectors, "the reserved list is written back as it was read");
  return 0;
}
