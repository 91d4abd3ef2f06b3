#include "platform/extended.h"

#include <cmath>
#include <limits>

namespace pm {

namespace {

static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the 80-bit extended real");

constexpr int kBias = 16383;
constexpr std::uint16_t kMaxExponent = 0x7FFF;
constexpr std::uint64_t kIntegerBit = 0x8000000000000000ULL;
// A denormal's mantissa counts in units of 2^(1 - 16383 - 63).
constexpr int kDenormalScale = kBias - 1 + 63;

ExtendedBytes Pack(bool negative, std::uint16_t exponent, std::uint64_t mantissa) {
  ExtendedBytes b{};
  for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  const std::uint16_t top = static_cast<std::uint16_t>(exponent | (negative ? 0x8000 : 0));
  b[8] = static_cast<std::uint8_t>(top & 0xFF);
  b[9] = static_cast<std::uint8_t>(top >> 8);
  return b;
}

}  // namespace

ExtendedBytes EncodeExtended(long double value) {
  const bool negative = std::signbit(value);
  if (std::isnan(value)) return Pack(negative, kMaxExponent, 0xC000000000000000ULL);
  if (std::isinf(value)) return Pack(negative, kMaxExponent, kIntegerBit);
  const long double a = std::fabs(value);
  if (a == 0) return Pack(negative, 0, 0);
  int e = 0;
  const long double m = std::frexp(a, &e);  // a = m * 2^e, m in [0.5, 1)
  const int biased = e - 1 + kBias;
  if (biased <= 0)
    return Pack(negative, 0, static_cast<std::uint64_t>(std::ldexp(a, kDenormalScale)));
  return Pack(negative, static_cast<std::uint16_t>(biased), static_cast<std::uint64_t>(std::ldexp(m, 64)));
}

long double DecodeExtended(const std::uint8_t* bytes) {
  std::uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[i];
  const std::uint16_t top = static_cast<std::uint16_t>(bytes[8] | (bytes[9] << 8));
  const bool negative = (top & 0x8000) != 0;
  const int exponent = top & kMaxExponent;
  long double a = 0;
  if (exponent == kMaxExponent) {
    if (mantissa == kIntegerBit)
      a = std::numeric_limits<long double>::infinity();
    else
      a = std::numeric_limits<long double>::quiet_NaN();
  } else if (exponent == 0) {
    a = std::ldexp(static_cast<long double>(mantissa), -kDenormalScale);
  } else if ((mantissa & kIntegerBit) == 0) {
    a = std::numeric_limits<long double>::quiet_NaN();
  } else {
    a = std::ldexp(static_cast<long double>(mantissa), exponent - kBias - 63);
  }
  return negative ? -a : a;
}

}  // namespace pm
