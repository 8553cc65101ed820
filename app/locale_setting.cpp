#include "app/locale_setting.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "platform/code_page.h"

namespace app {
namespace {

constexpr std::size_t kMaxValueLength = 299;
constexpr std::size_t kMaxAlphabetLength = 128;
constexpr std::size_t kShortMonthLength = 3;
constexpr std::size_t kLongMonthLength = 12;
constexpr std::size_t kDesignatorLength = 2;

std::string_view PreparedValue(std::string_view value) {
  value = value.substr(0, kMaxValueLength);
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  return value;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
  return std::ranges::equal(text, word, {}, upper, upper);
}

bool IsWindows(std::string_view text) {
  return EqualsIgnoringCase(text, "WINDOWS");
}

// The items of a value, split at every comma; a value without commas is item 0 alone.
class ItemList {
 public:
  explicit ItemList(std::string_view value) {
    std::size_t start = 0;
    for (std::size_t comma; (comma = value.find(',', start)) != std::string_view::npos;
         start = comma + 1) {
      items_.push_back(value.substr(start, comma - start));
    }
    items_.push_back(value.substr(start));
  }

  std::size_t Count() const { return items_.size(); }
  // Item `n`, or an empty text when the value has no such item.
  std::string_view operator[](std::size_t n) const { return n < items_.size() ? items_[n] : ""; }

 private:
  std::vector<std::string_view> items_;
};

}  // namespace

// Applies one setting to the tables it has the right to change.
class LocaleSettingApplier {
 public:
  LocaleSettingApplier(LocaleTables& tables, const platform::OsLocale& os)
      : tables_(tables), os_(os) {}

  void Apply(LocaleSetting setting, std::string_view raw_value) {
    const std::string_view prepared = PreparedValue(raw_value);
    // While the flag says OEM every value but a collation sequence is read as OEM text.
    const std::string value = tables_.oem_
                                  ? platform::Recode(platform::CodePage::Oem866,
                                                     platform::CodePage::Windows1251, prepared)
                                  : std::string(prepared);
    const ItemList items(value);
    switch (setting) {
      case LocaleSetting::CollationSequence:
        return ApplyCollationSequence(prepared);
      case LocaleSetting::CaseTable:
        return ApplyCaseTable(value, items);
      case LocaleSetting::CharacterSet:
        tables_.oem_ = EqualsIgnoringCase(items[0], "OEM");
        return;
      case LocaleSetting::ShortMonthNames:
        return ApplyMonthNames(items, tables_.short_months_, kShortMonthLength);
      case LocaleSetting::LongMonthNames:
        return ApplyMonthNames(items, tables_.long_months_, kLongMonthLength);
      case LocaleSetting::AmPmDesignators:
        return ApplyDesignators(items);
      case LocaleSetting::ButtonCaptions:
        return ApplyButtonCaptions(items);
    }
  }

 private:
  void ApplyCaseTable(std::string_view value, const ItemList& items) {
    std::fill(tables_.class_.begin() + 128, tables_.class_.end(), kNone);
    std::fill(tables_.partner_.begin() + 128, tables_.partner_.end(), 0);
    // An empty value leaves the defaults, which is what the cleared upper half holds.
    if (value.empty()) return;

    std::string upper, lower;
    if (!IsWindows(value)) {
      upper = items[0].substr(0, kMaxAlphabetLength);
      lower = items[1].substr(0, kMaxAlphabetLength);
    }
    if (upper.empty() || upper.size() != lower.size()) SystemAlphabet(upper, lower);

    for (std::size_t i = 0; i < upper.size(); ++i) {
      PairLetters(static_cast<unsigned char>(upper[i]), static_cast<unsigned char>(lower[i]));
    }
  }

  void SystemAlphabet(std::string& upper, std::string& lower) const {
    upper.clear();
    lower.clear();
    for (int code = 0; code < 256; ++code) {
      const auto c = static_cast<unsigned char>(code);
      if (!os_.IsUpperCaseLetter(c)) continue;
      upper += static_cast<char>(c);
      lower += static_cast<char>(os_.ToLowerCase(c));
    }
  }

