#pragma once

#include <array>
#include <cstdint>

namespace pm {

// The 10-byte extended real of the binary files: little-endian, 64-bit
// mantissa with an explicit integer bit, 15-bit exponent biased by 16383,
// sign in the top bit.
using ExtendedBytes = std::array<std::uint8_t, 10>;

ExtendedBytes EncodeExtended(long double value);
// Bytes the x87 would refuse to compute with (an exponent with a cleared
// integer bit, a pseudo-infinity) read as NaN.
long double DecodeExtended(const std::uint8_t* bytes);
inline long double DecodeExtended(const ExtendedBytes& bytes) { return DecodeExtended(bytes.data()); }

}  // namespace pm
