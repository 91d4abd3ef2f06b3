#include "tables/tablefile.h"

#include "common/deckconstants.h"
#include "platform/extended.h"
#include "support/testfiles.h"
#include "support/testpaths.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <limits>

namespace pm {
namespace {

const QString kSmall = QStringLiteral(PELMARK_FIXTURES_DIR "/tables/small/");

// The fixture's table: 3 runs of TANK (1.5, unfilled, blank).
TableModel SmallTable() {
  TableModel t;
  t.Reset(3, {"TANK"});
  t.DeckFileName = QStringLiteral("D:\\OLD\\SYS1.PZD");
  t.SetRunDeckName(1, QStringLiteral("SYS1_1.DCK"));
  t.SetValue(1, 1, 1.5L);
  t.SetValue(1, 3, InfiniteValue);
  t.OriginX = 100;
  t.OriginY = 50;
  t.ClientRight = 300;
  t.ClientBottom = 200;
  return t;
}

void Put32(QByteArray& b, int at, std::int32_t v) { qToLittleEndian(v, b.data() + at); }

TEST(TableFile, GoldenBytesOfASmallTable) {
  QByteArray bytes;
  ASSERT_EQ(EncodeTable(SmallTable(), &bytes), 0);
  const QByteArray golden = test::ReadBytes(kSmall + QStringLiteral("SYS1.TBL"));
  ASSERT_EQ(golden.size(), 766);
  EXPECT_EQ(bytes.toHex(' '), golden.toHex(' '));
  // The markers' bytes as the original wrote them.
  EXPECT_EQ(bytes.mid(766 - 2 - 20, 10).toHex(' '), QByteArray("1d 07 8d ea 19 f5 27 92 4b 41"));
  EXPECT_EQ(bytes.mid(766 - 2 - 10, 10).toHex(' '), QByteArray("27 72 f9 3c 14 75 15 ea 47 41"));
}

TEST(TableFile, SizeOfThreeRunsByTwoVariables) {
  TableModel t;
  t.Reset(3, {"A", "B"});
  QByteArray bytes;
  ASSERT_EQ(EncodeTable(t, &bytes), 0);
  EXPECT_EQ(bytes.size(), 866);
  EXPECT_EQ(TableFileSize(4, 3), 866);
  // The size the speed figures are given for.
  EXPECT_EQ(TableFileSize(10000, 51), 5973278);
}

TEST(TableFile, WrittenThenReadGivesEveryFieldBack) {
  TableModel t;
  t.Reset(4, {"TANK", "FLOW", std::string("D\xC9" "BIT", 5)});
  t.DeckFileName = QStringLiteral("/home/u/.local/decks/plant.v2.pzd");
  t.SetRunDeckName(2, QStringLiteral("/home/u/d\u00e9cks/run2.dck"));
  t.SetRunDeckName(5, QStringLiteral("last"));
  t.Column(2)->Format = TNumberFormat{1, 3};
  t.Column(3)->Format = TNumberFormat{0, 30000};  // kept as stored
  t.SetValue(1, 1, 0.1L);
  t.SetValue(1, 2, -1.234567890123456789e-300L);
  t.SetValue(2, 4, std::numeric_limits<long double>::quiet_NaN());
  t.SetValue(3, 3, InfiniteValue);
  t.OriginX = -32768;
  t.ClientRight = 32767;
  t.ClientBottom = 480;
  QByteArray bytes;
  ASSERT_EQ(EncodeTable(t, &bytes), 0);
  TableModel r;
  r.TableFileName = QStringLiteral("kept.TBL");
  ASSERT_TRUE(DecodeTable(bytes, &r));
  EXPECT_EQ(r.TableFileName, QStringLiteral("kept.TBL"));
  EXPECT_EQ(r.RunCount(), 4);
  EXPECT_EQ(r.VarCount(), 3);
  EXPECT_EQ(r.DeckFileName, t.DeckFileName);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(r.RunDeckName(k), t.RunDeckName(k)) << k;
  EXPECT_EQ(r.OriginX, -32768);
  EXPECT_EQ(r.ClientRight, 32767);
  EXPECT_EQ(r.ClientBottom, 480);
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(r.Column(c)->VarName, t.Column(c)->VarName);
    EXPECT_EQ(r.Column(c)->Format, t.Column(c)->Format);
    for (int run = 1; run <= 4; ++run) {
      const long double a = t.Value(c, run);
      const long double b = r.Value(c, run);
      EXPECT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << c << "," << run;
    }
  }
  QByteArray again;
  ASSERT_EQ(EncodeTable(r, &again), 0);
  EXPECT_EQ(again, bytes);
}

TEST(TableFile, ZeroRunsAndBytesAfterTheEndMarkAreAccepted) {
  TableModel t;
  t.Reset(0, {"A"});
  QByteArray bytes;
  ASSERT_EQ(EncodeTable(t, &bytes), 0);
  EXPECT_EQ(bytes.size(), 276 + 97 + 70 + 2);
  bytes += "trailing";
  TableModel r;
  ASSERT_TRUE(DecodeTable(bytes, &r));
  EXPECT_EQ(r.RunCount(), 0);
  EXPECT_EQ(r.VarCount(), 1);
}

TEST(TableFile, ColumnsAreRenumberedAndWorkFieldsWrittenAsZero) {
  QByteArray bytes = test::ReadBytes(kSmall + QStringLiteral("SYS1.TBL"));
  const int record = 276 + 4 * 97;
  bytes[record] = 7;            // ColumnNumber
  bytes[record + 2] = 9;        // second word
  bytes[record + 40] = 1;       // Values pointer
  bytes[record + 45] = 5;       // the Format's spare byte
  bytes[record + 52] = 3;       // MatchIndex
  bytes[record + 60] = 1;       // value entry 0
  TableModel r;
  ASSERT_TRUE(DecodeTable(bytes, &r));
  EXPECT_EQ(r.TableColumns[0].ColumnNumber, 1);
  EXPECT_EQ(r.GetS(1, 0), QStringLiteral("TANK"));
  QByteArray again;
  ASSERT_EQ(EncodeTable(r, &again), 0);
  EXPECT_EQ(again, test::ReadBytes(kSmall + QStringLiteral("SYS1.TBL")));
}

TEST(TableFile, DamagedFilesAreRefusedWholeAndChangeNothing) {
  const QByteArray good = test::ReadBytes(kSmall + QStringLiteral("SYS1.TBL"));
  const int record = 276 + 4 * 97;
  struct Case {
    const char* what;
    QByteArray bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", QByteArray()});
  cases.push_back({"header only", good.left(275)});
  cases.push_back({"one byte short", good.left(good.size() - 1)});
  const auto with = [&good](int at, std::int32_t v) {
    QByteArray b = good;
    Put32(b, at, v);
    return b;
  };
  cases.push_back({"C 0", with(256, 0)});
  cases.push_back({"C negative", with(256, -1)});
  cases.push_back({"C huge", with(256, 0x7fffffff)});
  cases.push_back({"R 0", with(260, 0)});
  cases.push_back({"R negative", with(260, -5)});
  cases.push_back({"R past 10000", with(260, 10001)});
  cases.push_back({"R larger than the bytes", with(260, 5)});
  QByteArray b = good;
  b[276] = char(97);
  cases.push_back({"run-deck name past 96", b});
  b = good;
  b[record + 6] = char(31);
  cases.push_back({"variable name past 30", b});
  for (const Case& c : cases) {
    TableModel t = SmallTable();
    t.TableFileName = QStringLiteral("x.TBL");
    EXPECT_FALSE(DecodeTable(c.bytes, &t)) << c.what;
    EXPECT_EQ(t.RunCount(), 3) << c.what;
    EXPECT_EQ(t.DeckFileName, QStringLiteral("D:\\OLD\\SYS1.PZD")) << c.what;
    EXPECT_EQ(t.Value(1, 1), 1.5L) << c.what;
  }
  // The largest counts are read when the bytes are there.
  EXPECT_TRUE([&] {
    TableModel t;
    QByteArray big(static_cast<qsizetype>(TableFileSize(10000, 2)), '\0');
    Put32(big, 256, 2);
    Put32(big, 260, 10000);
    return DecodeTable(big, &t) && t.RunCount() == 9999;
  }());
}

TEST(TableFile, ReadTableFileNamesTheFileItRefuses) {
  QTemporaryDir dir;
  const QString bad = dir.filePath(QStringLiteral("bad.TBL"));
  test::WriteBytes(bad, "t");
  TableModel t;
  QString message;
  EXPECT_FALSE(ReadTableFile(bad, &t, &message));
  EXPECT_EQ(message, QStringLiteral("File ") + bad + QStringLiteral(" is not a valid table file."));
  EXPECT_FALSE(ReadTableFile(dir.filePath(QStringLiteral("none.TBL")), &t, &message));
  EXPECT_TRUE(message.startsWith(QStringLiteral("Error 2 was encountered while trying to open file "))) << message.toStdString();
}

TEST(TableFile, NamesThatDoNotFitTheirFields) {
  TableModel t;
  t.Reset(1, {"A"});
  t.DeckFileName = QString(256, QLatin1Char('d'));
  QByteArray bytes;
  EXPECT_EQ(EncodeTable(t, &bytes), EINVAL);
  t.DeckFileName = QString(255, QLatin1Char('d'));
  EXPECT_EQ(EncodeTable(t, &bytes), 0);
  // A run-deck name too long for its slot keeps its bare file name.
  const QString folder = QStringLiteral("/") + QString(100, QLatin1Char('f'));
  t.SetRunDeckName(1, folder + QStringLiteral("/plant_1.dck"));
  ASSERT_EQ(EncodeTable(t, &bytes), 0);
  TableModel r;
  ASSERT_TRUE(DecodeTable(bytes, &r));
  EXPECT_EQ(r.RunDeckName(1), QStringLiteral("plant_1.dck"));
  t.SetRunDeckName(1, folder + QStringLiteral("/") + QString(97, QLatin1Char('n')));
  EXPECT_EQ(EncodeTable(t, &bytes), EINVAL);
  t.SetRunDeckName(1, QString());
  t.Column(1)->VarName.assign(31, 'V');
  EXPECT_EQ(EncodeTable(t, &bytes), EINVAL);
}

TEST(TableFile, PathsThatAreNoUtf8AreReadAsWindows1252) {
  QByteArray bytes = test::ReadBytes(kSmall + QStringLiteral("SYS1.TBL"));
  bytes[1] = char(0xC9);  // "\xC9:\OLD..." is no UTF-8
  TableModel r;
  ASSERT_TRUE(DecodeTable(bytes, &r));
  EXPECT_EQ(r.DeckFileName, QStringLiteral("\u00c9:\\OLD\\SYS1.PZD"));
}

TEST(TableFile, WriteTableFileReportsAFailureAndKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("t.TBL"));
  EXPECT_EQ(WriteTableFile(SmallTable(), QStringLiteral("\"") + path + QStringLiteral("\"")), 0);
  EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(kSmall + QStringLiteral("SYS1.TBL")));
  EXPECT_NE(WriteTableFile(SmallTable(), dir.filePath(QStringLiteral("no/such/t.TBL"))), 0);
}

class TableDeckTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Put(const QString& name) {
    const QString path = dir_.filePath(name);
    test::WriteBytes(path, test::ReadBytes(kSmall + QStringLiteral("SYS1.PZD")));
    return path;
  }
  QTemporaryDir dir_;
};

TEST_F(TableDeckTest, TheStoredDeckFirst) {
  const QString deck = Put(QStringLiteral("plant.pzd"));
  TableModel t;
  t.DeckFileName = deck;
  t.TableFileName = dir_.filePath(QStringLiteral("other.TBL"));
  const TableDeck d = ReadTableDeck(t);
  EXPECT_TRUE(d.found);
  EXPECT_EQ(d.usedName, deck);
  ASSERT_TRUE(PEQList().has_value());
  EXPECT_EQ(PEQList()->front().Name, "TANK ");
}

TEST_F(TableDeckTest, AMissingDeckIsLookedForBesideTheTableByItsExtension) {
  const QString deck = Put(QStringLiteral("SYS1.PZD"));
  TableModel t;
  t.DeckFileName = QStringLiteral("D:\\OLD\\SYS1.PZD");
  t.TableFileName = dir_.filePath(QStringLiteral("SYS1.TBL"));
  TableDeck d = ReadTableDeck(t);
  EXPECT_TRUE(d.found);
  EXPECT_EQ(t.DeckFileName, deck);
  // A table name without "." gets the extension appended.
  const QString bare = Put(QStringLiteral("plain.PZD"));
  t.DeckFileName = QStringLiteral("/gone/x.y/old.PZD");
  t.TableFileName = dir_.filePath(QStringLiteral("plain"));
  d = ReadTableDeck(t);
  EXPECT_TRUE(d.found);
  EXPECT_EQ(t.DeckFileName, bare);
}

TEST_F(TableDeckTest, WhenBothFailTheStoredNameStaysAndIsNamed) {
  TableModel t;
  t.DeckFileName = QStringLiteral("/gone/SYS1.PZD");
  t.TableFileName = dir_.filePath(QStringLiteral("SYS1.TBL"));
  const TableDeck d = ReadTableDeck(t);
  EXPECT_FALSE(d.found);
  EXPECT_FALSE(PEQList().has_value());
  EXPECT_EQ(t.DeckFileName, QStringLiteral("/gone/SYS1.PZD"));
  EXPECT_EQ(d.message, QStringLiteral("File /gone/SYS1.PZD which is used by this table was not found."));
}

}  // namespace
}  // namespace pm
