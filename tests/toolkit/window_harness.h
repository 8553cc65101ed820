// A converter-like window on the headless backend for the toolkit's tests: two labels, two
// entry fields, two images, a default flat button and a small note, with a controller whose
// handlers do what such a window does (the first field's event asks for the button's, the
// button's event "converts" and selects the first field again).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/toolkit/test_entry.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/system_colors.h"
#include "toolkit/window.h"
#include "toolkit/window_controller.h"

namespace toolkit::testing {

enum : int {
  kLabel1 = 1,
  kField1 = 2,
  kImage1 = 3,
  kButton = 4,
  kImage2 = 5,
  kLabel2 = 6,
  kField2 = 7,
  kNote = 8
};

inline constexpr ControlDefinition kControls[] = {
    {.number = 1,
     .kind = ControlKind::StaticText,
     .name = "label1",
     .at = {6, 4},
     .content = "OLD:",
     .font = {.weight = 700, .color = Color{255, 0, 0}}},
    {.number = 2,
     .kind = ControlKind::EntryField,
     .name = "field1",
     .at = {78, 3},
     .size = Size{49, 10},
     .content = "first",
     .font = {.weight = 700, .charset = 0}},
    {.number = 3,
     .kind = ControlKind::Image,
     .name = "image1",
     .at = {12, 19},
     .content = "no-such.ico"},
    {.number = 4,
     .kind = ControlKind::PushButton,
     .name = "button",
     .at = {32, 17},
     .size = Size{71, 14},
     .content = "Go",
     .font = {.weight = 700, .color = Color{128, 0, 0}},
     .default_button = true,
     .flat = true},
    {.number = 5,
     .kind = ControlKind::Image,
     .name = "image2",
     .at = {110, 19},
     .content = "no-such.ico"},
    {.number = 6,
     .kind = ControlKind::StaticText,
     .name = "label2",
     .at = {7, 37},
     .content = "NEW:"},
    {.number = 7,
     .kind = ControlKind::EntryField,
     .name = "field2",
     .at = {78, 36},
     .size = Size{49, 10},
     .content = "second"},
    {.number = 8,
     .kind = ControlKind::StaticText,
     .name = "note",
     .at = {40, 45},
     .content = "(c)",
     .font = {.face = "Tahoma", .points = 7, .charset = 0}},
};

inline constexpr WindowDefinition kDefinition{
    .caption = "Test window",
    .class_name = "test",
    .client_size = {134, 53},
    .font = {.face = "Arial", .points = 14, .weight = 400, .charset = 204},
    .icon = "no-such.ico",
    .background = kButtonFace,
    .controls = kControls,
};

class RecordingController : public WindowController {
 public:
  struct Handled {
    int control = 0;
    int messages_taken = 0;  // native messages taken before the event was handled
    bool operator==(const Handled&) const = default;
  };

  RecordingController(Window& window, headless::HeadlessBackend& backend)
      : WindowController(window), backend_(backend) {}

  std::vector<Handled> handled;
  int conversions = 0;
  // Replaces the standard handlers of the test window when set.
  std::function<int(RecordingController&)> on_accepted;

  std::vector<int> HandledControls() const {
    std::vector<int> controls;
    for (const Handled& h : handled) controls.push_back(h.control);
    return controls;
  }

 protected:
  int OnAccepted() override {
    handled.push_back({AcceptedControl(), backend_.MessagesTaken()});
    if (on_accepted) return on_accepted(*this);
    if (AcceptedControl() == kField1) PostAccepted(kButton);
    if (AcceptedControl() == kButton) {
      ++conversions;
      Select(kField1);
    }
    return StandardAccepted();
  }

 private:
  headless::HeadlessBackend& backend_;
};

class WindowHarness {
 public:
  explicit WindowHarness(headless::HeadlessOptions options = {},
                         const WindowDefinition& definition = kDefinition)
      : backend(options),
        window(backend, definition,
               [this](ControlHost& host, const ControlSetup& setup, const ControlDefinition&) {
                 auto entry = std::make_unique<TestEntry>(host, setup,
                                                          setup.number == kField1 ? first : second);
                 entry->journal = &journal;
                 entries[setup.number] = entry.get();
                 return entry;
               }),
        controller(window, backend) {}

  // Opens the window ahead of the run, so that a test can aim at its controls; the run then
  // finds it open and handles its opened event first.
  [[nodiscard]] bool Open() { return window.Open(); }
  int Run() { return controller.Run(); }

  TestEntry& Entry(int number) { return *entries.at(number); }
  Rect Bounds(int number) { return window.ControlAt(number)->Bounds(); }
  Point Centre(int number) {
    const Rect r = Bounds(number);
    return {r.x + r.width / 2, r.y + r.height / 2};
  }

  headless::HeadlessBackend backend;
  std::string first;
  std::string second;
  std::map<int, TestEntry*> entries;
  std::vector<std::string> journal;
  Window window;
  RecordingController controller;
};

}  // namespace toolkit::testing
