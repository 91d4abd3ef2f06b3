#include "tables/tableedits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pm {
namespace {

// A table of runs by variables, the cell of variable c in run r c*100 + r.
TableModel Numbered(int runs, const std::vector<std::string>& names) {
  TableModel t;
  t.Reset(runs, names);
  for (int c = 1; c <= t.VarCount(); ++c) {
    for (int r = 1; r <= runs; ++r) t.SetValue(c, r, c * 100 + r);
  }
  t.Changed = false;
  return t;
}

// The cells of one column, runs 1..n; -1 for "Enter value".
std::vector<double> ColumnCells(const TableModel& t, int c) {
  std::vector<double> cells;
  for (int r = 1; r <= t.RunCount(); ++r) {
    const long double x = t.Value(c, r);
    cells.push_back(x == EnterValueMarker ? -1.0 : static_cast<double>(x));
  }
  return cells;
}

TEST(NewTable, EveryCellAsksForAValueAndTheTableIsNamedAfterTheDeck) {
  const TableModel t = NewTable(QStringLiteral("/d/my.deck/plant.v2.pzd"), 3, {"AREA", "TIN"});
  EXPECT_EQ(t.RunCount(), 3);
  ASSERT_EQ(t.VarCount(), 2);
  EXPECT_EQ(t.Column(2)->VarName, "TIN");
  EXPECT_EQ(t.Column(2)->ColumnNumber, 2);
  EXPECT_EQ(t.Column(1)->Format, (TNumberFormat{kAutomaticFormat, kAutomaticDigits}));
  EXPECT_EQ(ColumnCells(t, 1), (std::vector<double>{-1, -1, -1}));
  EXPECT_EQ(t.DeckFileName, QStringLiteral("/d/my.deck/plant.v2.pzd"));
  EXPECT_EQ(t.TableFileName, QStringLiteral("/d/my.deck/plant.TBL"));
  EXPECT_TRUE(t.Changed);
  EXPECT_EQ(t.FirstRun, 1);
  EXPECT_EQ(t.LastRun, 3);
  // A deck without an extension never gives its own name to the table.
  EXPECT_EQ(NewTable(QStringLiteral("/d/plant"), 1, {"A"}).TableFileName, QStringLiteral("/d/plant.TBL"));
}

TEST(NewTable, NamesAndDeckPathsThatDoNotFitAreTold) {
  EXPECT_TRUE(VarNameFits(std::string(30, 'A')));
  EXPECT_FALSE(VarNameFits(std::string(31, 'A')));
  EXPECT_EQ(VarNameTooLongMessage("LONGNAME"), QStringLiteral("The name LONGNAME is too long for a table variable."));
  EXPECT_EQ(DeckNameTooLongMessage(QStringLiteral("/x.pzd")),
            QStringLiteral("The name of deck /x.pzd is too long for a table."));
}

TEST(ChangeVariables, VariablesThatStayKeepTheirValuesInTheirNewPlaces) {
  TableModel t = Numbered(3, {"A", "B", "C"});
  t.Column(3)->Format = TNumberFormat{1, 2};
  ChangeVariables(t, {"C", "D", "A"});
  ASSERT_EQ(t.VarCount(), 3);
  EXPECT_EQ(t.Column(1)->VarName, "C");
  EXPECT_EQ(ColumnCells(t, 1), (std::vector<double>{301, 302, 303}));
  EXPECT_EQ(t.Column(1)->Format, (TNumberFormat{1, 2}));
  EXPECT_EQ(t.Column(2)->VarName, "D");
  EXPECT_EQ(ColumnCells(t, 2), (std::vector<double>{-1, -1, -1}));
  EXPECT_EQ(ColumnCells(t, 3), (std::vector<double>{101, 102, 103}));
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(t.Column(c)->ColumnNumber, c);
    EXPECT_EQ(t.Column(c)->MatchIndex, 0);
  }
  EXPECT_EQ(t.RunCount(), 3);
  EXPECT_TRUE(t.Changed);
}

TEST(ChangeVariables, MatchingIsByExactNameAndTheLaterOfTwoItemsKeepsTheColumn) {
  TableModel t = Numbered(2, {"A", "B"});
  ChangeVariables(t, {"B", "a", "B"});
  EXPECT_EQ(ColumnCells(t, 1), (std::vector<double>{-1, -1}));
  EXPECT_EQ(ColumnCells(t, 2), (std::vector<double>{-1, -1}));
  EXPECT_EQ(ColumnCells(t, 3), (std::vector<double>{201, 202}));
}

TEST(FitRunRange, FirstAtLeastOneLastWithinTheTableFirstBeyondItRefused) {
  struct Case {
    int first, last, runs;
    bool ok;
    int wantFirst, wantLast;
  } cases[] = {
      {0, 9999, 5, true, 1, 5}, {-3, 2, 5, true, 1, 2}, {3, 2, 5, true, 3, 3},
      {5, 9999, 5, true, 5, 5}, {6, 9999, 5, false, 0, 0}, {1, 1, 0, false, 0, 0},
  };
  for (const Case& c : cases) {
    RunRange range{0, 0};
    EXPECT_EQ(FitRunRange(c.first, c.last, c.runs, &range), c.ok) << c.first << " " << c.last;
    if (!c.ok) continue;
    EXPECT_EQ(range.first, c.wantFirst);
    EXPECT_EQ(range.last, c.wantLast);
  }
}

