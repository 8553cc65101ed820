#include "window/main_window.h"

#include <cassert>
#include <memory>

#include "convert/convert_number.h"
#include "window/main_window_definition.h"
#include "window/masked_entry_field.h"

namespace window {
namespace {

// The name of the window in the error reporter, and its section in the placement file.
constexpr std::string_view kProcedure = "Main";

}  // namespace

MainWindow::MainWindow(toolkit::Window& window, const MainServices& services,
                       MainVariables& variables, toolkit::VisualStyleAdapter& adapter)
    : WindowController(window),
      services_(services),
      variables_(variables),
      adapter_(adapter),
      placement_(window) {}

int MainWindow::OpenStep() {
  services_.error_reporter.EnterProcedure(kProcedure);
  BeginOpen();
  FIRSTFIELD = kString1;
  OpenWindow();
  // Attach itself asks whether visual styles can be used, and stays detached if not.
  adapter_.Attach(GetWindow(), services_.visual_styles);
  services_.store.FetchPlacement(kProcedure, placement_);
  // The store applies what the file says; a place no monitor shows any more would leave the
  // window out of reach, and would be saved again at the close.
  GetWindow().KeepReachable();
  GetWindow().SetBackBuffer(false);
  return 0;
}

int MainWindow::OnAccepted() {
  switch (AcceptedControl()) {
    case kOldNum:
      PostAccepted(kOkButton);
      break;
    case kOkButton:
      convert::ConvertNumber(variables_.OLDNUM, variables_.NEWNUM, variables_.PrefixDigit);
      Select(kOldNum);
      break;
    default:
      break;
  }
  return StandardAccepted();
}

int MainWindow::CloseStep() {
  StandardClose();
  if (OPENED) services_.store.UpdatePlacement(kProcedure, placement_);
  services_.error_reporter.LeaveProcedure();
  return 0;
}

toolkit::EntryFactory MainEntryFactory(MainVariables& variables, const app::LocaleTables& locale) {
  return [&variables, &locale](toolkit::ControlHost& host, const toolkit::ControlSetup& setup,
                               const toolkit::ControlDefinition& definition)
             -> std::unique_ptr<toolkit::EntryControl> {
    convert::FixedText* variable = setup.number == kOldNum   ? &variables.OLDNUM
                                   : setup.number == kNewNum ? &variables.NEWNUM
                                                             : nullptr;
    assert(variable != nullptr && "the main window has two entry fields");
    if (variable == nullptr) return nullptr;
    return std::make_unique<MaskedEntryField>(host, setup, definition.content, *variable, locale);
  };
}

void ConfigureVisualStyleAdapter(toolkit::VisualStyleAdapter& adapter) {
  adapter.BSETWNDCOLOR = 1;
  adapter.BSETAPPFRAMECOLOR = 0;
  adapter.COLORSTYLE = 0;
}

bool Main(const MainServices& services) {
  MainVariables variables;
  toolkit::Window window(services.backend, MainWindowDefinition,
                         MainEntryFactory(variables, services.locale));
  toolkit::VisualStyleAdapter adapter;
  ConfigureVisualStyleAdapter(adapter);
  MainWindow controller(window, services, variables, adapter);
  controller.Run();
  // The controller goes first, then the adapter puts back what it replaced, then the window
  // is closed and destroyed.
  return controller.OPENED != 0;
}

}  // namespace window
