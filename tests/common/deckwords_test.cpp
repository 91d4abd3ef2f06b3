#include "common/deckwords.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(Tokenize, BlanksAndTabsSeparateWords) {
  struct Case {
    const char* line;
    std::vector<std::string> words;
  } cases[] = {
      {"", {}},
      {"   ", {}},
      {"UNIT 5 TYPE 16", {"UNIT", "5", "TYPE", "16"}},
      {"  0.3   1.5  ", {"0.3", "1.5"}},
      // A tab is a separator, so the value loop counts two values here.
      {"1\t4.5", {"1", "4.5"}},
      {"\t0,0 \t3, 1", {"0,0", "3,", "1"}},
      {"word", {"word"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Tokenize(c.line), c.words) << c.line;
}

TEST(IntToken, ReadsTheLeadingDigitsOfTheNthWord) {
  struct Case {
    const char* line;
    int n;
    std::int32_t value;
  } cases[] = {
      {"UNIT 5 TYPE 16 TANK", 4, 16},
      {"UNIT 5 TYPE 16 TANK", 2, 5},
      {"TYPE 15: ROOM", 2, 15},
      {"TYPE x", 2, 0},
      {"TYPE", 2, 0},
      {"PARAMETERS -3", 2, -3},
      {"PARAMETERS +7", 2, 7},
      {"PARAMETERS 12abc", 2, 12},
      {"PARAMETERS\t9", 2, 9},
      {"PARAMETERS 99999999999", 2, 2147483647},
      {"PARAMETERS -99999999999", 2, -2147483647 - 1},
      {"A B", 0, 0},
      {"A B", 3, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(IntToken(c.line, c.n), c.value) << c.line << " " << c.n;
}

TEST(FormatIntArgs, FillsEachPercentDInTurn) {
  struct Case {
    const char* format;
    std::array<std::int32_t, 10> values;
    const char* expected;
  } cases[] = {
      {"Parameter in the col #%d, run #%d isn't defined", {3, 12},
       "Parameter in the col #3, run #12 isn't defined"},
      {"100%d", {5}, "1005"},
      {"Parameter %d for type %d isn't defined correctly", {2, -60},
       "Parameter 2 for type -60 isn't defined correctly"},
      {"no numbers %s %", {1}, "no numbers %s %"},
      {"%%d", {4}, "%4"},
      {"%d%d%d%d%d%d%d%d%d%d %d", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "12345678910 %d"},
      {"%d", {}, "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatIntArgs(QString::fromLatin1(c.format), c.values), QString::fromLatin1(c.expected)) << c.format;
  }
}

}  // namespace
}  // namespace pm
