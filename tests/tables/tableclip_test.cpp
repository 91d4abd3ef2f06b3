#include "tables/tableclip.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

TableModel Table(int runs, int vars) {
  TableModel t;
  std::vector<std::string> names;
  for (int v = 1; v <= vars; ++v) names.push_back("V" + std::to_string(v));
  t.Reset(runs, names);
  return t;
}

TEST(PasteText, FillsFromTheCurrentCellAndDropsCarriageReturns) {
  TableModel t = Table(4, 3);
  const PasteResult r = PasteText(t, QStringLiteral("1\t2\r\n3\t4"), 2, 3);
  EXPECT_TRUE(r.message.isEmpty());
  EXPECT_EQ(t.Value(2, 3), 1.0L);
  EXPECT_EQ(t.Value(3, 3), 2.0L);
  EXPECT_EQ(t.Value(2, 4), 3.0L);
  EXPECT_EQ(t.Value(3, 4), 4.0L);
  EXPECT_EQ(t.Value(1, 3), EnterValueMarker);
  EXPECT_EQ(r.changed.top, 3);
  EXPECT_EQ(r.changed.bottom, 4);
  EXPECT_EQ(r.changed.left, 2);
  EXPECT_EQ(r.changed.right, 3);
  EXPECT_TRUE(t.Changed);
}

TEST(PasteText, LongLinesAreCutAndRunsPastTheEndDropped) {
  TableModel t = Table(2, 2);
  const PasteResult r = PasteText(t, QStringLiteral("1\t2\t3\t4\n5\t6\n7\t8\n"), 1, 1);
  EXPECT_TRUE(r.message.isEmpty());
  EXPECT_EQ(t.Value(1, 1), 1.0L);
  EXPECT_EQ(t.Value(2, 1), 2.0L);
  EXPECT_EQ(t.Value(1, 2), 5.0L);
  EXPECT_EQ(t.Value(2, 2), 6.0L);
}

TEST(PasteText, ABadFieldStopsWithItsCellAndKeepsWhatWasStored) {
  TableModel t = Table(3, 3);
  const PasteResult r = PasteText(t, QStringLiteral("1\t2\tx\n4"), 1, 2);
  EXPECT_EQ(r.message, QStringLiteral("Bad number in row 2 column 3"));
  EXPECT_EQ(t.Value(1, 2), 1.0L);
  EXPECT_EQ(t.Value(2, 2), 2.0L);
  EXPECT_EQ(t.Value(3, 2), EnterValueMarker);
  EXPECT_EQ(t.Value(1, 3), EnterValueMarker);
  EXPECT_EQ(r.changed.right, 2);
  EXPECT_TRUE(t.Changed);
}

TEST(PasteText, NothingToPasteChangesNothing) {
  for (const char* text : {"", "x"}) {
    TableModel t = Table(2, 2);
    const PasteResult r = PasteText(t, QString::fromUtf8(text), 1, 1);
    EXPECT_TRUE(r.changed.isEmpty()) << text;
    EXPECT_FALSE(t.Changed) << text;
  }
  TableModel t = Table(2, 2);
  EXPECT_TRUE(PasteText(t, QStringLiteral("1"), 3, 1).changed.isEmpty());  // no such column
  // INF is the paste syntax of a blank.
  EXPECT_TRUE(PasteText(t, QStringLiteral("inf"), 0, 0).message.isEmpty());
  EXPECT_EQ(t.Value(1, 1), InfiniteValue);
}

TEST(PasteText, ALongTextIsNeverCut) {
  // Far past the old 32,760-byte buffer, the last number whole.
  TableModel t = Table(9999, 1);
  QString text;
  for (int r = 1; r <= 9999; ++r) text += QStringLiteral("123.456\r\n");
  text += QStringLiteral("1");
  ASSERT_GT(text.size(), 40000);
  EXPECT_TRUE(PasteText(t, text, 1, 1).message.isEmpty());
  EXPECT_EQ(t.Value(1, 9999), 123.456L);
}

TEST(CopyText, RowsByCRLFCellsByTabNoSeparatorAtTheEnd) {
  TableModel t = Table(3, 3);
  t.SetValue(1, 1, 1.5L);
  t.SetValue(2, 1, InfiniteValue);
  EXPECT_EQ(CopyText(t, CellRange{1, 1, 2, 3}),
            QStringLiteral("1.500\t \tEnter value\r\nEnter value\tEnter value\tEnter value"));
  EXPECT_EQ(CopyText(t, CellRange{0, 1, 0, 2}), QStringLiteral("V1\tV2"));
}

TEST(CopyText, RoundTripsThroughAnotherTable) {
  TableModel from = Table(2, 2);
  from.SetValue(1, 1, 2.5L);
  from.SetValue(2, 1, -0.001L);
  from.SetValue(1, 2, 1.25e7L);
  from.SetValue(2, 2, 42.0L);
  TableModel to = Table(3, 3);
  const PasteResult r = PasteText(to, CopyText(from, CellRange{1, 1, 2, 2}), 2, 2);
  EXPECT_TRUE(r.message.isEmpty());
  for (int c = 1; c <= 2; ++c) {
    for (int row = 1; row <= 2; ++row) EXPECT_EQ(to.GetS(c + 1, row + 1), from.GetS(c, row)) << c << row;
  }
  // A marker's text is no number: the paste stops there.
  EXPECT_EQ(PasteText(to, CopyText(from, CellRange{1, 1, 1, 1}) + QStringLiteral("\tEnter value"), 1, 1).message,
            QStringLiteral("Bad number in row 1 column 2"));
}

}  // namespace
}  // namespace pm
