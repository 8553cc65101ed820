#include "app/placement_store.h"

#include "convert/fixed_text.h"
#include "convert/read_number.h"
#include "platform/private_profile.h"

namespace app {
namespace {

constexpr std::string_view kReservedSection = "__Dont_Touch_Me__";
constexpr std::string_view kCountKey = "Sectors";
constexpr std::string_view kUnknownField = "---Unknown---";

using Lock = std::lock_guard<std::recursive_mutex>;

int32_t ReadInt32(std::string_view text) {
  return convert::ToInt32(convert::IntegerPart(convert::ReadNumber(text)));
}

std::string Decimal(int32_t value) {
  return std::to_string(value);
}

std::string SectorKey(int32_t number) {
  return std::string(kCountKey) + "_" + Decimal(number);
}

std::string Cut(std::string text, std::size_t limit) {
  if (text.size() > limit) text.resize(limit);
  return text;
}

// A read trims blanks at both ends of a value and takes off one pair of matching quotes around
// it. A reserved record whose joined text a read would change in that way is written inside
// double quotes, which the read takes off again, so that it reads back exactly as it was.
std::string ReadingBackAsItself(std::string value) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
  const bool trimmed = !value.empty() && (blank(value.front()) || blank(value.back()));
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  return trimmed || quoted ? '"' + value + '"' : value;
}

// The keys of a procedure's section, in the order in which they are written.
struct PositionKey {
  std::string_view key;
  int32_t PlacementRecord::*field;
};
constexpr PositionKey kPositionKeys[] = {
    {"XPos", &PlacementRecord::X},
    {"YPos", &PlacementRecord::Y},
    {"Width", &PlacementRecord::W},
    {"Height", &PlacementRecord::H},
};

}  // namespace

void PlacementStore::OpenStore(std::string_view file_name) {
  Lock lock(CRITSECT);
  FILENAME = Cut(std::string(file_name), kFileNameLimit);
  SECTORS.emplace();
  const int32_t count =
      std::min(ReadInt32(ReadValue(kReservedSection, kCountKey, "")), kSectorsLimit);
  for (int32_t i = 1; i <= count; ++i) {
    const std::string key = SectorKey(i);
    SECTORS->push_back({Cut(ReadField(kReservedSection, key, 1), kSectorFieldLimit),
                        Cut(ReadField(kReservedSection, key, 2), kSectorFieldLimit),
                        Cut(ReadField(kReservedSection, key, 3), kSectorFieldLimit)});
  }
}

void PlacementStore::FetchPlacement(std::string_view procedure, PlacementWindow& window) {
  Lock lock(CRITSECT);
  ApplyPlacement(ReadPlacement(procedure), window);
}

void PlacementStore::UpdatePlacement(std::string_view procedure, const PlacementWindow& window) {
  Lock lock(CRITSECT);
  WritePlacement(procedure, TakePlacement(window));
}

void PlacementStore::CloseStore() {
  Lock lock(CRITSECT);
  if (!SECTORS) return;
  const auto count = static_cast<int32_t>(SECTORS->size());
  WriteValue(kReservedSection, kCountKey, Decimal(count));
  for (int32_t i = 1; i <= count; ++i) {
    const SectorRecord& record = (*SECTORS)[static_cast<std::size_t>(i - 1)];
    WriteValue(kReservedSection, SectorKey(i),
               ReadingBackAsItself(record.FAMILY + "," + record.ITEM + "," + record.TYPE));
  }
  SECTORS.reset();
}

std::string PlacementStore::ReadValue(std::string_view section, std::string_view key,
                                      std::string_view default_value) {
  Lock lock(CRITSECT);
  return platform::ReadProfileString(section, key, default_value, FILENAME);
}

void PlacementStore::WriteValue(std::string_view section, std::string_view key,
                                std::string_view value) {
  Lock lock(CRITSECT);
  platform::WriteProfileString(section, key, value.substr(0, kValueLimit), FILENAME);
}

