#include "tables/tablemodel.h"

#include <gtest/gtest.h>

#include <limits>

namespace pm {
namespace {

// Two variables by three runs; TANK holds 12345.6, a blank and an unfilled
// cell; FLOW has a fixed format of 2 decimals.
TableModel Sample() {
  TableModel t;
  t.Reset(3, {"TANK", "FLOW"});
  t.SetValue(1, 1, 12345.6L);
  t.SetValue(1, 2, InfiniteValue);
  t.SetValue(2, 1, 0.123456L);
  t.Column(2)->Format = TNumberFormat{1, 2};
  return t;
}

TEST(TableModel, ShapeAndNewCells) {
  const TableModel t = Sample();
  EXPECT_EQ(t.RunCount(), 3);
  EXPECT_EQ(t.VarCount(), 2);
  EXPECT_EQ(t.RowCount(), 4);
  EXPECT_EQ(t.ColCount(), 3);
  EXPECT_EQ(t.Value(2, 3), EnterValueMarker);
  EXPECT_EQ(t.Column(2)->ColumnNumber, 2);
  EXPECT_EQ(t.Column(1)->Format, (TNumberFormat{kAutomaticFormat, kAutomaticDigits}));
  EXPECT_FALSE(t.Changed);
}

TEST(TableModel, CellTexts) {
  const TableModel t = Sample();
  struct Case {
    int c, r;
    const char* text;
  } cases[] = {
      {0, 0, ""},          {0, 2, ""},          // the run numbers are drawn, not read
      {1, 0, "TANK"},      {2, 0, "FLOW"},      // names
      {1, 1, "12346"},     {2, 1, "0.12"},      // automatic 4 digits, and a fixed format
      {1, 2, " "},         {1, 3, "Enter value"},  // the two markers
      {3, 1, ""},          {3, 0, ""},          // a column without a record
      {1, 4, ""},          {-1, 1, ""},         // outside the table
  };
  for (const Case& c : cases) EXPECT_EQ(t.GetS(c.c, c.r), QString::fromUtf8(c.text)) << c.c << "," << c.r;
  TableModel automatic;
  automatic.Reset(1, {"X"});
  automatic.SetValue(1, 1, 0.123456L);
  EXPECT_EQ(automatic.GetS(1, 1), QStringLiteral("0.1235"));
  automatic.SetValue(1, 1, std::numeric_limits<long double>::quiet_NaN());
  EXPECT_EQ(automatic.GetS(1, 1), QStringLiteral("nan"));
}

TEST(TableModel, EditTextIsFullPrecisionAndReadsBackUnchanged) {
  TableModel t = Sample();
  EXPECT_EQ(t.EditText(1, 1), QStringLiteral("12345.6"));
  EXPECT_EQ(t.EditText(2, 1), QStringLiteral("0.123456"));
  EXPECT_EQ(t.EditText(1, 2), QStringLiteral(" "));
  EXPECT_EQ(t.EditText(1, 3), QStringLiteral("Enter value"));
  for (int c = 1; c <= 2; ++c) {
    const long double before = t.Value(c, 1);
    EXPECT_FALSE(t.SetCellText(c, 1, t.EditText(c, 1)));
    EXPECT_EQ(t.Value(c, 1), before);
  }
  EXPECT_FALSE(t.Changed);
}

TEST(TableModel, CellEdits) {
  struct Case {
    const char* text;
    bool changes;
    long double value;
  } cases[] = {
      {"  2.5 ", true, 2.5L},         // trimmed
      {"", true, InfiniteValue},      // empty is a blank
      {"   ", true, InfiniteValue},
      {"abc", false, 12345.6L},       // no number: ignored
      {"inf", false, 12345.6L},       // not the paste syntax
      {"12345.6", false, 12345.6L},   // the same value is no change
      {"1e3", true, 1000.0L},
  };
  for (const Case& c : cases) {
    TableModel t = Sample();
    EXPECT_EQ(t.SetCellText(1, 1, QString::fromUtf8(c.text)), c.changes) << c.text;
    EXPECT_EQ(t.Value(1, 1), c.value) << c.text;
    EXPECT_EQ(t.Changed, c.changes) << c.text;
  }
  TableModel t = Sample();
  EXPECT_FALSE(t.SetCellText(1, 4, QStringLiteral("1")));  // no run 4
  EXPECT_FALSE(t.SetCellText(3, 1, QStringLiteral("1")));  // no column 3
  EXPECT_FALSE(t.Changed);
}

TEST(TableModel, ClearSetsEnterValueAndChanged) {
  TableModel t = Sample();
  const CellRange done = t.Clear(CellRange{1, 1, 2, 5});  // columns past the last stop the clear
  EXPECT_EQ(done.left, 1);
  EXPECT_EQ(done.right, 2);
  for (int c = 1; c <= 2; ++c) {
    for (int r = 1; r <= 2; ++r) EXPECT_EQ(t.GetS(c, r), QStringLiteral("Enter value"));
  }
  EXPECT_EQ(t.GetS(1, 3), QStringLiteral("Enter value"));
  EXPECT_TRUE(t.Changed);
}

TEST(TableModel, RunCountRange) {
  for (long long n : {0LL, 1LL, 9999LL}) EXPECT_TRUE(RunCountFits(n)) << n;
  for (long long n : {-1LL, 10000LL}) EXPECT_FALSE(RunCountFits(n)) << n;
  EXPECT_EQ(RunCountMessage(), QStringLiteral("A table can hold from 0 to 9999 runs."));
}

}  // namespace
}  // namespace pm
