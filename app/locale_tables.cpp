#include "app/locale_tables.h"

#include <algorithm>

namespace app {
namespace {

constexpr std::array<const char*, 12> kShortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 12> kLongMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, kStandardButtonCount> kDefaultCaptions = {
    "OK", "&Yes", "&No", "&Abort", "&Retry", "&Ignore", "Cancel", "&Help"};

}  // namespace

LocaleTables::LocaleTables(std::string os_am, std::string os_pm)
    : am_("AM"), pm_("PM"), os_am_(os_am.substr(0, 2)), os_pm_(os_pm.substr(0, 2)) {
  for (int c = 0; c < 256; ++c) weight_[c] = static_cast<uint8_t>(c);
  for (int c = '0'; c <= '9'; ++c) class_[c] = kDigit;
  for (int c = 'A'; c <= 'Z'; ++c) {
    class_[c] = kUpper;
    class_[c + 32] = kLower;
    partner_[c] = static_cast<uint8_t>(c + 32);
    partner_[c + 32] = static_cast<uint8_t>(c);
  }
  std::copy(kShortMonths.begin(), kShortMonths.end(), short_months_.begin());
  std::copy(kLongMonths.begin(), kLongMonths.end(), long_months_.begin());
}

std::string LocaleTables::ToUpper(std::string_view text) const {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(ToUpper(static_cast<unsigned char>(c)));
  return result;
}

std::string LocaleTables::ToLower(std::string_view text) const {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(ToLower(static_cast<unsigned char>(c)));
  return result;
}

namespace {

template <typename Fold>
int CompareByWeights(const std::array<uint8_t, 256>& weight, std::string_view a, std::string_view b,
                     Fold fold) {
  const std::size_t n = std::max(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char ca = fold(i < a.size() ? static_cast<unsigned char>(a[i]) : ' ');
    const unsigned char cb = fold(i < b.size() ? static_cast<unsigned char>(b[i]) : ' ');
    if (weight[ca] != weight[cb]) return weight[ca] < weight[cb] ? -1 : 1;
  }
  return 0;
}

}  // namespace

int LocaleTables::CompareText(std::string_view a, std::string_view b) const {
  return CompareByWeights(weight_, a, b, [](unsigned char c) { return c; });
}

int LocaleTables::CompareTextIgnoringCase(std::string_view a, std::string_view b) const {
  return CompareByWeights(weight_, a, b, [this](unsigned char c) { return ToUpper(c); });
}

std::string LocaleTables::ButtonCaption(StandardButton button) const {
  const auto index = static_cast<std::size_t>(button);
  return captions_[index] ? *captions_[index] : kDefaultCaptions[index];
}

std::string LocaleTables::MonthName(int month, bool long_form) const {
  if (month < 1 || month > 12) return {};
  return long_form ? long_months_[month - 1] : short_months_[month - 1];
}

}  // namespace app
