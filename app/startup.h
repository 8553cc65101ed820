// The process's start-up and shutdown around the main window: the process-wide objects, the
// placement store's file, the Russian locale, the default character set and application
// icon, and full-window dragging switched off for the length of the run.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "app/locale_tables.h"
#include "app/placement_store.h"
#include "platform/desktop_settings.h"
#include "platform/os_locale.h"
#include "toolkit/error_reporter.h"
#include "toolkit/visual_style_support.h"

namespace app {

inline constexpr std::string_view kPlacementFile = "Renumera.INI";
// Read from the working directory, not from the program's own icons.
inline constexpr std::string_view kDefaultIconFile = "Emblem_multi.ico";
inline constexpr int kCyrillicCharset = 204;

inline constexpr int kExitSuccess = 0;
// The main window could not be shown at all.
inline constexpr int kExitNoWindow = 1;

// The process-wide objects, declared in the order of their creation so that they are
// destroyed in the reverse order.
struct ProcessObjects {
  explicit ProcessObjects(toolkit::VisualStyleSupport::LibraryLoader loader)
      : visual_styles(std::move(loader)) {}

  toolkit::VisualStyleSupport visual_styles;
  toolkit::ErrorReporter error_reporter;
  PlacementStore store;
};

// What start-up works with, injected so that it can run against fakes.
struct StartupServices {
  platform::DesktopSettings& desktop;
  const platform::OsLocale& os_locale;
  // The process's tables, holding their defaults.
  LocaleTables& locale;
  toolkit::VisualStyleSupport::LibraryLoader library_loader;
  // Runs the main window until it has been closed; false when it could not be shown.
  std::function<bool(ProcessObjects&)> run_main_window;
};

// Everything from the creation of the process-wide objects to their destruction, once the
// platform has started. Gives the process's exit status: kExitSuccess, or kExitNoWindow when
// the main window could not be shown; the shutdown steps run on both paths.
int RunProgram(const StartupServices& services);

}  // namespace app
