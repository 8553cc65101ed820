// The conversion of an old six-digit number into its display form and the new seven-digit one.
#pragma once

#include "convert/fixed_text.h"

namespace convert {

// Strips the separators from OLDNUM (capacity 10). With four or more characters left it
// chooses PrefixDigit (capacity 1: '2', '4' or blank) by the first three of them, shows the
// old number as "##-##-##" in OLDNUM and the prefix digit with the old number as "###-##-##"
// in NEWNUM (capacity 11); without a prefix digit the new number has a zero in front. A
// shorter entry is copied to NEWNUM unchanged and, when it has exactly three characters,
// shown in OLDNUM as "##-#"; PrefixDigit is then left alone. Every text gives a defined result.
void ConvertNumber(FixedText& OLDNUM, FixedText& NEWNUM, FixedText& PrefixDigit);

}  // namespace convert
