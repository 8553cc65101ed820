// The main window on the headless backend, built as Main builds it, with a controller that
// records each accepted event it is given: every one for ?OKBUTTON is one conversion.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/locale_tables.h"
#include "app/placement_store.h"
#include "app/startup_locale.h"
#include "tests/support/temp_config_home.h"
#include "toolkit/error_reporter.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/visual_style_adapter.h"
#include "toolkit/visual_style_support.h"
#include "toolkit/window.h"
#include "window/main_window.h"
#include "window/main_window_definition.h"
#include "window/masked_entry_field.h"

namespace window::testing {

class RecordingMainWindow final : public MainWindow {
 public:
  RecordingMainWindow(toolkit::Window& window, const MainServices& services,
                      MainVariables& variables, toolkit::VisualStyleAdapter& adapter,
                      toolkit::ErrorReporter& reporter)
      : MainWindow(window, services, variables, adapter), reporter_(reporter) {}

  std::vector<int> accepted;
  // The error reporter's current procedure while each event was handled.
  std::vector<std::string> procedures;

  int Conversions() const {
    return static_cast<int>(std::count(accepted.begin(), accepted.end(), kOkButton));
  }

 protected:
  int OnAccepted() override {
    accepted.push_back(AcceptedControl());
    procedures.push_back(reporter_.CurrentProcedure());
    return MainWindow::OnAccepted();
  }

 private:
  toolkit::ErrorReporter& reporter_;
};

inline const toolkit::VisualStyleSupport::LibraryLoader kNoVisualStyles = [](std::string_view) {
  return std::unique_ptr<platform::DynamicLibrary>();
};

class MainWindowTest : public ::testing::Test {
 protected:
  explicit MainWindowTest(
      toolkit::VisualStyleSupport::LibraryLoader visual_styles_loader = kNoVisualStyles)
      : visual_styles(std::move(visual_styles_loader)) {
    app::ApplyStartupLocaleSettings(locale);
    store.OpenStore("Renumera.INI");
    ConfigureVisualStyleAdapter(adapter);
  }

  // Opens the window ahead of the run, so that a test can aim at its controls; the run
  // then finds it open.
  void Open() { ASSERT_TRUE(window.Open()); }
  // The script ends with the window manager's close unless it closes the window itself.
  int Run(bool close_at_end = true) {
    if (close_at_end) backend.PushCloseRequest();
    return controller.Run();
  }

  toolkit::Point Centre(int number) {
    const toolkit::Rect r = window.ControlAt(number)->Bounds();
    return {r.x + r.width / 2, r.y + r.height / 2};
  }
  // What a control shows in the client area.
  std::string Shown(int number) { return backend.TextIn(window.ControlAt(number)->Bounds()); }
  MaskedEntryField& Field(int number) {
    return static_cast<MaskedEntryField&>(*window.EntryAt(number));
  }
  std::string PlacementFile() {
    return testing_support::ReadBytes(home.SettingsDir() / "Renumera.INI");
  }

  testing_support::TempConfigHome home;
  toolkit::headless::HeadlessBackend backend;
  app::PlacementStore store;
  toolkit::ErrorReporter reporter;
  toolkit::VisualStyleSupport visual_styles;
  app::LocaleTables locale;
  MainServices services{backend, store, reporter, visual_styles, locale};
  MainVariables variables;
  toolkit::Window window{backend, MainWindowDefinition, MainEntryFactory(variables, locale)};
  toolkit::VisualStyleAdapter adapter;
  RecordingMainWindow controller{window, services, variables, adapter, reporter};
};

}  // namespace window::testing
