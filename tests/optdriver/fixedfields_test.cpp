#include "optdriver/fixedfields.h"

#include <gtest/gtest.h>

namespace pm::optavin {
namespace {

TEST(ReadIntegerField, BlanksIgnoredAndShortRecordsPadded) {
  struct Case {
    const char* record;
    int value;
  } cases[] = {
      {"* Device 41", 41}, {"* Device  5", 5}, {"* Device 5 ", 5},  {"* Device 4 1", 4},
      {"* Device", 0},     {"* Device   ", 0}, {"* Device -3", -3}, {"* Device 123", 12},
  };
  for (const Case& c : cases) {
    int v = -99;
    EXPECT_TRUE(ReadIntegerField(c.record, 10, 2, &v)) << c.record;
    EXPECT_EQ(v, c.value) << c.record;
  }
  int v = 0;
  EXPECT_FALSE(ReadIntegerField("* Device ab", 10, 2, &v));
  EXPECT_FALSE(ReadIntegerField("* Device 4.", 10, 2, &v));
}

TEST(ReadIntegerFrom, TheWholeNumberThatStartsAtTheColumn) {
  struct Case {
    const char* record;
    int value;
  } cases[] = {
      {"EQUATIONS 5", 5},  {"EQUATIONS 10", 10}, {"EQUATIONS  5", 5},  {"EQUATIONS 0", 0},   {"EQUATIONS", 0},
      {"EQUATIONS   ", 0}, {"EQUATIONS 3 x", 3}, {"EQUATIONS 11", 11}, {"EQUATIONS -1", -1},
  };
  for (const Case& c : cases) {
    int v = -99;
    EXPECT_TRUE(ReadIntegerFrom(c.record, 10, &v)) << c.record;
    EXPECT_EQ(v, c.value) << c.record;
  }
  int v = 0;
  for (const char* bad : {"EQUATIONS x", "EQUATIONS 1.5", "EQUATIONS 2x"})
    EXPECT_FALSE(ReadIntegerFrom(bad, 10, &v)) << bad;
}

TEST(FormatFixed, NineColumnsTwoDecimalsWidenedWhenNeeded) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {7.126, "     7.13"},
      {8.5, "     8.50"},
      {0.5, "     0.50"},
      {-0.5, "    -0.50"},
      {0.0, "     0.00"},
      {999999.99, "999999.99"},
      {-99999.99, "-99999.99"},
      {1234567.89, "1234567.89"},
      {1000000.0, "1000000.00"},
      {-123456.0, "-123456.00"},
      {-100000.0, "-100000.00"},
      // Exact binary ties go to even; other halves round as their binary value lies.
      {0.125, "     0.12"},
      {0.375, "     0.38"},
      {2.675, "     2.67"},
      {1.005, "     1.00"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFixed(c.value, 9, 2), c.text) << c.value;
}

TEST(FormatInteger, RightJustifiedWidened) {
  EXPECT_EQ(FormatInteger(5, 2), " 5");
  EXPECT_EQ(FormatInteger(41, 2), "41");
  EXPECT_EQ(FormatInteger(7, 1), "7");
  EXPECT_EQ(FormatInteger(10, 1), "10");
  EXPECT_EQ(FormatInteger(-5, 1), "-5");
}

}  // namespace
}  // namespace pm::optavin
