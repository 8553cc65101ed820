// The user's desktop settings that the program changes for the length of its run, shaped like
// SystemParametersInfoA with SPI_GETDRAGFULLWINDOWS and SPI_SETDRAGFULLWINDOWS.
#pragma once

#include <cstdint>

namespace platform {

// Flags of a change: write it into the user's profile (SPIF_UPDATEINIFILE), and announce it to
// every top-level window (SPIF_SENDCHANGE).
inline constexpr uint32_t kUpdateProfile = 0x01;
inline constexpr uint32_t kBroadcastChange = 0x02;

class DesktopSettings {
 public:
  virtual ~DesktopSettings() = default;

  // Writes whether windows show their contents while they are moved or sized (1 on, 0 off)
  // into `state` and reports success; on failure `state` is left as it was.
  virtual bool QueryDragFullWindows(uint32_t* state) = 0;
  // Switches full-window dragging to `state` (0 off, 1 on) with the given flags; false when
  // nothing was changed.
  virtual bool SetDragFullWindows(uint32_t state, uint32_t flags) = 0;
};

// The settings of the desktop the program runs on.
DesktopSettings& SystemDesktopSettings();

}  // namespace platform
