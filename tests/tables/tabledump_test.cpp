// tabledump on the golden table folders: each holds a table, its deck and
// the expected dump, made with build/bin/tabledump and checked by hand.
#include "support/testfiles.h"
#include "support/testpaths.h"
#include "tables/tablefile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

const QString kTables = QStringLiteral(PELMARK_FIXTURES_DIR "/tables/");

int RunDump(const QStringList& arguments, QByteArray* out) {
  QProcess tool;
  tool.start(QStringLiteral(PELMARK_BIN_DIR "/tabledump"), arguments);
  if (!tool.waitForFinished(20000)) return -1;
  *out = tool.readAllStandardOutput();
  return tool.exitCode();
}

TEST(TableDump, GoldenFolders) {
  for (const QString& name : QDir(kTables).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QDir folder(kTables + name);
    const QStringList tables = folder.entryList({QStringLiteral("*.TBL")}, QDir::Files);
    if (!folder.exists(QStringLiteral("expected.dump"))) continue;
    ASSERT_EQ(tables.size(), 1) << name.toStdString();
    QByteArray out;
    EXPECT_EQ(RunDump({folder.filePath(tables.first())}, &out), 0) << name.toStdString();
    EXPECT_EQ(QString::fromUtf8(out).toStdString(),
              QString::fromUtf8(test::ReadBytes(folder.filePath(QStringLiteral("expected.dump")))).toStdString())
        << name.toStdString();
  }
}

TEST(TableDump, SaveWritesTheSameBytesAndARefusedFileWritesNothing) {
  // Without its deck the table keeps its stored link, so every byte comes back.
  QTemporaryDir dir;
  const QString table = dir.filePath(QStringLiteral("SYS1.TBL"));
  test::WriteBytes(table, test::ReadBytes(kTables + QStringLiteral("small/SYS1.TBL")));
  const QString copy = dir.filePath(QStringLiteral("copy.TBL"));
  QByteArray out;
  ASSERT_EQ(RunDump({QStringLiteral("--save"), copy, table}, &out), 0);
  EXPECT_TRUE(out.contains("constants: not found\nmessage: File D:\\OLD\\SYS1.PZD which is used by this table was not found.\n"));
  EXPECT_EQ(test::ReadBytes(copy), test::ReadBytes(table));
  const QString bad = dir.filePath(QStringLiteral("bad.TBL"));
  test::WriteBytes(bad, test::ReadBytes(copy).left(700));
  const QString target = dir.filePath(QStringLiteral("never.TBL"));
  EXPECT_EQ(RunDump({QStringLiteral("--save"), target, bad}, &out), 1);
  EXPECT_EQ(out, (QStringLiteral("File ") + bad + QStringLiteral(" is not a valid table file.\n")).toUtf8());
  EXPECT_FALSE(QFileInfo::exists(target));
}

TEST(TableDump, DecksWritesThePerRunDecksAsATableRunDoes) {
  QTemporaryDir dir;
  const QString table = dir.filePath(QStringLiteral("SYS1.TBL"));
  test::WriteBytes(table, test::ReadBytes(kTables + QStringLiteral("small/SYS1.TBL")));
  test::WriteBytes(dir.filePath(QStringLiteral("SYS1.PZD")), test::ReadBytes(kTables + QStringLiteral("small/SYS1.PZD")));
  // Run 2 of the fixture is unfilled: run 1's deck stays written.
  QByteArray out;
  EXPECT_EQ(RunDump({QStringLiteral("--decks"), table}, &out), 1);
  EXPECT_EQ(out, "Parameter in the col #1, run #2 isn't defined\n");
  EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("SYS11.PZD"))));

  TableModel filled;
  QString message;
  ASSERT_TRUE(ReadTableFile(table, &filled, &message));
  filled.SetValue(1, 2, 2.0L);
  filled.SetValue(1, 3, 3.0L);
  filled.DeckFileName = dir.filePath(QStringLiteral("SYS1.PZD"));
  // Run 1's deck is left from the refused run; the table file did not keep
  // its name, so it belongs to no run.
  ASSERT_EQ(WriteTableFile(filled, table), 0);
  EXPECT_EQ(RunDump({QStringLiteral("--decks"), table}, &out), 1);
  EXPECT_EQ(QString::fromUtf8(out), QStringLiteral("The run deck ") + dir.filePath(QStringLiteral("SYS11.PZD")) +
                                        QStringLiteral(" already exists and belongs to no run of this table.\n"));
  // Saved with the name, it is the table's own.
  filled.SetRunDeckName(1, QStringLiteral("SYS11.PZD"));
  ASSERT_EQ(WriteTableFile(filled, table), 0);
  EXPECT_EQ(RunDump({QStringLiteral("--decks"), table}, &out), 0);
  EXPECT_EQ(QString::fromUtf8(out), dir.filePath(QStringLiteral("SYS11.PZD")) + QLatin1Char('\n') +
                                        dir.filePath(QStringLiteral("SYS12.PZD")) + QLatin1Char('\n') +
                                        dir.filePath(QStringLiteral("SYS13.PZD")) + QLatin1Char('\n'));
  EXPECT_TRUE(test::ReadBytes(dir.filePath(QStringLiteral("SYS13.PZD"))).contains("TANK=3.0000E+00\r\n"));
}

}  // namespace
}  // namespace pm
