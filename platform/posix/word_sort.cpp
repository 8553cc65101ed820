#include "platform/posix/word_sort.h"

#include <array>
#include <string_view>

#include "platform/cp1251_literal.h"

namespace platform::posix {
namespace {

using platform::operator""_cp1251;

// Every character of Windows-1251 that a word sort does not ignore, from the lowest rank up.
// The groups follow the order a word sort gives: the apostrophe and the hyphen first (a word
// sort weighs them least so that "co-op" sorts beside "coop"), then white space,
// punctuation, mathematical signs, currency signs, other signs, digits and letters. A small
// letter ranks just below its capital (small letters sort first), a letter with a diacritic
// (ё, й, ќ, ...) just above its base letter, and the other letters of the Cyrillic alphabets
// just above the Russian letter they come nearest to. The micro sign ranks as the Greek
// letter mu, between the Latin and the Cyrillic letters.
constexpr std::string_view kRisingRank =
    "'-"
    "\t\n\v\f\r \u00A0"
    "!\"#$%&()*,./:;?@[\\]^_`{|}~¦‘’‚“”„‹›–—"
    "+<=>±«»"
    "¤€"
    "§©¬®°¶·†‡•…‰™№"
    "0123456789"
    "aAbBcCdDeEfFgGhHiIjJkKlLmMnNoOpPqQrRsStTuUvVwWxXyYzZ"
    "µ"
    "аАбБвВгГѓЃґҐдДђЂеЕёЁєЄжЖзЗѕЅиИйЙіІїЇјЈкКќЌлЛљЉмМнНњЊоОпПрРсСтТћЋуУўЎфФхХцЦчЧџЏшШщЩ"
    "ъЪыЫьЬэЭюЮяЯ"_cp1251;

constexpr std::array<int, 256> BuildRanks() {
  std::array<int, 256> ranks{};
  int rank = 0;
  for (char c : kRisingRank) {
    const auto code = static_cast<unsigned char>(c);
    if (ranks[code] != 0) throw "character ranked twice";
    ranks[code] = ++rank;
  }
  return ranks;
}

constexpr std::array<int, 256> kRanks = BuildRanks();

}  // namespace

int WordSortRank(unsigned char c) {
  return kRanks[c];
}

}  // namespace platform::posix
