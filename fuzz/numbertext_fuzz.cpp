#include "common/lib1.h"
#include "platform/extended.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Number text both ways: any text is read without harm, and any value a
// binary file can hold (10 bytes) is formatted with any stored format.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  long double v = 0;
  if (pm::TextToNumber(text, &v) && !std::isfinite(v)) __builtin_trap();
  int pos = 0;
  (void)pm::TextToNumberDot(text, &pos);
  bool ok = false;
  (void)pm::TextToValue(text, &ok);
  int whole = 0;
  (void)pm::ReadInteger(text, &whole);

  if (size >= 13) {
    const long double x = pm::DecodeExtended(data);
    pm::TNumberFormat f;
    f.Fixed = data[10];
    f.Digits = static_cast<std::int16_t>(data[11] | (data[12] << 8));
    const std::string shown = pm::FormatNumber(f, x);
    if (shown.size() > 255) __builtin_trap();
    (void)pm::ChooseNumberFormat(static_cast<int8_t>(data[11]), x);
    // What FormatNumber writes for a finite value reads back as a number
    // (away from the top of the range, where rounding the shown digits up
    // would pass the largest value).
    if (std::isfinite(x) && std::fabs(x) < 1e4900L && std::fabs(x) != pm::InfiniteValue) {
      long double back = 0;
      if (!pm::TextToNumber(shown, &back)) __builtin_trap();
    }
    (void)pm::EncodeExtended(x);
  }
  return 0;
}
