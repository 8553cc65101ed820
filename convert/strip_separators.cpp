#include "convert/strip_separators.h"

#include "convert/fixed_text.h"

namespace convert {

namespace {
constexpr std::string_view kSeparators = "-=: ./+()";
}  // namespace

std::string StripSeparators(std::string_view text) {
  const std::string_view clipped = ClipBlanks(text);
  std::string result;
  result.reserve(clipped.size() < kStripCapacity ? clipped.size() : kStripCapacity);
  for (const char c : clipped) {
    if (result.size() == kStripCapacity) break;
    if (kSeparators.find(c) == std::string_view::npos) result += c;
  }
  return result;
}

}  // namespace convert
