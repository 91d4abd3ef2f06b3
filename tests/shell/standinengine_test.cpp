// The stand-in engine leaves the files the run, the report and the plots
// read, named by their rules and in their formats.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "common/lib1.h"
#include "platform/textfile.h"
#include "shell/resultsreport.h"
#include "shell/rundeck.h"
#include "support/standins.h"
#include "support/testfiles.h"

namespace pm::test {
namespace {

class StandInEngineTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }
  // Runs the engine in the temporary folder; gives its exit code.
  int Run(const QStringList& arguments) {
    QProcess p;
    p.setWorkingDirectory(dir_.path());
    p.start(ZantorPath(), arguments);
    EXPECT_TRUE(p.waitForFinished(10000));
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  }
  std::vector<std::string> Lines(const QString& name) {
    std::vector<std::string> lines;
    EXPECT_EQ(ReadTextLines(Path(name), &lines), 0) << name.toStdString();
    return lines;
  }

  QTemporaryDir dir_;
};

TEST_F(StandInEngineTest, WritesListingLogPlotResultsAndWarnings) {
  WriteBytes(Path(QStringLiteral("Plant.v2.dck")), "CONSTANTS 3\r\nCAPH = 35\r\nBORES = 12\r\nDEPTH = 120\r\n");
  ASSERT_EQ(Run({Path(QStringLiteral("Plant.v2.dck")), QStringLiteral("/h")}), 0);
  QStringList files = QDir(dir_.path()).entryList(QDir::Files);
  files.sort();
  EXPECT_EQ(files.join(QLatin1Char(',')).toStdString(),
            (QStringList{QStringLiteral("Plant.PLT"), QStringLiteral("Plant.v2-RESULTS.TXT"),
                         QStringLiteral("Plant.v2.LOG"), QStringLiteral("Plant.v2.LST"),
                         QStringLiteral("Plant.v2.dck"), QStringLiteral("warnings.dat")})
                .join(QLatin1Char(','))
                .toStdString());

  const std::vector<std::string> plot = Lines(QStringLiteral("Plant.PLT"));
  ASSERT_EQ(plot.size(), 8762u);
  EXPECT_EQ(plot[0], "TIME TAMB LOAD TIN TOUT");
  EXPECT_EQ(plot[1], "h C kW C C");
  EXPECT_EQ(QString::fromStdString(plot[2]).split(QLatin1Char(' ')).size(), 5);
  EXPECT_TRUE(ReadBytes(Path(QStringLiteral("Plant.PLT"))).endsWith("\r\n"));

  const std::vector<std::string> results = Lines(QStringLiteral("Plant.v2-RESULTS.TXT"));
  ASSERT_FALSE(results.empty());
  const QStringList numbers = QString::fromStdString(results.back()).split(QLatin1Char(' '));
  EXPECT_EQ(numbers.size(), 100);
  EXPECT_TRUE(QStringLiteral("0123456789+-").contains(numbers.front().front()));
  for (const QString& n : numbers) {
    bool ok = false;
    n.toDouble(&ok);
    EXPECT_TRUE(ok) << n.toStdString();
  }
  EXPECT_EQ(Lines(QStringLiteral("warnings.dat")).size(), 1u);
  EXPECT_TRUE(ReadBytes(Path(QStringLiteral("Plant.v2.LOG"))).contains("Switches: /h"));
}

