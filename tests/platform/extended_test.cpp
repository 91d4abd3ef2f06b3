#include "platform/extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace pm {
namespace {

using Limits = std::numeric_limits<long double>;

ExtendedBytes Native(long double x) {
  ExtendedBytes b{};
  std::memcpy(b.data(), &x, b.size());
  return b;
}

TEST(Extended, EncodesTheNativeX87Layout) {
  const long double values[] = {0.0L,         -0.0L,          1.0L,          -1.0L,          0.1L,
                                123.456L,     1e99L,          -9.99e99L,     1e-4940L,       Limits::max(),
                                Limits::min(), Limits::denorm_min(), Limits::infinity(), -Limits::infinity()};
  for (long double x : values) {
    EXPECT_EQ(EncodeExtended(x), Native(x)) << static_cast<double>(x);
    const long double back = DecodeExtended(EncodeExtended(x));
    EXPECT_EQ(Native(back), Native(x)) << static_cast<double>(x);
  }
}

TEST(Extended, CellMarkersHaveTheBytesOfTheFiles) {
  const ExtendedBytes infinite = {0x27, 0x72, 0xF9, 0x3C, 0x14, 0x75, 0x15, 0xEA, 0x47, 0x41};
  const ExtendedBytes enterValue = {0x1D, 0x07, 0x8D, 0xEA, 0x19, 0xF5, 0x27, 0x92, 0x4B, 0x41};
  EXPECT_EQ(EncodeExtended(1e99L), infinite);
  EXPECT_EQ(EncodeExtended(9.99e99L), enterValue);
  EXPECT_EQ(DecodeExtended(infinite), 1e99L);
  EXPECT_EQ(DecodeExtended(enterValue), 9.99e99L);
  // A double widened is another number: the markers must be long double.
  EXPECT_NE(EncodeExtended(static_cast<long double>(1e99)), infinite);
}

TEST(Extended, BytesTheX87RefusesReadAsNaN) {
  const ExtendedBytes cases[] = {
      {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F},     // exponent set, integer bit clear
      {0, 0, 0, 0, 0, 0, 0, 0x00, 0xFF, 0x7F},     // pseudo-infinity
      {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F},     // quiet NaN
      {1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF},     // signalling NaN
  };
  for (const ExtendedBytes& b : cases) EXPECT_TRUE(std::isnan(DecodeExtended(b)));
  EXPECT_TRUE(std::isnan(DecodeExtended(EncodeExtended(Limits::quiet_NaN()))));
}

}  // namespace
}  // namespace pm