TEST(FillColumnValues, SeriesByLastValueIncrementAndMultiplier) {
  struct Case {
    SeriesMode mode;
    int first, last;
    long double a, b;
    std::vector<double> want;
  } cases[] = {
      {SeriesMode::LastValue, 1, 5, 10, 20, {10, 12.5, 15, 17.5, 20}},
      {SeriesMode::Multiplier, 2, 4, 1, 10, {101, 1, 10, 100, 105}},
      {SeriesMode::Increment, 3, 5, 1, -0.5L, {101, 102, 1, 0.5, 0}},
      {SeriesMode::LastValue, 3, 3, 7, 99, {101, 102, 7, 104, 105}},
      {SeriesMode::Increment, 1, 2, InfiniteValue, 0, {1e99, 1e99, 103, 104, 105}},
  };
  for (const Case& c : cases) {
    TableModel t = Numbered(5, {"A", "B"});
    FillColumnValues(t, 1, RunRange{c.first, c.last}, c.mode, c.a, c.b);
    EXPECT_EQ(ColumnCells(t, 1), c.want) << static_cast<int>(c.mode) << " " << c.first;
    EXPECT_EQ(ColumnCells(t, 2), (std::vector<double>{201, 202, 203, 204, 205}));
    EXPECT_TRUE(t.Changed);
  }
}

TEST(ClearColumnValues, TheRangeAsksForValuesAgain) {
  TableModel t = Numbered(4, {"A"});
  ClearColumnValues(t, 1, RunRange{2, 3});
  EXPECT_EQ(ColumnCells(t, 1), (std::vector<double>{101, -1, -1, 104}));
  EXPECT_TRUE(t.Changed);
}

TEST(CheckRunsChange, RefusalsInTheDialogsOrder) {
  struct Case {
    int runs;
    bool insert;
    int rows;
    RunsPosition position;
    int after;
    RunsCheck want;
    int P, N;
  } cases[] = {
      {5, true, 2, RunsPosition::AfterRow, 3, RunsCheck::Ok, 3, 2},
      {5, false, 2, RunsPosition::AtTop, 99, RunsCheck::Ok, 0, -2},
      {5, true, 1, RunsPosition::AtBottom, 0, RunsCheck::Ok, 5, 1},
      {5, true, 1, RunsPosition::AfterRow, 0, RunsCheck::Ok, 0, 1},
      {5, true, 1, RunsPosition::AfterRow, 5, RunsCheck::Ok, 5, 1},
      {5, true, 0, RunsPosition::AtTop, 0, RunsCheck::BadRows, 0, 0},
      {5, false, -3, RunsPosition::AtTop, 0, RunsCheck::BadRows, 0, 0},
      {5, true, 1, RunsPosition::AfterRow, -1, RunsCheck::BadAfterRow, 0, 0},
      {5, true, 1, RunsPosition::AfterRow, 6, RunsCheck::BadAfterRow, 0, 0},
      {5, false, 5, RunsPosition::AfterRow, 99, RunsCheck::CloseTable, 0, 0},
      {5, false, 2147483647, RunsPosition::AtTop, 0, RunsCheck::CloseTable, 0, 0},
      {9990, true, 9, RunsPosition::AtBottom, 0, RunsCheck::Ok, 9990, 9},
      {9990, true, 10, RunsPosition::AtBottom, 0, RunsCheck::TooManyRuns, 0, 0},
      {5, true, 2147483647, RunsPosition::AtTop, 0, RunsCheck::TooManyRuns, 0, 0},
  };
  for (const Case& c : cases) {
    RunsChange change{-7, -7};
    EXPECT_EQ(CheckRunsChange(c.runs, c.insert, c.rows, c.position, c.after, &change), c.want)
        << c.runs << " " << c.insert << " " << c.rows << " " << c.after;
    if (c.want != RunsCheck::Ok) continue;
    EXPECT_EQ(change.position, c.P);
    EXPECT_EQ(change.delta, c.N);
  }
}

TEST(ChangeRuns, InsertAndDeleteAtTopBottomAndAfterARun) {
  struct Case {
    bool insert;
    int rows;
    RunsPosition position;
    int after;
    std::vector<double> want;
  } cases[] = {
      {true, 2, RunsPosition::AfterRow, 3, {101, 102, 103, -1, -1, 104, 105}},
      {true, 2, RunsPosition::AtTop, 0, {-1, -1, 101, 102, 103, 104, 105}},
      {true, 1, RunsPosition::AtBottom, 0, {101, 102, 103, 104, 105, -1}},
      {false, 2, RunsPosition::AtTop, 0, {103, 104, 105}},
      {false, 2, RunsPosition::AtBottom, 0, {101, 102, 103}},
      {false, 1, RunsPosition::AfterRow, 2, {101, 102, 104, 105}},
      // Fewer runs follow the position than go: the last three go.
      {false, 3, RunsPosition::AfterRow, 4, {101, 102}},
  };
  for (const Case& c : cases) {
    TableModel t = Numbered(5, {"A", "B"});
    t.SetRunDeckName(2, QStringLiteral("two.dck"));
    RunsChange change;
    ASSERT_EQ(CheckRunsChange(5, c.insert, c.rows, c.position, c.after, &change), RunsCheck::Ok);
    ASSERT_TRUE(ChangeRuns(t, change));
    EXPECT_EQ(ColumnCells(t, 1), c.want) << c.insert << " " << c.rows << " " << c.after;
    EXPECT_EQ(t.RunCount(), static_cast<int>(c.want.size()));
    EXPECT_EQ(t.LastRun, t.RunCount());
    EXPECT_EQ(t.Column(2)->Values.size(), c.want.size() + 1);
    EXPECT_EQ(t.RunDeckNames.size(), c.want.size() + 2);
    EXPECT_EQ(t.RunDeckName(2), QStringLiteral("two.dck"));
    EXPECT_TRUE(t.Changed);
  }
}

}  // namespace
}  // namespace pm
