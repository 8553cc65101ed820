#include "convert/convert_number.h"

#include <cassert>
#include <cstdint>
#include <string>

#include "convert/choose_prefix.h"
#include "convert/format_pattern.h"
#include "convert/read_number.h"
#include "convert/strip_separators.h"

namespace convert {
namespace {

constexpr std::string_view kOldPattern = "##-##-##";
constexpr std::string_view kNewPattern = "###-##-##";
constexpr std::string_view kShortOldPattern = "##-#";
constexpr std::size_t kPrefixSource = 3;  // leading characters whose value chooses the prefix
constexpr std::size_t kShortestConverted = 4;
constexpr std::size_t kShortShown = 3;  // a short entry of this length is shown as "##-#"

}  // namespace

void ConvertNumber(FixedText& OLDNUM, FixedText& NEWNUM, FixedText& PrefixDigit) {
  assert(OLDNUM.Capacity() == 10 && NEWNUM.Capacity() == 11 && PrefixDigit.Capacity() == 1 &&
         "ConvertNumber works on OLDNUM (10), NEWNUM (11) and PrefixDigit (1)");

  OLDNUM = StripSeparators(OLDNUM.Stored());
  const std::size_t length = OLDNUM.Length();

  if (length >= kShortestConverted) {
    PrefixDigit = " ";
    // Saturation keeps values too large for 32 bits (an exponent such as "9e9") outside every
    // range, as they are.
    const std::int32_t b =
        ToInt32(IntegerPart(ReadNumber(OLDNUM.Stored().substr(0, kPrefixSource))));
    if (const auto digit = ChoosePrefix(b)) PrefixDigit = std::string(1, *digit);

    // The new number is composed from the stripped old one before that is formatted; a blank
    // prefix is skipped by ReadNumber, so it shows as a leading zero.
    std::string joined(PrefixDigit.Stored());
    joined += OLDNUM.Stored();
    NEWNUM = joined;
    OLDNUM = FormatPattern(ReadNumber(OLDNUM.Stored()), kOldPattern);
    NEWNUM = FormatPattern(ReadNumber(NEWNUM.Stored()), kNewPattern);
  } else {
    NEWNUM = OLDNUM.Stored();
    if (length == kShortShown) {
      OLDNUM = FormatPattern(ReadNumber(OLDNUM.Stored()), kShortOldPattern);
    }
  }
}

}  // namespace convert
