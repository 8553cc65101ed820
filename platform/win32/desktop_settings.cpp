// Full-window dragging on Windows: the user's setting through SystemParametersInfoA.
#include "platform/desktop_settings.h"

#include <windows.h>

namespace platform {
namespace {

static_assert(kUpdateProfile == SPIF_UPDATEINIFILE && kBroadcastChange == SPIF_SENDCHANGE);

class WindowsDesktopSettings final : public DesktopSettings {
 public:
  bool QueryDragFullWindows(uint32_t* state) override {
    BOOL on = FALSE;
    if (!SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &on, 0)) return false;
    *state = on ? 1 : 0;
    return true;
  }

  bool SetDragFullWindows(uint32_t state, uint32_t flags) override {
    return SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, state, nullptr, flags) != 0;
  }
};

}  // namespace

DesktopSettings& SystemDesktopSettings() {
  static WindowsDesktopSettings settings;
  return settings;
}

}  // namespace platform
