#include "common/lib1.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <locale>
#include <string>

namespace pm {
namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr std::uint8_t kFixed = 1;
constexpr std::uint8_t kSci = 0;

void CheckFormatting() {
  struct Case {
    std::uint8_t fixed;
    int digits;
    long double x;
    const char* expected;
  } cases[] = {
      // Scientific: sign, rounding, exponent with at least two digits.
      {kSci, 3, 12346, "1.235E+04"},
      {kSci, 3, -0.00012346L, "-1.235E-04"},
      {kSci, 2, 1.5e123L, "1.50E+123"},
      {kSci, 2, 1e-4000L, "1.00E-4000"},
      {kSci, 2, 0, "0.00E+00"},
      {kSci, 3, 1e98L, "1.000E+98"},
      // Digits 0 rounds once to one significant digit.
      {kSci, 0, 1.94L, "2E+00"},
      {kSci, 0, 1.96L, "2E+00"},
      {kSci, 0, 1.4L, "1E+00"},
      {kSci, 0, 9.6L, "1E+01"},
      {kSci, 0, -0.0094L, "-9E-03"},
      // Fixed.
      {kFixed, 1, 12.345L, "12.3"},
      {kFixed, 3, 0.5L, "0.500"},
      {kFixed, 0, 123456, "123456"},
      {kFixed, 2, -2.345678L, "-2.35"},
      {kFixed, 0, 1.7L, "2"},
      {kFixed, 13, 0.1L, "0.1000000000000"},
      // Past 18 significant digits zeros, not binary noise.
      {kFixed, 0, 1.234e30L, "1234000000000000000000000000000"},
      {kFixed, 2, 123456789012345678901.0L, "123456789012345679000.00"},
      {kFixed, 0, 99999999999999999990.0L, "100000000000000000000"},  // the carry
      {kFixed, 0, 1e27L, "1000000000000000000000000000"},
      // |X| >= 1e36 in fixed: 13 significant digits, four-digit exponent.
      {kFixed, 2, 1e36L, "1.000000000000E+0036"},
      {kFixed, 1, -1e40L, "-1.000000000000E+0040"},
      {kFixed, 1, 1e98L, "1.000000000000E+0098"},
      {kFixed, 1, EnterValueMarker, "9.990000000000E+0099"},
      // InfiniteValue and the IEEE specials, whatever the format.
      {kFixed, 1, InfiniteValue, "inf"},
      {kSci, 5, -InfiniteValue, "-inf"},
      {kFixed, 1, kInf, "inf"},
      {kSci, 1, -kInf, "-inf"},
      {kFixed, 1, kNaN, "nan"},
      {kSci, 1, -kNaN, "nan"},
      // Only an exact negative zero loses its sign.
      {kFixed, 1, -0.0L, "0.0"},
      {kSci, 1, -0.0L, "0.0E+00"},
      {kFixed, 1, -0.04L, "-0.0"},
      // Digits out of range are clamped to 0..17.
      {kFixed, -3, 1.7L, "2"},
      {kFixed, 40, 0.5L, "0.50000000000000000"},
      {kSci, 32767, 1, "1.00000000000000000E+00"},
      {kSci, -5, 1.94L, "2E+00"},
      {7, 3, 12346, "1.235E+04"},  // any Fixed other than 1 is scientific
  };
  for (const Case& c : cases) {
    TNumberFormat f;
    f.Fixed = c.fixed;
    f.Digits = static_cast<std::int16_t>(c.digits);
    EXPECT_EQ(FormatNumber(f, c.x), c.expected) << "Fixed " << int(c.fixed) << " Digits " << c.digits;
  }
}

void CheckReading() {
  struct Case {
    const char* text;
    bool ok;
    long double value;
  } cases[] = {
      {"12", true, 12},
      {"   12", true, 12},
      {"+1", true, 1},
      {"-1.5e3", true, -1500},
      {"2.5E-2", true, 0.025L},
      {"0.1", true, 0.1L},
      {"5.", true, 5},
      {".5", true, 0.5L},
      {".", true, 0},
      {"E5", true, 0},
      {"-e-5", true, 0},
      {"1e4932", true, 1e4932L},
      {"1E-5000", true, 0},  // underflow reads as 0
      {"-1E-5000", true, 0},
      {"0.00000000000000000000001e-4920", true, 0},
      {"0e999999999999999999", true, 0},
      {"", false, 0},
      {"   ", false, 0},
      {"+", false, 0},
      {"-", false, 0},
      {"12 ", false, 0},
      {"\t12", false, 0},
      {"1e", false, 0},
      {"1e+", false, 0},
      {"1.2.3", false, 0},
      {"1,5", false, 0},
      {"inf", false, 0},
      {"nan", false, 0},
      {"0x10", false, 0},
      {"1E5000", false, 0},  // overflow is no number
      {"1e99999999999999999999", false, 0},
  };
  for (const Case& c : cases) {
    long double v = -7;
    EXPECT_EQ(TextToNumber(c.text, &v), c.ok) << '"' << c.text << '"';
    EXPECT_EQ(v, c.ok ? c.value : -7) << '"' << c.text << "\": the value is written only on success";
    // The same syntax read to a double: beyond its range is no number.
    const bool fits = c.ok && std::fabs(c.value) <= std::numeric_limits<double>::max();
    double d = -7;
    EXPECT_EQ(TextToDouble(c.text, &d), fits) << '"' << c.text << '"';
    EXPECT_EQ(d, fits ? static_cast<double>(c.value) : -7) << '"' << c.text << '"';
  }
  const struct {
    const char* text;
    bool ok;
    double value;
  } doubles[] = {{"1e-310", true, 1e-310}, {"-1e-400", true, 0}, {"1.7976931348623157e308", true, 1.7976931348623157e308},
                 {"1e309", false, 0},    {"-2e308", false, 0},   {"0.1", true, 0.1}};
  for (const auto& c : doubles) {
    double d = -7;
    EXPECT_EQ(TextToDouble(c.text, &d), c.ok) << c.text;
    EXPECT_EQ(d, c.ok ? c.value : -7) << c.text;
  }
}

TEST(NumberText, FormatsByTheTable) { CheckFormatting(); }
TEST(NumberText, ReadsByTheSyntax) { CheckReading(); }

// Under a locale whose decimal point is "," the texts stay the same.
TEST(NumberText, IsIndependentOfTheLocale) {
  const std::string oldC = std::setlocale(LC_ALL, nullptr);
  const std::locale oldCpp;
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "install locales-all";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  std::locale::global(std::locale("de_DE.UTF-8"));
  ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');

  CheckFormatting();
  CheckReading();
  long double v = 0;
  EXPECT_FALSE(TextToNumber("1,5", &v));

  std::locale::global(oldCpp);
  std::setlocale(LC_ALL, oldC.c_str());
}

TEST(NumberText, ChoosesTheFormatBySignificantDigits) {
  struct Case {
    int sig;
    long double x;
    TNumberFormat expected;
    const char* text;
  } cases[] = {
      {3, 0, {1, 1}, "0.0"},
      {3, 12.345L, {1, 1}, "12.3"},
      {3, 0.5L, {1, 3}, "0.500"},
      {3, 0.05L, {0, 2}, "5.00E-02"},
      {3, 123456, {1, 0}, "123456"},
      {3, -123456, {1, 0}, "-123456"},
      {3, 1e-5L, {0, 2}, "1.00E-05"},  // exactly 1e-5 is scientific
      {3, -1e-5L, {0, 2}, "-1.00E-05"},
      {3, 1.0001e-5L, {0, 2}, "1.00E-05"},  // D = 8 > Sig, not above 10^2
      {1, 1.94L, {1, 0}, "2"},
      {1, 0.0194L, {0, 0}, "2E-02"},
      {13, 2.5L, {1, 12}, "2.500000000000"},
      {3, InfiniteValue, {1, 0}, "inf"},
      {3, kInf, {1, 0}, "inf"},
      {3, kNaN, {1, 0}, "nan"},
  };
  for (const Case& c : cases) {
    const TNumberFormat f = ChooseNumberFormat(c.sig, c.x);
    EXPECT_EQ(f, c.expected) << c.sig << ' ' << c.text;
    EXPECT_EQ(FormatNumber(f, c.x), c.text);
  }
}

TEST(NumberText, AnySignificantDigitsGiveADefinedFormat) {
  for (int sig : {0, -1, -40000, 40000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
    for (long double x : {1.0L, -3.5e-7L, 7e300L, 1e-4940L, kInf, kNaN}) {
      const std::string text = FormatNumber(ChooseNumberFormat(sig, x), x);
      EXPECT_FALSE(text.empty());
      EXPECT_LE(text.size(), 255u);
    }
  }
  EXPECT_EQ(ChooseNumberFormat(40000, 1.0L), (TNumberFormat{1, 32767}));
}

TEST(NumberText, TextToNumberDotGivesTheErrorPosition) {
  struct Case {
    const char* text;
    int pos;
    long double value;
  } cases[] = {
      {"12.", 0, 12}, {".", 0, 0},    {"-3.5", 0, -3.5L}, {"12 ", 3, 0},
      {"", 1, 0},     {"1e", 3, 0},   {"abc", 1, 0},      {"1E5000", 1, 0},
  };
  for (const Case& c : cases) {
    int pos = -1;
    EXPECT_EQ(TextToNumberDot(c.text, &pos), c.value) << c.text;
    EXPECT_EQ(pos, c.pos) << c.text;
  }
}

TEST(NumberText, TextToValueReadsTheInfiniteWords) {
  struct Case {
    const char* text;
    bool ok;
    long double value;
  } cases[] = {
      {"inf", true, InfiniteValue}, {"INF", true, InfiniteValue}, {"-Inf", true, -InfiniteValue},
      {"1e3", true, 1000},          {" inf", false, 0},           {"INF ", false, 0},
      {"+inf", false, 0},           {"x", false, 0},
  };
  for (const Case& c : cases) {
    bool ok = !c.ok;
    const long double v = TextToValue(c.text, &ok);
    EXPECT_EQ(ok, c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
}

TEST(NumberText, RaiseToPowerAndDecimalLog) {
  EXPECT_EQ(RaiseToPower(3, 2), 8);
  EXPECT_EQ(RaiseToPower(-2, 2), 0.25L);
  EXPECT_EQ(RaiseToPower(0, 0), 1);
  EXPECT_EQ(RaiseToPower(27, 10), 1e27L);
  EXPECT_EQ(RaiseToPower(5000, 10), kInf);
  EXPECT_EQ(RaiseToPower(5001, -10), -kInf);
  EXPECT_EQ(RaiseToPower(5002, -10), kInf);
  EXPECT_EQ(RaiseToPower(std::numeric_limits<int>::min(), 2), 0);
  EXPECT_NEAR(static_cast<double>(DecimalLog(1000)), 3.0, 1e-6);
  // X <= 0 has no logarithm; the checked conversions still give a value.
  EXPECT_EQ(CheckedTrunc(DecimalLog(0)), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(CheckedTrunc(DecimalLog(-1)), 0);
}

TEST(NumberText, CheckedConversionsAreDefinedForEveryValue) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  struct Case {
    long double x;
    std::int64_t trunc, round;
    std::int16_t trunc16;
  } cases[] = {
      {2.7L, 2, 3, 2},
      {-2.7L, -2, -3, -2},
      {2.5L, 2, 2, 2},  // halves to even
      {3.5L, 3, 4, 3},
      {-2.5L, -2, -2, -2},
      {40000, 40000, 40000, 32767},
      {-40000.9L, -40000, -40001, -32768},
      {9223372036854775807.0L, kMax, kMax, 32767},
      {1e30L, kMax, kMax, 32767},
      {-1e30L, kMin, kMin, -32768},
      {kInf, kMax, kMax, 32767},
      {-kInf, kMin, kMin, -32768},
      {kNaN, 0, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckedTrunc(c.x), c.trunc) << static_cast<double>(c.x);
    EXPECT_EQ(CheckedRound(c.x), c.round) << static_cast<double>(c.x);
    EXPECT_EQ(CheckedTruncInt16(c.x), c.trunc16) << static_cast<double>(c.x);
  }
}

TEST(NumberText, RangeKinds) {
  struct Case {
    int kind;
    long double v;
    bool ok;
  } cases[] = {
      {1, 1, false}, {1, 1.5L, true},  {2, 1, true},   {2, 0.5L, false}, {3, 1, true},     {3, 2, true},
      {3, 2.5L, false}, {4, 2, true},  {4, 2.5L, false}, {5, 1, false},  {5, 1.5L, true},  {5, 2, false},
      {6, 2, true},  {65, 1, true},    {65, 2, false}, {0, -100, true},  {7, 1e9L, true},  {-1, 1.5L, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NumberInRange(c.kind, c.v, 1, 2), c.ok) << "kind " << c.kind << " V " << static_cast<double>(c.v);
}

TEST(NumberText, ReadIntegerTakesASignAndDigitsOnly) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  } cases[] = {
      {"10", true, 10},          {" 10 ", true, 10},         {"+7", true, 7},        {"-3", true, -3},
      {"0", true, 0},            {"2147483647", true, 2147483647}, {"2147483648", false, 0},
      {"-2147483649", false, 0}, {"", false, 0},             {"  ", false, 0},       {"1.5", false, 0},
      {"1e3", false, 0},         {"12a", false, 0},          {"+", false, 0},        {"+-1", false, 0},
      {"--1", false, 0},         {"0x10", false, 0},         {"1 2", false, 0},
  };
  for (const Case& c : cases) {
    int v = -99;
    EXPECT_EQ(ReadInteger(c.text, &v), c.ok) << c.text;
    EXPECT_EQ(v, c.ok ? c.value : -99) << c.text;
  }
  EXPECT_EQ(NotIntegerMessage(QStringLiteral("1.5")), QStringLiteral("'1.5' is not a valid integer value"));
}

}  // namespace
}  // namespace pm
