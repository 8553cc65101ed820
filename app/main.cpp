// The renumera program. It starts the native window system, routes the requests to end the
// process into the window's normal close, and runs start-up, the main window and shutdown.
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

#include "app/startup.h"
#include "app/startup_locale.h"
#include "platform/desktop_settings.h"
#include "platform/dynamic_library.h"
#include "platform/os_locale.h"
#include "platform/termination_request.h"
#include "toolkit/backend.h"
#include "window/main_window.h"

namespace {

// Read in signal context: the backend's wake-up is async-signal-safe.
std::atomic<toolkit::Backend*> g_backend{nullptr};

void CloseOnTermination() {
  if (toolkit::Backend* backend = g_backend.load()) backend->WakeForClose();
}

}  // namespace

int main() {
  std::string error;
  const std::unique_ptr<toolkit::Backend> backend =
      toolkit::CreateBackend(toolkit::BackendKind::Native, &error);
  if (backend == nullptr) {
    std::fprintf(stderr, "renumera: %s\n", error.c_str());
    return 1;
  }
  // A request to end the process closes the window as the user would, so that the placement
  // is saved and full-window dragging switched back on.
  g_backend = backend.get();
  platform::SetTerminationHandler(CloseOnTermination);

  app::LocaleTables& locale = app::ProcessLocaleTables();
  const int status = app::RunProgram({
      .desktop = platform::SystemDesktopSettings(),
      .os_locale = platform::SystemLocale(),
      .locale = locale,
      .library_loader = [](std::string_view name) { return platform::LoadDynamicLibrary(name); },
      .run_main_window =
          [&](app::ProcessObjects& objects) {
            const bool shown = window::Main({.backend = *backend,
                                             .store = objects.store,
                                             .error_reporter = objects.error_reporter,
                                             .visual_styles = objects.visual_styles,
                                             .locale = locale});
            if (!shown) std::fprintf(stderr, "renumera: the main window could not be opened\n");
            return shown;
          },
  });

  platform::SetTerminationHandler(nullptr);
  g_backend = nullptr;
  return status;
}
