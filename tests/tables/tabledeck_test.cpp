#include "tables/tabledeck.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <limits>

#include "support/testfiles.h"

namespace pm {
namespace {

using test::ReadBytes;
using test::WriteBytes;

TEST(RunValueText, KeepsTheColumnFormatOnlyWhenItReadsBackInFull) {
  struct Case {
    TNumberFormat format;
    long double value;
    const char* text;
  };
  const Case cases[] = {
      {{2, 4}, 12.5L, "1.2500E+01"},
      {{2, 4}, 123456.0L, "1.23456E+05"},
      {{2, 4}, 8760.25L, "8.76025E+03"},
      {{2, 4}, 0.1L, "1.0000E-01"},
      {{2, 4}, -3.0L, "-3.0000E+00"},
      {{2, 4}, 1.0L / 3.0L, "3.333333333333E-01"},
      {{1, 2}, 2.5L, "2.50"},
      {{1, 2}, 3.14159L, "3.14159E+00"},
  };
  for (const Case& c : cases) EXPECT_EQ(RunValueText(c.format, c.value), c.text) << c.text;
}

TEST(RunValueText, UndefinedValues) {
  for (const long double v : {1e20L, -1e20L, 0.0L, 12.5L}) EXPECT_FALSE(UndefinedRunValue(v)) << double(v);
  for (const long double v : {1.0001e20L, -InfiniteValue, InfiniteValue, EnterValueMarker,
                              std::numeric_limits<long double>::quiet_NaN()}) {
    EXPECT_TRUE(UndefinedRunValue(v)) << double(v);
  }
}

TEST(RunDeckFileName, StemToTheFirstDotOfTheFileNameAndTheDecksOwnExtension) {
  EXPECT_EQ(RunDeckFileName(QStringLiteral("/p/plant.v2.pzd"), 12), QStringLiteral("/p/plant12.pzd"));
  EXPECT_EQ(RunDeckFileName(QStringLiteral("/p.v2/Sys.PZD"), 1), QStringLiteral("/p.v2/Sys1.PZD"));
  EXPECT_EQ(RunDeckFileName(QStringLiteral("/p/sys.dckx"), 3), QStringLiteral("/p/sys3.dck"));
  EXPECT_EQ(RunDeckFileName(QStringLiteral("/p/sys"), 9999), QStringLiteral("/p/sys9999"));
}

// One line of a deck and what it becomes in run 12, where CAP is 7 and
// FLOW 8; the deck is "Sys1.pzd".
TEST(RunDeckLines, EachLineInRunTwelve) {
  struct Case {
    const char* line;
    const char* run12;
  };
  const Case cases[] = {
      {"  CAP = 3 ! trailing comment", "CAP=7"},
      {"cap=3", "CAP=7"},  // lines match on their upper-case copy
      {"CAPACITY=3", "CAPACITY=3"},
      {"=5", "=5"},
      {"FLOW = 1 ; CAP = 2", "FLOW=8"},
      {"ASSIGN Sys1.lst 6", "ASSIGN Sys112.lst 6"},
      {"assign sys1.PLT 7", "assign sys112.PLT 7"},
      {"ASS Sys1.x", "ASS Sys112.x"},
      {"ASSYS1.LST", "ASSYS1.LST"},  // found before the fifth character
      {"ASSIGN Sys1-RESULTS.TXT 8", "ASSIGN Sys1-RESULTS.TXT 8"},
      {" ASSIGN Sys1.lst 6", " ASSIGN Sys1.lst 6"},
      {"* Sys1.lst CAP", "* Sys1.lst CAP"},
      {"\xe9t\xe9 = 1", "\xe9t\xe9 = 1"},
      {"", ""},
  };
  for (const Case& c : cases) {
    const RunDeckLines work({c.line}, "Sys1", {" CAP ", "FLOW"});
    std::string out;
    work.AppendDeck("12", {"7", "8"}, &out);
    EXPECT_EQ(out, std::string(c.run12) + "\r\n") << c.line;
  }
}

TEST(RunDeckLines, TheLastColumnOfANameWinsAndEveryColumnMustMatch) {
  const RunDeckLines twice({"A = 1"}, "D", {"A", "A"});
  std::string out;
  twice.AppendDeck("1", {"1", "2"}, &out);
  EXPECT_EQ(out, "A=2\r\n");
  EXPECT_EQ(twice.UnmatchedColumn(), 0);

  struct Case {
    std::vector<std::string> lines;
    std::vector<std::string> names;
    int unmatched;
  };
  const Case cases[] = {
      {{"CAP = 1", "FLOW = 2"}, {"CAP", "FLOW"}, 0},
      {{"CAP = 1", "FLOW = 2"}, {"CAP", "cap"}, 2},  // a lower-case name never matches
      {{"CAP = 1"}, {"CAPACITY"}, 1},
      {{"CAP = 1"}, {""}, 1},
      // A deck defining AREA twice gives the table variable AREA1.
      {{"AREA = 1", "AREA = 2"}, {"AREA1"}, 1},
      // Names are compared by their first 20 characters.
      {{"ABCDEFGHIJKLMNOPQRST = 1"}, {"ABCDEFGHIJKLMNOPQRSTUV"}, 0},
      {{"ABCDEFGHIJKLMNOPQRSTUV = 1"}, {"ABCDEFGHIJKLMNOPQRSTUV"}, 1},
      // A run number before the "=" is part of the name in run 1.
      {{"ASSIGN D.X=1"}, {"ASSIGN D1.X"}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RunDeckLines(c.lines, "D", c.names).UnmatchedColumn(), c.unmatched) << c.lines.front();
  }
}

class TableDecksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    deck_ = Path("Sys1.v2.pzd");
    WriteBytes(deck_,
               "* Plant Sys1\r\n"
               "ASSIGN Sys1.lst 6\n"
               "  Cap = 3 ! comment\r\n"
               "CAPACITY=3\r\n"
               "FLOW=2\r\n"
               "assign sys1.plt 7\r\n");
    table_.Reset(2, {"CAP", "FLOW"});
    table_.DeckFileName = QStringLiteral("\"") + deck_ + QStringLiteral("\"");
    table_.SetValue(1, 1, 12.5L);
    table_.SetValue(1, 2, 123456.0L);
    table_.SetValue(2, 1, 8760.25L);
    table_.SetValue(2, 2, 0.1L);
  }
  QString Path(const char* name) const { return dir_.path() + QLatin1Char('/') + QLatin1String(name); }
  bool Write() {
    failure_ = TableDeckFailure();
    return WriteTableDecks(table_, &failure_);
  }

