// Run decks: the "**FILE " name, the commented blocks, the include line, the
// building-loads copy and the refusals that keep the input deck safe.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/rundeck.h"
#include "support/testfiles.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

QString Fixture(const char* name) { return QStringLiteral(PELMARK_FIXTURES_DIR "/rundecks/") + QLatin1String(name); }

class RunDeckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    saved_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
  }
  void TearDown() override { QDir::setCurrent(saved_); }
  QString Path(const char* name) const { return dir_.path() + QLatin1Char('/') + QLatin1String(name); }

  QTemporaryDir dir_;
  QString saved_;
};

TEST(RunDeckName, IsTheTrimmedTextAfterTheFirstMarker) {
  const struct {
    std::vector<std::string> lines;
    std::string name;
  } cases[] = {
      {{"* deck", "**FILE run.dck", "**FILE other.dck"}, "run.dck"},
      {{"  **FILE run.dck"}, "run.dck"},  // blanks before the marker do not shift the name
      {{"**FILE    C:\\Quorvel\\Run 1.dck  "}, "C:\\Quorvel\\Run 1.dck"},
      {{"* a note **file Run.DCK"}, "Run.DCK"},  // anywhere in the line, case kept
      {{"** FILE run.dck"}, ""},                 // a blank between the stars and FILE
      {{"**FILErun.dck"}, ""},                   // no blank after FILE
      {{"**FILE    "}, ""},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(RunDeckName(c.lines), c.name) << c.lines.size();
}

TEST(RunDeckLines, CommentsTheBlockAndFixesTheInclude) {
  const std::vector<std::string> in = {"*#2", "A = 1", "**|INCLUDE x.dck", "*#3", "B = 2", " **|INCLUDE y"};
  EXPECT_EQ(RunDeckLines(in, "*#2", "*#3"),
            (std::vector<std::string>{"**#2", "*A = 1", "INCLUDE GHP.dck", "*#3", "B = 2", " **|INCLUDE y"}));
  // The optimization's pair of markers.
  EXPECT_EQ(RunDeckLines({"*#1", "A = 1", "*#2", "B = 2"}, "*#1", "*#2"),
            (std::vector<std::string>{"**#1", "*A = 1", "*#2", "B = 2"}));
}

TEST(RunDeckLines, KeepsLongLinesWhole) {
  const std::string longLine(300, 'x');
  EXPECT_EQ(RunDeckLines({"*#2", longLine}, "*#2", "*#3")[1], "*" + longLine);
  EXPECT_EQ(BuildingLoadsLines({longLine})[0], longLine);
}

TEST(BuildingLoadsName, PutsTheSuffixBeforeTheExtensionOfTheFileName) {
  EXPECT_EQ(BuildingLoadsName(QStringLiteral("/d/SYS.DCK")), QStringLiteral("/d/SYS_BL.DCK"));
  EXPECT_EQ(BuildingLoadsName(QStringLiteral("/w.1/SYS")), QStringLiteral("/w.1/SYS_BL"));
  EXPECT_EQ(BuildingLoadsName(QStringLiteral("/d/plant.v2.pzd")), QStringLiteral("/d/plant.v2_BL.pzd"));
}

TEST(RunResultsFile, CutsFourCharacters) {
  EXPECT_EQ(RunResultsFile(QStringLiteral("/d/Run.dck")), QStringLiteral("/d/Run-RESULTS.TXT"));
  EXPECT_EQ(RunCleanupFiles(QStringLiteral("/d.x/Run.dck")),
            (std::vector<QString>{QStringLiteral("/d.x/Run.dck"), QStringLiteral("/d.x/Run.LST"),
                                  QStringLiteral("/d.x/Run.LOG")}));
}

TEST_F(RunDeckTest, SingleRunDeckMatchesTheFixtureByteForByte) {
  const QString deck = Path("plant.dck");
  WriteBytes(deck, ReadBytes(Fixture("plant.dck")));
  const RunDeckResult r = MakeSingleRunDeck(deck);
  EXPECT_TRUE(r.Message.isEmpty()) << r.Message.toStdString();
  EXPECT_EQ(r.Target, Path("Run.dck"));
  EXPECT_EQ(ReadBytes(Path("Run.dck")), ReadBytes(Fixture("plant.run.dck")));
  EXPECT_EQ(ReadBytes(deck), ReadBytes(Fixture("plant.dck")));
}

TEST_F(RunDeckTest, BuildingLoadsDeckMatchesTheFixtureByteForByte) {
  const QString deck = Path("plant.dck");
  WriteBytes(deck, ReadBytes(Fixture("plant.dck")));
  const RunDeckResult r = MakeBuildingLoadsDeck(deck);
  EXPECT_TRUE(r.Message.isEmpty()) << r.Message.toStdString();
  EXPECT_EQ(r.Target, Path("plant_BL.dck"));
  EXPECT_EQ(ReadBytes(r.Target), ReadBytes(Fixture("plant_BL.dck")));
}

TEST_F(RunDeckTest, AWindowsNameIsResolvedWithoutRegardToCase) {
  QDir(dir_.path()).mkdir(QStringLiteral("quorvel"));
  WriteBytes(Path("quorvel/run.dck"), "old\r\n");
  WriteBytes(Path("plant.pzd"), "*PLENZO\r\n**FILE Quorvel\\RUN.DCK\r\nA = 1\r\n");
  const RunDeckResult r = MakeSingleRunDeck(Path("plant.pzd"));
  EXPECT_EQ(r.Target, Path("quorvel/run.dck"));
  EXPECT_EQ(ReadBytes(Path("quorvel/run.dck")), QByteArray("*PLENZO\r\n**FILE Quorvel\\RUN.DCK\r\nA = 1\r\n"));
}

TEST_F(RunDeckTest, RefusalsWriteNothingAndKeepTheDeck) {
  const struct {
    const char* deck;
    const char* message;
  } cases[] = {
      {"*PLENZO\r\nA = 1\r\n", "File %1 has no **FILE line naming the run deck."},
      {"*PLENZO\r\n**FILE plant.pzd\r\nA = 1\r\n", "The run deck named in the **FILE line is the input deck itself."},
      {"*PLENZO\r\n**FILE ./PLANT.PZD\r\nA = 1\r\n", "The run deck named in the **FILE line is the input deck itself."},
      {"*PLENZO\r\n**FILE link.pzd\r\nA = 1\r\n", "The run deck named in the **FILE line is the input deck itself."},
      {"*PLENZO\r\n**FILE C:\\NoSuchFolder\\run.dck\r\n",
       "Error 2 was encountered while trying to write file /NoSuchFolder/run.dck"},
      {"*PLENZO\r\n**FILE sub\r\n", "Error 21 was encountered while trying to write file %2/sub"},
  };
  QDir(dir_.path()).mkdir(QStringLiteral("sub"));
  QFile::link(Path("plant.pzd"), Path("link.pzd"));
  for (const auto& c : cases) {
    WriteBytes(Path("plant.pzd"), c.deck);
    const RunDeckResult r = MakeSingleRunDeck(Path("plant.pzd"));
    EXPECT_TRUE(r.Target.isEmpty()) << c.deck;
    QString expected = QString::fromUtf8(c.message);
    expected.replace(QStringLiteral("%1"), Path("plant.pzd")).replace(QStringLiteral("%2"), dir_.path());
    EXPECT_EQ(r.Message.toStdString(), expected.toStdString()) << c.deck;
    EXPECT_EQ(ReadBytes(Path("plant.pzd")), QByteArray(c.deck));
  }
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::System).size(), 2);  // the deck and the link
}

TEST_F(RunDeckTest, AnUnreadableDeckIsNamed) {
  const RunDeckResult r = MakeSingleRunDeck(Path("gone.dck"));
  EXPECT_TRUE(r.Target.isEmpty());
  EXPECT_EQ(r.Message, QStringLiteral("Error 2 was encountered while trying to open file ") + Path("gone.dck"));
}

TEST_F(RunDeckTest, RemoveRunFilesTakesTheRunDeckAndItsListingAndLog) {
  for (const char* name : {"Run.dck", "Run.LST", "run.log", "Run-RESULTS.TXT", "Run.PLT"}) WriteBytes(Path(name), "x");
  RemoveRunFiles(Path("Run.dck"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files),
            (QStringList{QStringLiteral("Run-RESULTS.TXT"), QStringLiteral("Run.PLT")}));
}

}  // namespace
}  // namespace pm::test
