// The main window's behaviour: the standard window controller with its open step, accepted
// handler and close step replaced, and Main, which runs the window from its creation to its
// destruction.
#pragma once

#include "app/locale_tables.h"
#include "app/placement_store.h"
#include "convert/fixed_text.h"
#include "toolkit/backend.h"
#include "toolkit/error_reporter.h"
#include "toolkit/visual_style_adapter.h"
#include "toolkit/visual_style_support.h"
#include "toolkit/window.h"
#include "toolkit/window_controller.h"
#include "window/placement_adapter.h"

namespace window {

// What start-up has made before the main window runs; every member outlives Main.
struct MainServices {
  toolkit::Backend& backend;
  app::PlacementStore& store;
  toolkit::ErrorReporter& error_reporter;
  toolkit::VisualStyleSupport& visual_styles;
  const app::LocaleTables& locale;
};

// The variables the window's fields and the conversion work on, owned by Main.
struct MainVariables {
  convert::FixedText OLDNUM{10};
  convert::FixedText NEWNUM{11};
  convert::FixedText PrefixDigit{1};
};

// Makes ?OLDNUM and ?NEWNUM as masked entry fields bound to OLDNUM and NEWNUM, with the key-in
// templates of their definitions. `variables` and `locale` must outlive the window.
toolkit::EntryFactory MainEntryFactory(MainVariables& variables, const app::LocaleTables& locale);

// The visual-style settings of the main window: the button-face colour for a window that has
// no background colour of its own, the application frame left alone.
void ConfigureVisualStyleAdapter(toolkit::VisualStyleAdapter& adapter);

class MainWindow : public toolkit::WindowController {
 public:
  // The window, the variables and the adapter must outlive the controller.
  MainWindow(toolkit::Window& window, const MainServices& services, MainVariables& variables,
             toolkit::VisualStyleAdapter& adapter);

 protected:
  // Names the window to the error reporter, opens it, gives it the visual style where one
  // is in use, applies the stored placement, keeps the window within the user's reach and
  // switches the back buffer off.
  int OpenStep() override;
  // ?OLDNUM asks for ?OKBUTTON; ?OKBUTTON converts and selects ?OLDNUM.
  int OnAccepted() override;
  // Saves the placement of a window that was opened, and leaves the error reporter.
  int CloseStep() override;

 private:
  MainServices services_;
  MainVariables& variables_;
  toolkit::VisualStyleAdapter& adapter_;
  PlacementAdapter placement_;
};

// Runs the main window until it has been closed and stores the run's result in the thread's
// response code. False when the window could not be opened at all, so that nothing was shown.
bool Main(const MainServices& services);

}  // namespace window
