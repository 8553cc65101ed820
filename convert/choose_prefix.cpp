#include "convert/choose_prefix.h"

#include <array>

namespace convert {
namespace {

struct PrefixRange {
  std::int32_t from;
  std::int32_t to;
  char digit;
};

// Searched in this order; the first range holding the value decides.
constexpr std::array<PrefixRange, 15> kPrefixRanges = {{
    {200, 299, '2'},
    {400, 499, '2'},
    {500, 599, '2'},
    {700, 799, '2'},
    {900, 999, '2'},
    {110, 117, '2'},
    {125, 129, '2'},
    {180, 189, '2'},
    {130, 170, '4'},
    {300, 399, '4'},
    {600, 699, '4'},
    {100, 109, '4'},
    {118, 119, '4'},
    {120, 124, '4'},
    {190, 199, '4'},
}};

}  // namespace

std::optional<char> ChoosePrefix(std::int32_t b) {
  for (const PrefixRange& range : kPrefixRanges) {
    if (range.from <= b && b <= range.to) return range.digit;
  }
  return std::nullopt;
}

}  // namespace convert
