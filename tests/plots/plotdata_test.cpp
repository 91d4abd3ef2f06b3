#include "plots/plotdata.h"

#include "support/testpaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <charconv>
#include <string>

namespace pm {
namespace {

std::string Num(double v) {
  char buf[32];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

// "columns rows header units" and per column "name[unit] min..max: values".
std::string Describe(const PlotData& d) {
  std::string out = std::to_string(d.ColumnCount) + " " + std::to_string(d.RowCount) + " " +
                    (d.HasHeader ? "H" : "-") + (d.HasUnits ? "U" : "-");
  for (const PlotDataColumn& c : d.Columns) {
    out += " | " + c.Name + "[" + c.Unit + "] " + Num(c.Min) + ".." + Num(c.Max) + ":";
    for (double v : c.Data) out += " " + Num(v);
  }
  return out;
}

QString Fixture(const char* name) { return QStringLiteral(PELMARK_FIXTURES_DIR "/plotdata/") + QLatin1String(name); }

TEST(PlotData, FixtureFilesReadIntoColumns) {
  const struct {
    const char* file;
    const char* expected;
  } cases[] = {
      {"units_crlf.PLT",
       "3 3 HU | TIME[h] 0..2: 0 1 2 | TAMB[C] -2.5..3: 1.5 -2.5 3 | LOAD[kW] -4..1e+06: 2 1e+06 -4"},
      // An empty line 2 after names is an empty units line.
      {"tabs_empty_units.PLT", "3 2 HU | TIME[] 0..1: 0 1 | T1[] 20..21: 20 21 | T2[] 30..31: 30 31"},
      // Trailing empty lines are no rows.
      {"noheader.PLT", "3 2 -- | TIME[] 0..1: 0 1 | Col 2[] 20.5..21: 20.5 21 | Col 3[] 3..4: 3 4"},
      // A data line 2 beginning with a blank is data, not units.
      {"header_no_units.PLT", "3 2 H- | TIME[] 0..1: 0 1 | T1[] 20.5..21: 20.5 21 | T2[] 3..4: 3 4"},
      // A short row, "*****" and "NaN" are skipped; a field after the last column is not read.
      {"short_and_bad.PLT", "3 3 HU | TIME[h] 0..5: 0 3 5 | T1[C] 1..6: 1 4 6 | T2[C] 2..7: 2 5 7"},
      // A "-" units line is units; with no rows the start values stand.
      {"no_rows.PLT", "3 0 HU | TIME[h] 9e+30..-9e+30: | T1[-] 9e+30..-9e+30: | T2[-] 9e+30..-9e+30:"},
      // Lone CRs end lines; commas split names and units, not data.
      {"cr_commas.PLT", "3 1 HU | TIME[h] 0..0: 0 | T1[C] 1..1: 1 | T2[C] 2..2: 2"},
  };
  for (const auto& c : cases) {
    PlotData data;
    EXPECT_EQ(ReadPlt(Fixture(c.file), &data), 0) << c.file;
    EXPECT_EQ(Describe(data), c.expected) << c.file;
  }
}

TEST(PlotData, EdgeCasesOfTheFirstLines) {
  const struct {
    const char* bytes;
    const char* expected;
  } cases[] = {
      {"", "0 0 --"},
      {"\r\n0 1\r\n", "0 0 --"},                // an empty line 1 gives no columns
      {"   \t\r\n", "0 0 --"},
      {"TIME T1\r\n", "2 0 H- | TIME[] 9e+30..-9e+30: | T1[] 9e+30..-9e+30:"},
      {"1E5 2\n", "2 0 H- | 1E5[] 9e+30..-9e+30: | 2[] 9e+30..-9e+30:"},  // second character a letter
      {"TIME, T1 ,T2\n-\n", "3 0 HU | TIME[-] 9e+30..-9e+30: | T1[] 9e+30..-9e+30: | T2[] 9e+30..-9e+30:"},
      {"A,,B\n1 2\n", "2 1 H- | A[] 1..1: 1 | B[] 2..2: 2"},
      {"T ABCDEFGHIJKLMNOPQRSTUVWXYZ\nh 123456789012345678901234\n1 2\n",
       "2 1 HU | T[h] 1..1: 1 | ABCDEFGHIJKLMNOPQRST[12345678901234567890] 2..2: 2"},
      {"-1.5 +2 .5\n1e-400 . E5\n1e400 0 0\n",
       "3 2 -- | TIME[] -1.5..0: -1.5 0 | Col 2[] 0..2: 2 0 | Col 3[] 0..0.5: 0.5 0"},
      {"1,2,3\n4 5 6\n", "3 1 -- | TIME[] 4..4: 4 | Col 2[] 5..5: 5 | Col 3[] 6..6: 6"},
      {"X 9e31\n1 9e31\n2 1e35\n", "2 2 H- | X[] 1..2: 1 2 | 9e31[] 9e+31..1e+35: 9e+31 1e+35"},
  };
  for (const auto& c : cases) EXPECT_EQ(Describe(ParsePlotData(c.bytes)), c.expected) << c.bytes;
}

TEST(PlotData, AtMostTwentyFiveColumns) {
  std::string header;
  std::string row;
  for (int k = 1; k <= 30; ++k) {
    header += "C" + std::to_string(k) + " ";
    row += std::to_string(k) + " ";
  }
  const PlotData d = ParsePlotData(header + "\n" + row + "\n");
  ASSERT_EQ(d.ColumnCount, 25);
  EXPECT_EQ(d.RowCount, 1);
  EXPECT_EQ(d.Columns[24].Name, "C25");
  EXPECT_EQ(d.Columns[24].Data, std::vector<double>{25});
}

TEST(PlotData, NextTokenSplitsAtBlankCommaOrTab) {
  std::string_view line = "TIME, T1 ,T2\tT3";
  std::vector<std::string> fields;
  while (!line.empty()) fields.emplace_back(NextToken(&line));
  EXPECT_EQ(fields, (std::vector<std::string>{"TIME", "T1", "", "T2", "T3"}));
}

TEST(PlotData, AMissingFileGivesNoColumns) {
  PlotData data;
  data.ColumnCount = 3;
  EXPECT_EQ(ReadPlt(Fixture("missing.PLT"), &data), 2);
  EXPECT_EQ(data.ColumnCount, 0);
  EXPECT_TRUE(data.Columns.empty());
  EXPECT_EQ(ReadPlt(QLatin1Char('"') + Fixture("noheader.PLT") + QLatin1Char('"'), &data), 0);
  EXPECT_EQ(data.RowCount, 2);
}

void Touch(const QDir& dir, const char* name) {
  QFile f(dir.filePath(QLatin1String(name)));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(PlotData, PlotFilesAreListedPltFirstThenOutputs) {
  QTemporaryDir tmp;
  const QDir dir(tmp.path());
  for (const char* name : {"b.plt", "Quorvel.OUT", "a.OUT", "A.PLT", "run.o12", "c.txt", "deck.dck", "x.PLTX"})
    Touch(dir, name);
  ASSERT_TRUE(dir.mkdir(QStringLiteral("sub.PLT")));
  const auto names = [](const QStringList& paths) {
    QStringList out;
    for (const QString& p : paths) out << QFileInfo(p).fileName();
    return out.join(QLatin1Char(' '));
  };
  EXPECT_EQ(names(PlotFilesIn(tmp.path(), true)), QStringLiteral("A.PLT b.plt x.PLTX a.OUT Quorvel.OUT run.o12"));
  EXPECT_EQ(names(PlotFilesIn(tmp.path(), false)), QStringLiteral("A.PLT b.plt x.PLTX a.OUT run.o12"));
  EXPECT_EQ(PlotFilesIn(tmp.path(), false).first(), dir.filePath(QStringLiteral("A.PLT")));
}

TEST(PlotData, HasPlotFiles) {
  QTemporaryDir tmp;
  const QDir dir(tmp.path());
  const QString deck = dir.filePath(QStringLiteral("deck.dck"));
  EXPECT_FALSE(HasPlotFiles(QString()));
  EXPECT_FALSE(HasPlotFiles(deck));
  Touch(dir, "Quorvel.OUT");  // the engine's own output counts here
  EXPECT_TRUE(HasPlotFiles(deck));
  EXPECT_TRUE(HasPlotFiles(QLatin1Char('"') + deck + QLatin1Char('"')));
  QFile::remove(dir.filePath(QStringLiteral("Quorvel.OUT")));
  Touch(dir, "deck.PLT");
  EXPECT_TRUE(HasPlotFiles(deck));
}

TEST(PlotData, AxisDataRangeOfChosenColumns) {
  const PlotData d = ParsePlotData("T A B\n0 -1 5\n10 2 7\n");
  long double lo = 0;
  long double hi = 0;
  GetAxisDataRange(d, {}, &lo, &hi);
  EXPECT_EQ(lo, 1e60L);
  EXPECT_EQ(hi, -1e60L);
  GetAxisDataRange(d, {1, 2}, &lo, &hi);
  EXPECT_EQ(lo, -1);
  EXPECT_EQ(hi, 7);
  GetAxisDataRange(d, {0, 7}, &lo, &hi);  // a column the file lacks is ignored
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 10);
}

TEST(PlotData, AxisProposals) {
  const struct {
    long double lo, hi;
    long double min, max;
    int ticks, digits;
  } cases[] = {
      {0, 7.3L, 0, 8, 8, 1},
      {2.5L, 97, 0, 100, 10, 0},  // 5 ticks become 10
      {1.2L, 3.9L, 1, 4, 6, 1},
      {20, 20, 19.5L, 20.5L, 77, 9},  // constant: ticks and digits as given
      {1e60L, -1e60L, 1e60L, -1e60L, 77, 9},  // no column chosen
      {0, 1e99L, 0, 1e99L, 77, 9},
      {-3, 8760, -1000, 9000, 10, 0},
      {0, 0.042L, 0, 0.045L, 9, 3},
      {-20.3L, 41.7L, -30, 50, 8, 0},
      {1e5L, 3e5L, 100000, 300000, 10, 3},
      {1e20L, 1e20L + 1e5L, 1e20L, 1e20L + 1e5L, 10, 0},  // steps too fine for the values
  };
  for (const auto& c : cases) {
    const AxisProposal p = ScaleMinMax(c.lo, c.hi, 77, 9);
    EXPECT_EQ(p.Min, c.min) << static_cast<double>(c.lo) << " " << static_cast<double>(c.hi);
    EXPECT_EQ(p.Max, c.max) << static_cast<double>(c.lo) << " " << static_cast<double>(c.hi);
    EXPECT_EQ(p.Ticks, c.ticks) << static_cast<double>(c.lo) << " " << static_cast<double>(c.hi);
    EXPECT_EQ(p.Digits, c.digits) << static_cast<double>(c.lo) << " " << static_cast<double>(c.hi);
  }
}

}  // namespace
}  // namespace pm
