// Time of one ConvertNumber call on typical and on unusual entries.
#include <benchmark/benchmark.h>

#include "convert/convert_number.h"
#include "convert/fixed_text.h"

namespace {

void ConvertEntry(benchmark::State& state, const char* entry) {
  convert::FixedText OLDNUM(10);
  convert::FixedText NEWNUM(11);
  convert::FixedText PrefixDigit(1);
  for (auto _ : state) {
    OLDNUM = entry;
    convert::ConvertNumber(OLDNUM, NEWNUM, PrefixDigit);
    benchmark::DoNotOptimize(NEWNUM.Stored().data());
  }
}

BENCHMARK_CAPTURE(ConvertEntry, six_digits, "234567");
BENCHMARK_CAPTURE(ConvertEntry, with_separators, "23-45-67");
BENCHMARK_CAPTURE(ConvertEntry, short_entry, "123");
BENCHMARK_CAPTURE(ConvertEntry, long_exponent, "1e99999999");
BENCHMARK_CAPTURE(ConvertEntry, letters, "ABCDEFGHIJ");

}  // namespace

BENCHMARK_MAIN();