// The demo's run leaves a number in every value slot the demo's templates
// show: only the count of failed design checks may be 0, and it is, so the
// first cost shows as a number.
TEST_F(StandInEngineTest, TheDemoRunFillsEverySlotOfTheDemoReports) {
  const QDir demo(QStringLiteral(PELMARK_SOURCE_DIR "/examples/demo"));
  ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Quorvel")));
  ASSERT_TRUE(QFile::copy(demo.filePath(QStringLiteral("Demo.pzd")), Path(QStringLiteral("Demo.pzd"))));
  const QString current = QDir::currentPath();
  QDir::setCurrent(dir_.path());
  const RunDeckResult deck = MakeSingleRunDeck(Path(QStringLiteral("Demo.pzd")));
  QDir::setCurrent(current);
  ASSERT_FALSE(deck.Target.isEmpty()) << deck.Message.toStdString();
  ASSERT_EQ(Run({deck.Target, QStringLiteral("/H")}), 0);

  std::array<long double, 100> values{};
  ASSERT_TRUE(ReadResultsValues(RunResultsFile(deck.Target), &values));
  const QStringList templates = demo.entryList({QStringLiteral("Output_*.rtf")}, QDir::Files);
  ASSERT_EQ(templates.size(), 7);
  for (const bool si : {true, false}) {
    const ReportSlots slots = FillSlots(values, si);
    for (const QString& name : templates) {
      const QString text = QString::fromLatin1(ReadBytes(demo.filePath(name)));
      QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%%(\\d+)")).globalMatch(text);
      int shown = 0;
      while (it.hasNext()) {
        const int slot = it.next().captured(1).toInt();
        if (slot == 99) continue;  // a word, not a number
        ++shown;
        SCOPED_TRACE(name.toStdString() + " slot " + std::to_string(slot) + (si ? " SI" : " IP"));
        const std::string value = slots[static_cast<size_t>(slot)];
        ASSERT_FALSE(value.empty());
        long double number = 0;
        ASSERT_TRUE(TextToNumber(std::string_view(value).substr(value.find_first_not_of(' ')), &number)) << value;
        if (slot == 73) {
          EXPECT_EQ(number, 0) << "no design check failed";
        } else {
          EXPECT_NE(number, 0) << value;
        }
      }
      EXPECT_EQ(shown, 31);
    }
  }
  // A loop that freezes fails the check, and the first cost is marked.
  WriteBytes(Path(QStringLiteral("cold.dck")), "CONSTANTS 3\r\nCAPH = 80\r\nBORES = 2\r\nDEPTH = 50\r\n");
  ASSERT_EQ(Run({Path(QStringLiteral("cold.dck"))}), 0);
  ASSERT_TRUE(ReadResultsValues(Path(QStringLiteral("cold-RESULTS.TXT")), &values));
  EXPECT_EQ(FillSlots(values, true)[1], "***");
}

// Included "NAME = value" lines count after the deck's own, beside the deck
// first, then in the current folder; a missing file is named in the log.
TEST_F(StandInEngineTest, IncludedConstantsWinOverTheDecksOwn) {
  ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("sub")));
  WriteBytes(Path(QStringLiteral("sub/run.dck")),
             "CONSTANTS 2\r\nFLOW = 1.2\r\nTSET = 21\r\nINCLUDE beside.dck\r\ninclude  \"cwd.dck\"\r\n"
             "INCLUDE GHP.dck\r\n");
  WriteBytes(Path(QStringLiteral("sub/beside.dck")), "* best\r\nEQUATIONS 1\r\nFLOW =   2.44\r\n");
  WriteBytes(Path(QStringLiteral("cwd.dck")), "TSET = 26.2\r\nBORES = 7\r\n");
  ASSERT_EQ(Run({Path(QStringLiteral("sub/run.dck"))}), 0);
  const QStringList numbers =
      QString::fromStdString(Lines(QStringLiteral("sub/run-RESULTS.TXT")).back()).split(QLatin1Char(' '));
  ASSERT_EQ(numbers.size(), 100);
  EXPECT_EQ(numbers.mid(60, 3), (QStringList{QStringLiteral("2.44"), QStringLiteral("26.2"), QStringLiteral("7")}));
  const QByteArray log = ReadBytes(Path(QStringLiteral("sub/run.LOG")));
  EXPECT_TRUE(log.contains("INCLUDE file not found: GHP.dck\r\n")) << log.toStdString();
  EXPECT_FALSE(log.contains("not found: beside.dck")) << log.toStdString();
  EXPECT_FALSE(log.contains("not found: cwd.dck")) << log.toStdString();
}

TEST_F(StandInEngineTest, FailsAndCrashesOnRequest) {
  WriteBytes(Path(QStringLiteral("run.dck")), "A = 1\r\n");
  {
    ScopedEnv code("ZANTOR_EXIT_CODE", "3");
    EXPECT_EQ(Run({Path(QStringLiteral("run.dck")), QStringLiteral("/N")}), 3);
  }
  QFile::remove(Path(QStringLiteral("run-RESULTS.TXT")));
  {
    ScopedEnv idle("ZANTOR_NO_WORK", "1");
    EXPECT_EQ(Run({Path(QStringLiteral("run.dck"))}), 0);
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("run-RESULTS.TXT"))));
  }
  ScopedEnv crash("ZANTOR_CRASH", "1");
  EXPECT_EQ(Run({Path(QStringLiteral("run.dck"))}), -1);
  EXPECT_FALSE(QFile::exists(Path(QStringLiteral("run-RESULTS.TXT"))));
}

}  // namespace
}  // namespace pm::test
