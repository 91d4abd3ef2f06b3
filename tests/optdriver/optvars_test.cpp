#include "optdriver/optvars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pm::optavin {
namespace {

const std::string kStars(30, '*');

std::vector<std::string> file(const std::string& device, const std::string& equations,
                              const std::vector<std::string>& assignments) {
  std::vector<std::string> lines{kStars, device, kStars, equations};
  lines.insert(lines.end(), assignments.begin(), assignments.end());
  return lines;
}

TEST(ReadOptVars, CodeCountNamesAndValues) {
  OptVars v;
  ASSERT_EQ(
      ReadOptVars(file("* Device 41", "EQUATIONS 2", {"A = 1.5", "Bee   =  2  ! note", "not read"}), &v), "");
  EXPECT_EQ(v.OptavinKindCode, 41);
  EXPECT_EQ(v.N, 2);
  EXPECT_EQ(v.NAMEVARS, (std::vector<std::string>{"A", "Bee"}));
  EXPECT_EQ(v.VARS, (std::vector<double>{1.5, 2.0}));
}

TEST(ReadOptVars, AssignmentsGoOnOverLinesAndTakeQuotedNames) {
  OptVars v;
  ASSERT_EQ(ReadOptVars(file("* Device  5", "EQUATIONS 2", {"'T SET' =", "  20.5", "FLOW,=,1.5D0"}), &v), "");
  EXPECT_EQ(v.OptavinKindCode, 5);
  EXPECT_EQ(v.NAMEVARS, (std::vector<std::string>{"T SET", "FLOW"}));
  EXPECT_EQ(v.VARS, (std::vector<double>{20.5, 1.5}));
}

TEST(ReadOptVars, EmptyItemsKeepTheirPlace) {
  struct Case {
    const char* line;
    const char* name;
    double value;
  } cases[] = {
      {",,1.5", "", 1.5},
      {",=,1.5", "", 1.5},
      {"A,,2.5", "A", 2.5},
      {"A = 1*", "A", 0.0},
      {"A = 1* 9", "A", 0.0},
      {"A = 1e-400", "A", 0.0},
  };
  for (const Case& c : cases) {
    OptVars v;
    ASSERT_EQ(ReadOptVars(file("* Device  4", "EQUATIONS 1", {c.line}), &v), "") << c.line;
    EXPECT_EQ(v.NAMEVARS, (std::vector<std::string>{c.name})) << c.line;
    EXPECT_EQ(v.VARS, (std::vector<double>{c.value})) << c.line;
  }
}

TEST(ReadOptVars, CountIsTheWholeNumberFromColumnTen) {
  std::vector<std::string> ten;
  for (int i = 1; i <= 10; ++i) ten.push_back("V" + std::to_string(i) + " = " + std::to_string(i));
  OptVars v;
  ASSERT_EQ(ReadOptVars(file("* Device  4", "EQUATIONS 10", ten), &v), "");
  ASSERT_EQ(v.N, 10);
  EXPECT_EQ(v.NAMEVARS.back(), "V10");
  EXPECT_EQ(v.VARS.back(), 10.0);
  ASSERT_EQ(ReadOptVars(file("* Device  4", "EQUATIONS  1", {"X = 3"}), &v), "");
  EXPECT_EQ(v.N, 1);
  ASSERT_EQ(ReadOptVars(file("* Device  4", "EQUATIONS 0", {}), &v), "");
  EXPECT_EQ(v.N, 0);
  EXPECT_TRUE(v.VARS.empty());
}

TEST(ReadOptVars, WhatIsWrongNamesTheFileAndLine) {
  struct Case {
    std::vector<std::string> lines;
    const char* message;
  } cases[] = {
      {{}, "optVars.dck, line 1: the file ends before the count of variables in line 4"},
      {{kStars, "* Device 4", kStars},
       "optVars.dck, line 4: the file ends before the count of variables in line 4"},
      {file("* Device xy", "EQUATIONS 1", {"A = 1"}),
       "optVars.dck, line 2: a configuration code was expected in columns 10 to 11"},
      {file("* Device  4", "EQUATIONS x", {}),
       "optVars.dck, line 4: a whole count of variables was expected from column 10"},
      {file("* Device  4", "EQUATIONS 11", {}),
       "optVars.dck, line 4: the count of variables must be 0 to 10, not 11"},
      {file("* Device  4", "EQUATIONS -1", {}),
       "optVars.dck, line 4: the count of variables must be 0 to 10, not -1"},
      {file("* Device  4", "EQUATIONS 2", {"A = 1"}),
       "optVars.dck, line 6: the file ends before the name, \"=\" and value of variable 2 of 2"},
      {file("* Device  4", "EQUATIONS 2", {"A = 1", "B = two"}),
       "optVars.dck, line 6: a number was expected for the value of variable 2 of 2, not \"two\""},
      {file("* Device  4", "EQUATIONS 1", {"A = 1e400"}),
       "optVars.dck, line 5: a number was expected for the value of variable 1 of 1, not \"1e400\""},
      {file("* Device  4", "EQUATIONS 1", {"A = NaN"}),
       "optVars.dck, line 5: a number was expected for the value of variable 1 of 1, not \"NaN\""},
      {file("* Device  4", "EQUATIONS 1", {"'A'x = 1"}),
       "optVars.dck, line 5: a name and \"=\" were expected for variable 1 of 1, not \"'A'x\""},
      {file("* Device  4", "EQUATIONS +-1", {}),
       "optVars.dck, line 4: a whole count of variables was expected from column 10"},
      {file("* Device  4", "EQUATIONS 1", {"A=1.5"}),
       "optVars.dck, line 6: the file ends before the name, \"=\" and value of variable 1 of 1"},
  };
  for (const Case& c : cases) {
    OptVars v;
    v.N = 99;
    EXPECT_EQ(ReadOptVars(c.lines, &v), c.message);
    EXPECT_EQ(v.N, 99) << "a refused file leaves nothing half-read";
  }
}

TEST(VariableLine, TwentyColumnsForTheNameNeverCut) {
  struct Case {
    std::string name;
    double value;
    std::string line;
  } cases[] = {
      {"A", 7.126, "A =                       7.13"},
      {std::string(17, 'n'), 1.0, std::string(17, 'n') + " =       1.00"},
      // 18 characters keep the original's layout: the blank after "=" is the separating blank.
      {std::string(18, 'n'), 1.0, std::string(18, 'n') + " =      1.00"},
      {std::string(19, 'n'), 1.0, std::string(19, 'n') + " =      1.00"},
      {std::string(25, 'n'), -2.5, std::string(25, 'n') + " =     -2.50"},
      {"BIG", 1234567.891, "BIG =                1234567.89"},
  };
  for (const Case& c : cases) EXPECT_EQ(VariableLine(c.name, c.value), c.line) << c.name;
}

TEST(OptVarsLines, HeaderAndAssignmentsReadBackTheSame) {
  OptVars v;
  v.OptavinKindCode = 5;
  v.N = 10;
  for (int i = 0; i < 10; ++i) {
    v.NAMEVARS.push_back(i == 9 ? "A_VERY_LONG_VARIABLE_NAME" : "V" + std::to_string(i));
    v.VARS.push_back(i == 9 ? -1234567.5 : i + 0.25);
  }
  const std::vector<std::string> lines = OptVarsLines(v);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[1], "* Device  5");
  EXPECT_EQ(lines[3], "EQUATIONS 10");
  OptVars back;
  ASSERT_EQ(ReadOptVars(lines, &back), "");
  EXPECT_EQ(back.OptavinKindCode, 5);
  EXPECT_EQ(back.NAMEVARS, v.NAMEVARS);
  EXPECT_EQ(back.VARS, v.VARS);
}

}  // namespace
}  // namespace pm::optavin
