// The three texts the conversion works on, with the capacities the main window gives them.
#pragma once

#include <string_view>

#include "convert/convert_number.h"
#include "convert/fixed_text.h"

namespace convert::testing {

struct ConversionTexts {
  FixedText OLDNUM{10};
  FixedText NEWNUM{11};
  FixedText PrefixDigit{1};

  ConversionTexts& Convert(std::string_view old_number) {
    OLDNUM = old_number;
    return Convert();
  }
  ConversionTexts& Convert() {
    ConvertNumber(OLDNUM, NEWNUM, PrefixDigit);
    return *this;
  }
};

}  // namespace convert::testing
