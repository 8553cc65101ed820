#include "platform/posix/unicode_case.h"

namespace platform::posix {
namespace {

// A run of capitals whose partners lie `offset` above them. With `step` 2 only every
// second code point from `first` on is a capital; the one after it is its partner.
struct CapitalRun {
  char32_t first;
  char32_t last;
  char32_t step;
  char32_t offset;
};

// From the Unicode character database (UnicodeData.txt, simple lower-case mappings).
constexpr CapitalRun kCapitalRuns[] = {
    {0x0041, 0x005A, 1, 0x20},  // A..Z
    {0x00C0, 0x00D6, 1, 0x20},  // À..Ö; U+00D7 is the multiplication sign
    {0x00D8, 0x00DE, 1, 0x20},  // Ø..Þ
    {0x0400, 0x040F, 1, 0x50},  // Ѐ..Џ
    {0x0410, 0x042F, 1, 0x20},  // А..Я
    {0x0460, 0x0480, 2, 1},     // Ѡ..Ҁ
    {0x048A, 0x04BE, 2, 1},     // Ҋ..Ҿ, Ґ among them
    {0x04C0, 0x04C0, 1, 0x0F},  // Ӏ, whose partner ӏ sits at the end of the block
    {0x04C1, 0x04CD, 2, 1},     // Ӂ..Ӎ
    {0x04D0, 0x04FE, 2, 1},     // Ӑ..Ӿ
};

}  // namespace

std::optional<char32_t> LowerCaseOfCapital(char32_t code_point) {
  for (const CapitalRun& run : kCapitalRuns) {
    if (code_point >= run.first && code_point <= run.last &&
        (code_point - run.first) % run.step == 0) {
      return code_point + run.offset;
    }
  }
  return std::nullopt;
}

}  // namespace platform::posix
