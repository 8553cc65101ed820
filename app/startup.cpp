#include "app/startup.h"

#include "app/startup_locale.h"
#include "toolkit/settings.h"
#include "toolkit/thread_request_codes.h"

namespace app {
namespace {

constexpr uint32_t kProfileAndBroadcast = platform::kUpdateProfile | platform::kBroadcastChange;
constexpr uint32_t kDragOff = 0;
constexpr uint32_t kDragOn = 1;

}  // namespace

int RunProgram(const StartupServices& services) {
  ProcessObjects objects(services.library_loader);
  // The main thread's own objects come into being with their first use, here.
  toolkit::ErrorStatus& error_status = toolkit::ThisThreadErrorStatus();
  toolkit::ThisThreadRequestCodes();

  objects.error_reporter.Bind(error_status);
  objects.store.OpenStore(kPlacementFile);
  ApplyStartupLocaleSettings(services.locale, services.os_locale);
  toolkit::Settings().SetDefaultCharset(kCyrillicCharset);
  // A missing or unreadable file leaves the program without a default application icon.
  toolkit::Settings().SetDefaultApplicationIcon(kDefaultIconFile);

  // Only the exact answer 1 counts as on: a failed query leaves the state at 0, and then
  // nothing is switched either way.
  uint32_t saved_drag_state = 0;
  services.desktop.QueryDragFullWindows(&saved_drag_state);
  if (saved_drag_state == kDragOn) {
    services.desktop.SetDragFullWindows(kDragOff, kProfileAndBroadcast);
  }

  const bool shown = services.run_main_window(objects);

  if (saved_drag_state == kDragOn) {
    services.desktop.SetDragFullWindows(kDragOn, kProfileAndBroadcast);
  }
  objects.store.CloseStore();
  objects.error_reporter.Unbind();
  return shown ? kExitSuccess : kExitNoWindow;
}

}  // namespace app
