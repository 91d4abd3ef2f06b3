#include "optdriver/listinput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pm::optavin {
namespace {

using Item = ListReader::Item;

TEST(ParseFortranReal, TakesTheFormsOfFortranPrograms) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"1", 1.0},        {"-1.5", -1.5},     {"+2.25", 2.25},   {".5", 0.5},        {"5.", 5.0},
      {"1.5E3", 1500.0}, {"1.5e-3", 0.0015}, {"1.5D3", 1500.0}, {"1.5d+3", 1500.0}, {"1.5+3", 1500.0},
      {"1.5-3", 0.0015}, {"-.25E1", -2.5},   {"7.126", 7.126},  {"0", 0.0},
      // Too small for a double reads as zero.
      {"1e-400", 0.0},   {"-1D-400", -0.0},  {"0.0001e-320", 0.0}, {"1-999999", 0.0}, {"1000e-326", 1e-323},
  };
  for (const Case& c : cases) {
    double v = -99;
    EXPECT_TRUE(ParseFortranReal(c.text, &v)) << c.text;
    EXPECT_DOUBLE_EQ(v, c.value) << c.text;
  }
}

TEST(ParseFortranReal, RefusesWhatIsNoNumber) {
  for (const char* text : {"", "-", ".", "E3", "1.5E", "1.5x", "Minimum", "1..5", "1.5E3.0", "--1", "1,5",
                           "nan", "inf", "1.5 ", "NaN", "Infinity", "1e400", "-1D400",
                           "1e99999999999", "+-5"}) {
    double v = -99;
    EXPECT_FALSE(ParseFortranReal(text, &v)) << text;
    EXPECT_EQ(v, -99) << text;
  }
}

TEST(ParseFortranReal, UnderflowAndOverflowByTheWholeNumber) {
  // The place of the first digit counts with the exponent.
  double v = -99;
  EXPECT_TRUE(ParseFortranReal("0." + std::string(400, '0') + "1E50", &v));
  EXPECT_EQ(v, 0.0);
  v = -99;
  EXPECT_FALSE(ParseFortranReal("1" + std::string(400, '0') + "E-50", &v));
  EXPECT_EQ(v, -99);
}

