// The process-wide window placement store: a window's position, size and maximized and
// minimized states kept in a private INI file between runs, one value at a time, together
// with the reserved list that other tools keep in the same file.
#pragma once

#include <cstdint>
#include <limits>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/placement_window.h"

namespace app {

// In X, Y, W and H: no value. Such a key is removed when written and not applied when read.
inline constexpr int32_t NotStored = std::numeric_limits<int32_t>::min();

struct PlacementRecord {
  int32_t X = NotStored;
  int32_t Y = NotStored;
  int32_t W = NotStored;
  int32_t H = NotStored;
  uint8_t MAXIMIZED = 0;
  uint8_t MINIMIZED = 0;
  uint8_t GOT = 0;  // a placement was found in the file
};

// One record of the reserved list, stored as "FAMILY,ITEM,TYPE".
struct SectorRecord {
  std::string FAMILY;
  std::string ITEM;
  std::string TYPE;

  bool operator==(const SectorRecord&) const = default;
};

class PlacementStore {
 public:
  static constexpr std::size_t kFileNameLimit = 259;
  static constexpr std::size_t kSectorFieldLimit = 99;
  static constexpr std::size_t kFieldValueLimit = 999;
  static constexpr std::size_t kValueLimit = 1023;
  // The reserved list is small data of other tools; a larger count in the file is taken as
  // this many, so that a damaged count cannot make start-up read, and shutdown write,
  // billions of keys.
  static constexpr int32_t kSectorsLimit = 100;

  // Binds the store to the file and reads the reserved list from it.
  void OpenStore(std::string_view file_name);
  // Reads the procedure's placement and applies it to the open window; a "Maximize" that is
  // neither "Yes" nor "No" applies nothing.
  void FetchPlacement(std::string_view procedure, PlacementWindow& window);
  // Writes the window's placement into the procedure's section.
  void UpdatePlacement(std::string_view procedure, const PlacementWindow& window);
  // Writes the reserved list back and releases it; later calls do nothing.
  void CloseStore();

  // The primitives, on the file bound by OpenStore. Failures are silent: a missing file,
  // section or key reads as the default, and a write that fails is lost.
  std::string ReadValue(std::string_view section, std::string_view key,
                        std::string_view default_value);
  void WriteValue(std::string_view section, std::string_view key, std::string_view value);
  void DeleteValue(std::string_view section, std::string_view key);
  // The n-th comma-separated field (from 1) of the value, read with "---Unknown---" as its
  // default and cut to kFieldValueLimit characters.
  std::string ReadField(std::string_view section, std::string_view key, int n);

  // The placement as it is in the file and as it is taken from a window, the halves of
  // FetchPlacement and UpdatePlacement.
  PlacementRecord ReadPlacement(std::string_view procedure);
  void WritePlacement(std::string_view procedure, const PlacementRecord& record);

  std::string FileName();
  // Nothing once CloseStore has released the list.
  std::optional<std::vector<SectorRecord>> Sectors();

  // Held by every operation and primitive for its whole run; re-entrant, so operations
  // take it again in the primitives they call, and a caller may hold it across several.
  std::recursive_mutex CRITSECT;

 private:
  std::string FILENAME;
  std::optional<std::vector<SectorRecord>> SECTORS;
};

// The placement of the window as UpdatePlacement stores it: a maximized or minimized window
// has no position, and only a resizable one has a size.
PlacementRecord TakePlacement(const PlacementWindow& window);

// Applies a placement read from the file to the window; nothing unless GOT is set.
void ApplyPlacement(const PlacementRecord& record, PlacementWindow& window);

}  // namespace app
