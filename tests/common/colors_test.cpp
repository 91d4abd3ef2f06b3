#include "common/colors.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(ParseColorText, WordsRgbAndFailures) {
  struct Case {
    const char* text;
    RgbResult result;
    ColorValue value;
  } cases[] = {
      {"red", RgbResult::Ok, 0x0000FF},
      {"  Navy ", RgbResult::Ok, 0x800000},
      {"DEF", RgbResult::Ok, 0xFFFFFF},
      {"RGB(1,2,3)", RgbResult::Ok, 0x030201},
      {"rgb( 10 , 20 , 30 )", RgbResult::Ok, 0x1E140A},
      {"RGB(256,0,0)", RgbResult::Ok, 0x0000FF},    // clamped, not wrapped to black
      {"RGB(-1,0,0)", RgbResult::Ok, 0x000000},
      {"RGB(1,2)", RgbResult::Malformed, 0xFFFF01},  // missing separators: 255
      {"RGB(x,2,3)", RgbResult::Malformed, 0x030200},
      {"ARIAL", RgbResult::NotRgb, 0},
      {"", RgbResult::NotRgb, 0},
  };
  for (const Case& c : cases) {
    ColorValue v = 0;
    EXPECT_EQ(ParseColorText(c.text, &v), c.result) << c.text;
    if (c.result != RgbResult::NotRgb) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
}

TEST(ColorValue, QColorConversionKeepsByteOrder) {
  EXPECT_EQ(ToQColor(0x030201), QColor(1, 2, 3));
  EXPECT_EQ(FromQColor(QColor(1, 2, 3)), 0x030201u);
}

}  // namespace
}  // namespace pm