  QTemporaryDir dir_;
  QString deck_;
  TableModel table_;
  TableDeckFailure failure_;
};

TEST_F(TableDecksTest, OneDeckPerRunBesideTheDeck) {
  ASSERT_TRUE(Write()) << failure_.Message.toStdString();
  EXPECT_EQ(ReadBytes(Path("Sys11.pzd")),
            "* Plant Sys1\r\n"
            "ASSIGN Sys11.lst 6\r\n"
            "CAP=1.2500E+01\r\n"
            "CAPACITY=3\r\n"
            "FLOW=8.76025E+03\r\n"
            "assign sys11.plt 7\r\n");
  EXPECT_EQ(ReadBytes(Path("Sys12.pzd")),
            "* Plant Sys1\r\n"
            "ASSIGN Sys12.lst 6\r\n"
            "CAP=1.23456E+05\r\n"
            "CAPACITY=3\r\n"
            "FLOW=1.0000E-01\r\n"
            "assign sys12.plt 7\r\n");
  EXPECT_EQ(table_.RunDeckName(1), Path("Sys11.pzd"));
  EXPECT_EQ(table_.RunDeckName(2), Path("Sys12.pzd"));
  EXPECT_EQ(table_.RunDeckName(3), QString());
  EXPECT_FALSE(table_.Changed);
  // The table's own decks are written again on the next run.
  WriteBytes(Path("Sys12.pzd"), "old");
  ASSERT_TRUE(Write()) << failure_.Message.toStdString();
  EXPECT_TRUE(ReadBytes(Path("Sys12.pzd")).startsWith("* Plant"));
}