  // Enters one pair of the alphabets. Letters below 128 keep their defaults whatever the
  // value says. A pair that would give a character a second partner, or make a character its
  // own partner, is passed over, so that partners always come in pairs and ToUpper and
  // ToLower stay each other's inverse.
  void PairLetters(unsigned char upper, unsigned char lower) {
    if (upper < 128 || lower < 128 || upper == lower) return;
    if (tables_.partner_[upper] != 0 || tables_.partner_[lower] != 0) return;
    tables_.class_[upper] = kUpper;
    tables_.partner_[upper] = lower;
    tables_.class_[lower] = kLower;
    tables_.partner_[lower] = upper;
  }

  // Orders the characters of the sequence among themselves as the sequence lists them, on
  // the codes they occupy; every other character keeps its own code. A sequence of all 222
  // codes 32 to 126 and 128 to 254 is the full form of the setting: its codes sorted are
  // exactly those, so its characters take the weights 32 to 126 and 128 to 254 in turn. A
  // sequence of 222 characters that are not exactly those codes is read the same way as any
  // other, so the weights stay a permutation and no two different texts compare equal.
  void ApplyCollationSequence(std::string_view value) {
    const std::string sequence = IsWindows(value) ? SystemSequence() : std::string(value);

    std::string distinct;
    std::array<bool, 256> seen{};
    for (char c : sequence) {
      const auto code = static_cast<unsigned char>(c);
      if (!seen[code]) distinct += c;
      seen[code] = true;
    }
    std::string codes = distinct;
    std::ranges::sort(codes, {}, [](char c) { return static_cast<unsigned char>(c); });

    for (int c = 0; c < 256; ++c) tables_.weight_[c] = static_cast<uint8_t>(c);
    for (std::size_t i = 0; i < distinct.size(); ++i) {
      tables_.weight_[static_cast<unsigned char>(distinct[i])] =
          static_cast<unsigned char>(codes[i]);
    }
  }

  // Code 0, then the codes 1 to 254 as the system's comparison ranks them, equal ranks in
  // ascending code order. The insertion stays within the sequence whatever the comparison
  // answers, which a library sort does not promise for an inconsistent comparison.
  std::string SystemSequence() const {
    std::string ranked;
    for (int code = 1; code <= 254; ++code) {
      const auto c = static_cast<unsigned char>(code);
      std::size_t at = ranked.size();
      while (at > 0 && os_.CompareCharacters(static_cast<unsigned char>(ranked[at - 1]), c) > 0) {
        --at;
      }
      ranked.insert(at, 1, static_cast<char>(c));
    }
    return std::string(1, '\0') + ranked;
  }

  void ApplyMonthNames(const ItemList& items, std::array<std::string, 12>& names,
                       std::size_t length) {
    for (std::size_t month = 0; month < names.size() && !items[month].empty(); ++month) {
      names[month] = items[month].substr(0, length);
    }
    ++tables_.month_names_version_;
  }

  void ApplyDesignators(const ItemList& items) {
    if (items[0].empty()) return;
    ++tables_.designators_version_;
    if (IsWindows(items[0])) {
      tables_.am_ = tables_.os_am_;
      tables_.pm_ = tables_.os_pm_;
      return;
    }
    tables_.am_ = items[0].substr(0, kDesignatorLength);
    if (!items[1].empty()) tables_.pm_ = items[1].substr(0, kDesignatorLength);
  }

  void ApplyButtonCaptions(const ItemList& items) {
    for (std::size_t i = 0; i < std::min<std::size_t>(items.Count(), kStandardButtonCount); ++i) {
      if (!items[i].empty()) tables_.captions_[i] = std::string(items[i]);
    }
  }

  LocaleTables& tables_;
  const platform::OsLocale& os_;
};

void ApplyLocaleSetting(LocaleTables& tables, LocaleSetting setting, std::string_view value,
                        const platform::OsLocale& os) {
  static std::mutex lock;
  const std::lock_guard hold(lock);
  LocaleSettingApplier(tables, os).Apply(setting, value);
}

}  // namespace app
