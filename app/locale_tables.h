// The process-wide locale tables: character classes, case partners, collation weights,
// month names, designators and standard button captions. Every text is Windows-1251.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace app {

enum CharClass : uint8_t { kNone = 0, kUpper = 1, kLower = 2, kDigit = 4 };

enum class StandardButton { Ok, Yes, No, Abort, Retry, Ignore, Cancel, Help };
inline constexpr int kStandardButtonCount = 8;

class LocaleTables {
 public:
  // The defaults the tables hold when the process starts; `os_am` and `os_pm` are the
  // operating system's designators as read at that moment, of which the first two
  // characters count.
  LocaleTables(std::string os_am = "AM", std::string os_pm = "PM");

  bool IsLetter(unsigned char c) const { return partner_[c] != 0; }
  bool IsLetterOrDigit(unsigned char c) const { return class_[c] != kNone; }
  unsigned char ToUpper(unsigned char c) const { return class_[c] == kLower ? partner_[c] : c; }
  unsigned char ToLower(unsigned char c) const { return class_[c] == kUpper ? partner_[c] : c; }
  std::string ToUpper(std::string_view text) const;
  std::string ToLower(std::string_view text) const;
  // <0, 0, >0 by collation weights, the shorter text taken as padded with blanks.
  int CompareText(std::string_view a, std::string_view b) const;
  int CompareTextIgnoringCase(std::string_view a, std::string_view b) const;
  std::string ButtonCaption(StandardButton button) const;
  // month 1..12
  std::string MonthName(int month, bool long_form) const;
  // Whether later setting values are read as OEM (code page 866) text.
  bool IsOemCharacterSet() const { return oem_; }
  const std::string& MorningDesignator() const { return am_; }
  const std::string& AfternoonDesignator() const { return pm_; }
  unsigned MonthNamesVersion() const { return month_names_version_; }
  unsigned DesignatorsVersion() const { return designators_version_; }

 private:
  friend class LocaleSettingApplier;

  std::array<uint8_t, 256> class_{};
  std::array<uint8_t, 256> partner_{};
  std::array<uint8_t, 256> weight_{};
  bool oem_ = false;
  std::array<std::string, 12> short_months_;
  std::array<std::string, 12> long_months_;
  std::string am_;
  std::string pm_;
  std::string os_am_;
  std::string os_pm_;
  std::array<std::optional<std::string>, kStandardButtonCount> captions_;
  unsigned month_names_version_ = 0;
  unsigned designators_version_ = 0;
};

}  // namespace app