TEST_F(TableDecksTest, ARelativeDeckIsWrittenBesideItWhateverTheCurrentFolder) {
  const QString saved = QDir::currentPath();
  QDir::setCurrent(dir_.path());
  table_.DeckFileName = QStringLiteral("sys1.V2.PZD");  // found without regard to case
  const bool written = Write();
  QDir::setCurrent(saved);
  ASSERT_TRUE(written) << failure_.Message.toStdString();
  EXPECT_EQ(table_.RunDeckName(1), Path("Sys11.pzd"));
  EXPECT_TRUE(QFile::exists(Path("Sys12.pzd")));
}

TEST_F(TableDecksTest, ATableOfNoRunsWritesNothing) {
  table_.Reset(0, {"CAP"});
  table_.DeckFileName = Path("missing.pzd");
  EXPECT_TRUE(Write());
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 1);
}

// Refusals found before any deck is written.
TEST_F(TableDecksTest, RefusedBeforeAnyDeckIsWritten) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
    QString message;
    int kind;
  };
  const Case cases[] = {
      {"missing deck", [this] { table_.DeckFileName = QStringLiteral("nothere.pzd"); },
       QStringLiteral("File nothere.pzd which is used by this table was not found."), 1},
      {"deck is a folder", [this] { table_.DeckFileName = dir_.path(); },
       QStringLiteral("File ") + dir_.path() + QStringLiteral(" which is used by this table was not found."),
       1},
      {"lower-case variable", [this] { table_.TableColumns[1].VarName = "flow"; },
       QStringLiteral("Parameter in the col #2 was not found in the deck"), 0},
      {"a user's deck in the way", [this] { WriteBytes(Path("Sys12.pzd"), "mine"); },
       QStringLiteral("The run deck ") + Path("Sys12.pzd") +
           QStringLiteral(" already exists and belongs to no run of this table."),
       0},
  };
  for (const Case& c : cases) {
    SetUp();
    c.prepare();
    EXPECT_FALSE(Write()) << c.name;
    EXPECT_EQ(failure_.Message, c.message) << c.name;
    EXPECT_EQ(failure_.Kind, c.kind) << c.name;
    EXPECT_FALSE(QFile::exists(Path("Sys11.pzd"))) << c.name;
    QFile::remove(Path("Sys12.pzd"));
  }
}

TEST_F(TableDecksTest, AnUndefinedValueStopsAtItsRun) {
  for (const long double v : {InfiniteValue, -InfiniteValue, EnterValueMarker, 2e20L,
                              std::numeric_limits<long double>::quiet_NaN()}) {
    SetUp();
    table_.SetValue(2, 2, v);
    EXPECT_FALSE(Write());
    EXPECT_EQ(failure_.Message, QStringLiteral("Parameter in the col #2, run #2 isn't defined"));
    EXPECT_TRUE(QFile::exists(Path("Sys11.pzd")));
    EXPECT_FALSE(QFile::exists(Path("Sys12.pzd")));
    EXPECT_EQ(table_.RunDeckName(1), Path("Sys11.pzd"));
    EXPECT_EQ(table_.RunDeckName(2), QString());
    QFile::remove(Path("Sys11.pzd"));
  }
}

TEST_F(TableDecksTest, ADeckThatCannotBeCreatedIsAWriteError) {
  // The table names it as its own, but it is a folder.
  ASSERT_TRUE(QDir().mkpath(Path("Sys12.pzd")));
  table_.SetRunDeckName(2, QStringLiteral("Sys12.pzd"));  // a bare name lies beside the deck
  EXPECT_FALSE(Write());
  EXPECT_EQ(failure_.Message, QStringLiteral("Error writing table file ") + Path("Sys12.pzd"));
  EXPECT_EQ(failure_.Kind, 0);
  EXPECT_TRUE(QFile::exists(Path("Sys11.pzd")));
}

}  // namespace
}  // namespace pm
