#include "plots/plotdump.h"

#include "plots/plotfile.h"
#include "plotsamples.h"
#include "support/testfiles.h"
#include "support/testpaths.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

const QString kPlots = QStringLiteral(PELMARK_FIXTURES_DIR "/plots");

// The plot files of the golden folders are the codec's bytes for the
// models the tests build.
TEST(PlotDump, GoldenPlotsAreTheCodecsBytes) {
  struct Case {
    const char* file;
    QString caption;
    PlotModel plot;
  } cases[] = {
      {"small/small.KPL", QStringLiteral("Plot 1: from demo.PLT"), test::SmallPlot()},
      {"patterned/patterned.KPL", QStringLiteral("Plot 2: from /runs/\u00E9t\u00E9.PLT"), test::PatternedPlot()},
  };
  for (const Case& c : cases) {
    QByteArray bytes;
    ASSERT_TRUE(EncodePlotFile(c.caption, c.plot, &bytes));
    EXPECT_EQ(bytes, test::ReadBytes(kPlots + QLatin1Char('/') + QLatin1String(c.file))) << c.file;
  }
}

// Each folder holds a plot and its expected.dump.
TEST(PlotDump, GoldenFoldersDumpAsExpected) {
  const QStringList folders = QDir(kPlots).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  ASSERT_GE(folders.size(), 2);
  for (const QString& name : folders) {
    const QDir folder(kPlots + QLatin1Char('/') + name);
    const QStringList plots = folder.entryList({QStringLiteral("*.KPL")}, QDir::Files);
    ASSERT_EQ(plots.size(), 1) << name.toStdString();
    QString text;
    EXPECT_EQ(DumpPlotFile(folder.filePath(plots[0]), QString(), &text), 0) << name.toStdString();
    EXPECT_EQ(text, QString::fromUtf8(test::ReadBytes(folder.filePath(QStringLiteral("expected.dump")))))
        << name.toStdString();
  }
}

TEST(PlotDump, SaveWritesThePlotBackAndARefusedFileGivesStatusOne) {
  QTemporaryDir dir;
  const QString copy = dir.filePath(QStringLiteral("copy.KPL"));
  QString text;
  ASSERT_EQ(DumpPlotFile(kPlots + QStringLiteral("/patterned/patterned.KPL"), copy, &text), 0);
  EXPECT_EQ(test::ReadBytes(copy), test::ReadBytes(kPlots + QStringLiteral("/patterned/patterned.KPL")));

  const QString bad = dir.filePath(QStringLiteral("short.KPL"));
  test::WriteBytes(bad, QByteArray(100, '\0'));
  EXPECT_EQ(DumpPlotFile(bad, QString(), &text), 1);
  const QString name = QDir(dir.path()).dirName() + QStringLiteral("/short.KPL");
  EXPECT_EQ(text, QStringLiteral("file \"%1\"\nmessage kind 0 beep \"File %1 is not a valid plot file.\"\n").arg(name));
}

TEST(PlotDump, DataFilesPrintTheirColumnsAndProposedAxes) {
  QString text;
  EXPECT_EQ(DumpPlotData(QStringLiteral(PELMARK_FIXTURES_DIR "/plotdata/units_crlf.PLT"), &text), 0);
  EXPECT_EQ(text, QStringLiteral("file \"plotdata/units_crlf.PLT\"\n"
                                 "columns 3 rows 3 header 1 units 1\n"
                                 "column 1 \"TIME\" unit \"h\" min 0 max 2 axis 0..2 ticks 10 digits 1\n"
                                 "column 2 \"TAMB\" unit \"C\" min -2.5 max 3 axis -3..3 ticks 6 digits 1\n"
                                 "column 3 \"LOAD\" unit \"kW\" min -4 max 1e+06 axis -2e+05..1e+06 ticks 6 digits 3\n"));
  EXPECT_EQ(DumpPlotData(QStringLiteral(PELMARK_FIXTURES_DIR "/plotdata/no_rows.PLT"), &text), 0);
  EXPECT_TRUE(text.endsWith(QStringLiteral("column 3 \"T2\" unit \"-\"\n"))) << text.toStdString();
  EXPECT_EQ(DumpPlotData(QStringLiteral(PELMARK_FIXTURES_DIR "/plotdata/missing.PLT"), &text), 1);
  EXPECT_EQ(text, QStringLiteral("file \"plotdata/missing.PLT\"\n"
                                 "Error 2 was encountered while trying to open file plotdata/missing.PLT\n"));
}

}  // namespace
}  // namespace pm