void PlacementStore::DeleteValue(std::string_view section, std::string_view key) {
  Lock lock(CRITSECT);
  platform::DeleteProfileKey(section, key, FILENAME);
}

// A value with fewer fields than asked for gives its last field for the missing ones, so that
// a missing key reads as "---Unknown---" in every field and a short record reads back stable.
std::string PlacementStore::ReadField(std::string_view section, std::string_view key, int n) {
  Lock lock(CRITSECT);
  const std::string value = Cut(ReadValue(section, key, kUnknownField), kFieldValueLimit);
  if (n < 1) return {};
  std::size_t start = 0;
  for (int field = 1; field < n; ++field) {
    const std::size_t comma = value.find(',', start);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return value.substr(start, value.find(',', start) - start);
}

PlacementRecord PlacementStore::ReadPlacement(std::string_view procedure) {
  Lock lock(CRITSECT);
  PlacementRecord record;
  // Exactly "Yes" or "No", case and all; only trailing blanks do not count.
  const std::string maximize = ReadValue(procedure, "Maximize", "");
  const std::string_view answer = convert::ClipBlanks(maximize);
  if (answer != "Yes" && answer != "No") return record;
  record.MAXIMIZED = answer == "Yes";
  // Read as a number held in a byte: the store's own "Yes" and "No" both give 0, so a window
  // is minimized only by a number written into the file.
  record.MINIMIZED = static_cast<uint8_t>(ReadInt32(ReadValue(procedure, "Minimize", "0")));
  // Each default is the field's current value, NotStored, so a missing key stays NotStored.
  for (const PositionKey& position : kPositionKeys) {
    int32_t& field = record.*position.field;
    field = ReadInt32(ReadValue(procedure, position.key, Decimal(field)));
  }
  record.GOT = 1;
  return record;
}

void PlacementStore::WritePlacement(std::string_view procedure, const PlacementRecord& record) {
  Lock lock(CRITSECT);
  WriteValue(procedure, "Maximize", record.MAXIMIZED ? "Yes" : "No");
  WriteValue(procedure, "Minimize", record.MINIMIZED ? "Yes" : "No");
  for (const PositionKey& position : kPositionKeys) {
    const int32_t value = record.*position.field;
    if (value == NotStored) {
      DeleteValue(procedure, position.key);
    } else {
      WriteValue(procedure, position.key, Decimal(value));
    }
  }
}

std::string PlacementStore::FileName() {
  Lock lock(CRITSECT);
  return FILENAME;
}

std::optional<std::vector<SectorRecord>> PlacementStore::Sectors() {
  Lock lock(CRITSECT);
  return SECTORS;
}

PlacementRecord TakePlacement(const PlacementWindow& window) {
  PlacementRecord record;
  record.MAXIMIZED = window.MaximizedState() != 0;
  record.MINIMIZED = window.MinimizedState() != 0;
  // A maximized or minimized window's position is not the one to open at next time.
  if (!record.MAXIMIZED && !record.MINIMIZED) {
    record.X = window.HorizontalPosition();
    record.Y = window.VerticalPosition();
    if (window.IsResizable()) {
      record.W = window.Width();
      record.H = window.Height();
    }
  }
  return record;
}

void ApplyPlacement(const PlacementRecord& record, PlacementWindow& window) {
  if (!record.GOT) return;
  const int32_t maximized = window.MaximizedState();
  if (!record.MAXIMIZED && maximized) window.SetMaximizedState(0);
  if (record.X != NotStored) window.SetHorizontalPosition(record.X);
  if (record.Y != NotStored) window.SetVerticalPosition(record.Y);
  if (window.IsResizable()) {
    if (record.W != NotStored) window.SetWidth(record.W);
    if (record.H != NotStored) window.SetHeight(record.H);
  }
  if (record.MAXIMIZED && !maximized) window.SetMaximizedState(1);
  window.SetMinimizedState(record.MINIMIZED);
}

}  // namespace app
