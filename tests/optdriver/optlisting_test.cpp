#include "optdriver/optlisting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pm::optavin {
namespace {

TEST(FindMinimumLine, FirstLineWithMinimumFromColumnTwo) {
  struct Case {
    std::vector<std::string> lines;
    std::size_t index;
  } cases[] = {
      {{"header", "x", "  12 3 1 0.25 7.126 8.5 Minimum"}, 2},
      {{"Minimum at the start", "no"}, std::string::npos},
      {{"Minimum first, Minimum again"}, std::string::npos},
      {{" minimum", "MINIMUM", " Minimum"}, 2},
      {{"a Minimum", "b Minimum"}, 0},
      {{}, std::string::npos},
  };
  for (const Case& c : cases) EXPECT_EQ(FindMinimumLine(c.lines), c.index);
}

TEST(FindMinimumLine, OnlyTheFirstThousandLinesAndTwoHundredColumns) {
  std::vector<std::string> lines(1000, "nothing here");
  lines.push_back(" Minimum");
  EXPECT_EQ(FindMinimumLine(lines), std::string::npos);
  lines[999] = " Minimum";
  EXPECT_EQ(FindMinimumLine(lines), 999u);
  const std::vector<std::string> wide{std::string(193, ' ') + "Minimum", std::string(194, ' ') + "Minimum"};
  EXPECT_EQ(FindMinimumLine(wide), 0u);
  EXPECT_EQ(FindMinimumLine({wide[1]}), std::string::npos);
}

TEST(ReadMinimumValues, SkipsFourItemsAndTakesTheValues) {
  const std::vector<std::string> lines{"head", "  12 3 1 0.25 7.126 8.5 Minimum"};
  std::vector<double> values{1.5, 2.0};
  ASSERT_EQ(ReadMinimumValues(lines, 1, &values), "");
  EXPECT_EQ(values, (std::vector<double>{7.126, 8.5}));
}

TEST(ReadMinimumValues, GoesOnOverWrappedLinesAndKeepsEmptyValues) {
  const std::vector<std::string> lines{" 1 2 3 0.5E-2", "   1.0D1,,", " 3.5+1 Minimum"};
  std::vector<double> values{1, 2, 3};
  ASSERT_EQ(ReadMinimumValues(lines, 0, &values), "");
  EXPECT_EQ(values, (std::vector<double>{10, 2, 35}));
}

TEST(ReadMinimumValues, OneStarIsOneEmptyValue) {
  const std::vector<std::string> lines{"  1 2 3 0.5 7.5 7.5 1* 3.3/ Minimum"};
  std::vector<double> values{1, 2, 3, 4, 5};
  ASSERT_EQ(ReadMinimumValues(lines, 0, &values), "");
  EXPECT_EQ(values, (std::vector<double>{7.5, 7.5, 3, 3.3, 5}));
}

TEST(ReadMinimumValues, WhatIsWrongLeavesTheValues) {
  struct Case {
    std::vector<std::string> lines;
    const char* message;
  } cases[] = {
      {{"x", " 12 3 1 0.25 7.126 Minimum"},
       "OutputListingMain.txt, line 2: a number for variable 2 of 2 was expected, not \"Minimum\""},
      {{" 12 3 1 0.25 7.126"},
       "OutputListingMain.txt, line 2: the file ends before the 2 values of the line with "
       "\"Minimum\" were read"},
      {{" 12 3.5 1 0.25 7 8 Minimum"},
       "OutputListingMain.txt, line 1: a whole number as item 2 was expected, not \"3.5\""},
      {{" +-5 3 1 0.25 7 8 Minimum"},
       "OutputListingMain.txt, line 1: a whole number as item 1 was expected, not \"+-5\""},
      {{" 12 3 1 0.25 7 1e400 Minimum"},
       "OutputListingMain.txt, line 1: a number for variable 2 of 2 was expected, not \"1e400\""},
      {{" Minimum 1 2 3"},
       "OutputListingMain.txt, line 1: a whole number as item 1 was expected, not \"Minimum\""},
  };
  for (const Case& c : cases) {
    std::vector<double> values{1.5, 2.0};
    EXPECT_EQ(ReadMinimumValues(c.lines, c.lines.size() - 1, &values), c.message);
    EXPECT_EQ(values, (std::vector<double>{1.5, 2.0}));
  }
}

}  // namespace
}  // namespace pm::optavin
