// No X11 window manager offers full-window dragging as a setting that programs may switch, so
// on this desktop the setting does not exist: the query fails and so does every change.
#include "platform/desktop_settings.h"

namespace platform {
namespace {

class UnavailableDesktopSettings final : public DesktopSettings {
 public:
  bool QueryDragFullWindows(uint32_t*) override { return false; }
  bool SetDragFullWindows(uint32_t, uint32_t) override { return false; }
};

}  // namespace

DesktopSettings& SystemDesktopSettings() {
  static UnavailableDesktopSettings settings;
  return settings;
}

}  // namespace platform