TEST(ParseInteger, SignAndDigitsOnly) {
  int v = 0;
  EXPECT_TRUE(ParseInteger("12", &v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(ParseInteger("-3", &v));
  EXPECT_EQ(v, -3);
  EXPECT_TRUE(ParseInteger("+4", &v));
  EXPECT_EQ(v, 4);
  for (const char* text : {"", "+", "1.0", "1e3", "x", "++1", "+-5", "-+5", "99999999999"})
    EXPECT_FALSE(ParseInteger(text, &v)) << text;
}

// Reads reals until the records end, one read statement, "E" for the end.
std::vector<std::string> readAll(const std::vector<std::string>& records, int items) {
  ListReader reader(records);
  reader.BeginRead();
  std::vector<std::string> got;
  for (int i = 0; i < items; ++i) {
    double v = -1;
    switch (reader.ReadReal(&v)) {
      case Item::Read:
        got.push_back(std::to_string(v).substr(0, 5));
        break;
      case Item::Unchanged:
        got.push_back("-");
        break;
      case Item::EndOfFile:
        got.push_back("E");
        break;
      case Item::Bad:
        got.push_back("!" + reader.BadText());
        break;
    }
  }
  return got;
}

TEST(ListReader, SeparatorsNullsRepeatsAndSlash) {
  struct Case {
    std::vector<std::string> records;
    int items;
    std::vector<std::string> got;
  } cases[] = {
      {{"1 2,3 , 4"}, 4, {"1.000", "2.000", "3.000", "4.000"}},
      {{"1,,3"}, 3, {"1.000", "-", "3.000"}},
      {{",2"}, 2, {"-", "2.000"}},
      {{"\t1\t2"}, 2, {"1.000", "2.000"}},
      {{"3*1.5 2"}, 4, {"1.500", "1.500", "1.500", "2.000"}},
      {{"2* 7"}, 3, {"-", "-", "7.000"}},
      {{"2*,7"}, 3, {"-", "-", "7.000"}},
      {{"1 / 5"}, 3, {"1.000", "-", "-"}},
      {{"1", "", "  2,", "3"}, 3, {"1.000", "2.000", "3.000"}},
      {{"1 2"}, 3, {"1.000", "2.000", "E"}},
      {{"1 x 3"}, 3, {"1.000", "!x", "3.000"}},
      {{"1 'two' 3"}, 3, {"1.000", "!two", "3.000"}},
      {{"0*4 1"}, 2, {"!0*4", "1.000"}},
      // "1*" is one empty value, like ",,".
      {{"1 1* 3"}, 3, {"1.000", "-", "3.000"}},
      {{"1*,2"}, 2, {"-", "2.000"}},
      {{"  1 2 3 0.5 7.5 7.5 1* 3.3/ Minimum"}, 9,
       {"1.000", "2.000", "3.000", "0.500", "7.500", "7.500", "-", "3.300", "-"}},
      // Text running on after a closing quote is no value.
      {{"1 'ab'c 3"}, 3, {"1.000", "!'ab'c", "3.000"}},
  };
  for (const Case& c : cases) EXPECT_EQ(readAll(c.records, c.items), c.got) << c.records.front();
}

TEST(ListReader, TextsBareOrQuoted) {
  const std::vector<std::string> records{"'it''s a name' = 1", "\"A,B\"", "plain/rest", "'goes on",
                                         "here' x"};
  ListReader reader(records);
  std::string t;
  reader.BeginRead();
  ASSERT_EQ(reader.ReadText(&t), Item::Read);
  EXPECT_EQ(t, "it's a name");
  ASSERT_EQ(reader.ReadText(&t), Item::Read);
  EXPECT_EQ(t, "=");
  reader.EndRead();
  reader.BeginRead();
  ASSERT_EQ(reader.ReadText(&t), Item::Read);
  EXPECT_EQ(t, "A,B");
  reader.EndRead();
  reader.BeginRead();
  ASSERT_EQ(reader.ReadText(&t), Item::Read);
  EXPECT_EQ(t, "plain");
  EXPECT_EQ(reader.ReadText(&t), Item::Unchanged);
  reader.EndRead();
  reader.BeginRead();
  ASSERT_EQ(reader.ReadText(&t), Item::Read);
  EXPECT_EQ(t, "goes onhere");
  EXPECT_EQ(reader.RecordNumber(), 5u);
}

TEST(ListReader, TextRunningOnAfterItsQuoteIsRefused) {
  for (const char* record : {"'ab'c", "\"ab\"c,", "'a''b'c d"}) {
    const std::vector<std::string> records{record};
    ListReader reader(records);
    std::string t = "kept";
    reader.BeginRead();
    EXPECT_EQ(reader.ReadText(&t), Item::Bad) << record;
    EXPECT_EQ(t, "kept") << record;
  }
}

TEST(ListReader, EachReadStartsAtTheNextRecord) {
  const std::vector<std::string> records{"1 2 3 ignored", "4", "5 6"};
  ListReader reader(records);
  double a = 0, b = 0;
  reader.BeginRead();
  ASSERT_EQ(reader.ReadReal(&a), Item::Read);
  reader.EndRead();
  reader.BeginRead();
  ASSERT_EQ(reader.ReadReal(&a), Item::Read);
  ASSERT_EQ(reader.ReadReal(&b), Item::Read);
  EXPECT_EQ(a, 4);
  EXPECT_EQ(b, 5);
  EXPECT_EQ(reader.RecordNumber(), 3u);
  reader.EndRead();
  reader.BeginRead();
  EXPECT_EQ(reader.ReadReal(&a), Item::EndOfFile);
}

TEST(ListReader, WholeNumbersRefuseFractions) {
  const std::vector<std::string> records{"12 3.5"};
  ListReader reader(records);
  int v = 0;
  reader.BeginRead();
  ASSERT_EQ(reader.ReadInteger(&v), Item::Read);
  EXPECT_EQ(v, 12);
  EXPECT_EQ(reader.ReadInteger(&v), Item::Bad);
  EXPECT_EQ(reader.BadText(), "3.5");
}

}  // namespace
}  // namespace pm::optavin
