#include "common/settings.h"

#include "support/scriptedui.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cerrno>
#include <limits>

namespace pm {
namespace {

constexpr int kPart3 = 2324;

// Every field set to a value of its own, reserved areas included.
DefaultSettingsRecord FullRecord() {
  DefaultSettingsRecord s;
  s.UnitSystem = 1;
  s.IncludeHeader = 1;
  s.IncludeSimulationCard = -7;
  s.Reserved12 = {1, 0xAB, 0xCD};
  s.SaveDeckNames = 0xFF;
  s.SourceFontSize = -3;
  s.SourceFontIndex = 300;
  s.CompileCommand = QStringLiteral("make \u20AC \u00E9");
  s.RebuildCommand = QString(255, QLatin1Char('r'));
  for (size_t i = 0; i < s.ReservedCommands.size(); ++i)
    for (size_t b = 0; b < 256; ++b) s.ReservedCommands[i][b] = static_cast<std::uint8_t>(i * 31 + b);
  s.EngineFolder = QStringLiteral("/opt/Zantor");
  for (int k = 1; k <= 5; ++k) s.ToolPaths[k] = QStringLiteral("/tools/t") + QString::number(k);
  for (size_t b = 0; b < 256; ++b) s.Reserved1536[b] = static_cast<std::uint8_t>(255 - b);
  for (int k = 1; k <= 5; ++k) s.AppLinkPaths[k] = QStringLiteral("prog") + QString::number(k);
  for (int k = 1; k <= 4; ++k) {
    s.EditorColors[k] = 0x01020304u * static_cast<ColorValue>(k);
    s.EditorStyles[k] = k - 1;
  }
  s.Reserved3108 = {1, 2, 3, 4, 5, 6, 7, 8};
  s.Reserved3116 = {9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
  s.Reserved3126 = {0xEE, 0xFF};
  return s;
}

LinkBitmapNames SomeBitmaps() {
  LinkBitmapNames b;
  b[2] = QStringLiteral("missing-but-kept.bmp");
  b[5] = QStringLiteral("five.bmp");
  return b;
}

QByteArray Encode(const DefaultSettingsRecord& s, const LinkBitmapNames& b) {
  QByteArray bytes;
  EXPECT_TRUE(EncodeSettings(s, b, &bytes));
  return bytes;
}

QByteArray Int32Bytes(std::int32_t v) {
  QByteArray out(4, '\0');
  qToLittleEndian<std::int32_t>(v, out.data());
  return out;
}

QByteArray TailRecord(const QByteArray& text) {
  QByteArray record(256, '\0');
  record[0] = static_cast<char>(text.size());
  record.replace(1, text.size(), text);
  return record;
}

const QByteArray kTailReserved = QByteArray::fromHex("a1a2a3a4a5a6a7a8b1b2b3b4b5b6b7b8b9ba");

TEST(SettingsCodec, WriteThenReadGivesEveryFieldBack) {
  const DefaultSettingsRecord s = FullRecord();
  const QByteArray bytes = Encode(s, SomeBitmaps());
  ASSERT_EQ(bytes.size(), 5452);
  DefaultSettingsRecord back;
  LinkBitmapNames bitmaps;
  DecodeSettings(bytes, &back, &bitmaps);
  EXPECT_EQ(back, s);
  // Part-3 entries are split; a bitmap name stays although its file is missing.
  EXPECT_EQ(bitmaps, SomeBitmaps());
  QByteArray again;
  ASSERT_TRUE(EncodeSettings(back, bitmaps, &again));
  EXPECT_EQ(again, bytes);
}

TEST(SettingsCodec, FieldsLieAtTheirOffsets) {
  DefaultSettingsRecord s = FullRecord();
  s.AppLinkPaths[2] = QStringLiteral("C:\\app.exe");
  const QByteArray bytes = Encode(s, SomeBitmaps());
  struct Case {
    int offset;
    QByteArray expected;
  } cases[] = {
      {0, QByteArray::fromHex("01000000")},                 // UnitSystem
      {8, QByteArray::fromHex("f9ffffff")},                 // IncludeSimulationCard -7
      {12, QByteArray::fromHex("01abcdff")},                // reserved bytes, SaveDeckNames
      {16, QByteArray::fromHex("fdff2c01")},                // SourceFontSize -3, SourceFontIndex 300
      {20, QByteArray("\x08" "make \x80 \xe9", 9)},        // CompileCommand, Windows-1252
      {20 + 256, QByteArray(1, '\xff')},                    // RebuildCommand of 255 characters
      {20 + 2 * 256, QByteArray::fromHex("0001")},          // reserved command 2 kept raw
      {kPart3, QByteArray("\x0b/opt/Zantor\0", 13)},        // EngineFolder; zero after the text
      {kPart3 + 256 + 4 * 256, QByteArray("\x09/tools/t5", 10)},
      {kPart3 + 1792, QByteArray::fromHex("05000000")},     // AppLinkCount
      {kPart3 + 1796 + 256, QByteArray("\x1f" "C:\\app.exe\x01missing-but-kept.bmp", 32)},
      {kPart3 + 1796 + 4 * 256, QByteArray("\x0eprog5\x01" "five.bmp", 15)},
      {kPart3 + 3076, QByteArray::fromHex("04030201")},     // EditorColors[1]
      {kPart3 + 3092 + 12, QByteArray::fromHex("03000000")},  // EditorStyles[4]
      {kPart3 + 3108, QByteArray::fromHex("0102030405060708090a")},
      {5450, QByteArray::fromHex("eeff")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bytes.mid(c.offset, c.expected.size()).toHex(), c.expected.toHex()) << "offset " << c.offset;
  }
}

TEST(SettingsCodec, ValuesThatDoNotFitAreRefusedNotCut) {
  struct Case {
    const char* what;
    void (*change)(DefaultSettingsRecord*, LinkBitmapNames*);
    const char* field;
  } cases[] = {
      {"255 bytes fit", [](DefaultSettingsRecord* s, LinkBitmapNames*) { s->EngineFolder = QString(255, QLatin1Char('e')); }, ""},
      {"256 bytes", [](DefaultSettingsRecord* s, LinkBitmapNames*) { s->EngineFolder = QString(256, QLatin1Char('e')); }, "EngineFolder"},
      {"no Windows-1252 byte", [](DefaultSettingsRecord* s, LinkBitmapNames*) { s->ToolPaths[3] = QStringLiteral("/t/\u4E2D"); }, "ToolPaths[3]"},
      {"path and bitmap 255", [](DefaultSettingsRecord* s, LinkBitmapNames* b) {
         s->AppLinkPaths[4] = QString(200, QLatin1Char('p'));
         (*b)[4] = QString(54, QLatin1Char('b'));
       }, ""},
      {"path and bitmap 256", [](DefaultSettingsRecord* s, LinkBitmapNames* b) {
         s->AppLinkPaths[4] = QString(200, QLatin1Char('p'));
         (*b)[4] = QString(55, QLatin1Char('b'));
       }, "AppLinkPaths[4]"},
      {"separator in a path", [](DefaultSettingsRecord* s, LinkBitmapNames*) { s->AppLinkPaths[1] = QStringLiteral("a\x01" "b"); }, "AppLinkPaths[1]"},
      {"compile command", [](DefaultSettingsRecord* s, LinkBitmapNames*) { s->CompileCommand = QString(300, QLatin1Char('c')); }, "CompileCommand"},
  };
  for (const Case& c : cases) {
    DefaultSettingsRecord s;
    LinkBitmapNames b;
    c.change(&s, &b);
    QByteArray bytes;
    QString field;
    EXPECT_EQ(EncodeSettings(s, b, &bytes, &field), *c.field == '\0') << c.what;
    EXPECT_EQ(field, QLatin1String(c.field)) << c.what;
  }
  QTemporaryDir dir;
  DefaultSettingsRecord s;
  s.EngineFolder = QString(256, QLatin1Char('e'));
  const QString path = dir.filePath(QStringLiteral("Mivaro.DFT"));
  EXPECT_EQ(WriteSettingsFile(path, s, LinkBitmapNames{}), EINVAL);
  EXPECT_FALSE(QFile::exists(path));
}

// A short file is read as far as it goes: fields wholly present are read,
// a field cut by the end is zero or empty, and nothing else happens.
TEST(SettingsCodec, ShortFileReadsWholeFieldsOnly) {
  const DefaultSettingsRecord full = FullRecord();
  const QByteArray bytes = Encode(full, SomeBitmaps());
  struct Case {
    int length;
    bool fontSize, compile, rebuild, engineFolder, link1, styles4, reserved3126;
  } cases[] = {
      {0, false, false, false, false, false, false, false},
      {17, false, false, false, false, false, false, false},
      {20, true, false, false, false, false, false, false},
      {20 + 256 + 10, true, true, false, false, false, false, false},  // length byte present, text cut
      {kPart3 + 255, true, true, true, false, false, false, false},
      {kPart3 + 1796 + 256, true, true, true, true, true, false, false},
      {5451, true, true, true, true, true, true, false},
  };
  for (const Case& c : cases) {
    DefaultSettingsRecord s;
    LinkBitmapNames b;
    DecodeSettings(bytes.left(c.length), &s, &b);
    const DefaultSettingsRecord zero;
    EXPECT_EQ(s.UnitSystem, c.length >= 4 ? full.UnitSystem : 0) << c.length;
    EXPECT_EQ(s.SourceFontSize, c.fontSize ? full.SourceFontSize : 0) << c.length;
    EXPECT_EQ(s.CompileCommand, c.compile ? full.CompileCommand : QString()) << c.length;
    EXPECT_EQ(s.RebuildCommand, c.rebuild ? full.RebuildCommand : QString()) << c.length;
    EXPECT_EQ(s.EngineFolder, c.engineFolder ? full.EngineFolder : QString()) << c.length;
    EXPECT_EQ(s.AppLinkPaths[1], c.link1 ? full.AppLinkPaths[1] : QString()) << c.length;
    EXPECT_EQ(b[2], c.styles4 ? SomeBitmaps()[2] : QString()) << c.length;
    EXPECT_EQ(s.EditorStyles[4], c.styles4 ? full.EditorStyles[4] : 0) << c.length;
    EXPECT_EQ(s.Reserved3126, c.reserved3126 ? full.Reserved3126 : zero.Reserved3126) << c.length;
    EXPECT_EQ(s.AppLinkCount, 5) << c.length;
  }
}

TEST(SettingsCodec, TailRecordsReplaceLinksAndKeepOnlyExistingBitmaps) {
  QTemporaryDir dir;
  const QString present = dir.filePath(QStringLiteral("here.bmp"));
  test::WriteBytes(present, {});
  const QString missing = dir.filePath(QStringLiteral("gone.bmp"));
  QByteArray bytes = Encode(FullRecord(), SomeBitmaps());
  bytes += Int32Bytes(3);
  bytes += TailRecord("/bin/one\x01" + present.toUtf8());
  bytes += TailRecord("/bin/two\x01" + missing.toUtf8());
  bytes += TailRecord("/bin/three");
  bytes += kTailReserved;
  DefaultSettingsRecord s;
  LinkBitmapNames b;
  DecodeSettings(bytes, &s, &b);
  EXPECT_EQ(s.AppLinkPaths[1], QStringLiteral("/bin/one"));
  EXPECT_EQ(b[1], present);
  EXPECT_EQ(s.AppLinkPaths[2], QStringLiteral("/bin/two"));
  EXPECT_EQ(b[2], QString());  // the tail's missing bitmap is dropped, the part-3 one replaced
  EXPECT_EQ(s.AppLinkPaths[3], QStringLiteral("/bin/three"));
  EXPECT_EQ(s.AppLinkPaths[4], QStringLiteral("prog4"));
  EXPECT_EQ(b[5], QStringLiteral("five.bmp"));
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(s.Reserved3108.data()), 8), kTailReserved.left(8));
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(s.Reserved3116.data()), 10), kTailReserved.mid(8));
}

// Damaged tails: the count is clamped to 0..5, records past the fifth are
// skipped (in 64-bit arithmetic), partial records and blocks are not read.
TEST(SettingsCodec, DamagedTailsAreReadSafely) {
  const DefaultSettingsRecord full = FullRecord();
  const QByteArray base = Encode(full, LinkBitmapNames{});
  const auto records = [](int n) {
    QByteArray out;
    for (int k = 1; k <= n; ++k) out += TailRecord("/tail" + QByteArray::number(k));
    return out;
  };
  struct Case {
    const char* what;
    QByteArray tail;
    int linksFromTail;
    bool reserved8Read, reserved10Read;
  } cases[] = {
      {"stray bytes", QByteArray("\x02\x00\x00", 3), 0, false, false},
      {"negative count", Int32Bytes(-1) + kTailReserved, 0, true, true},
      {"seven records", Int32Bytes(7) + records(7) + kTailReserved, 5, true, true},
      {"huge count", Int32Bytes(std::numeric_limits<std::int32_t>::max()) + records(2) + kTailReserved, 2, false,
       false},
      {"partial record", Int32Bytes(3) + records(1) + QByteArray(100, 'x'), 1, false, false},
      {"partial reserved", Int32Bytes(1) + records(1) + kTailReserved.left(12), 1, true, false},
  };
  for (const Case& c : cases) {
    DefaultSettingsRecord s;
    LinkBitmapNames b;
    DecodeSettings(base + c.tail, &s, &b);
    for (int k = 1; k <= 5; ++k) {
      const QString expected =
          k <= c.linksFromTail ? QStringLiteral("/tail") + QString::number(k) : full.AppLinkPaths[k];
      EXPECT_EQ(s.AppLinkPaths[k], expected) << c.what << " link " << k;
    }
    EXPECT_EQ(s.Reserved3108[0], c.reserved8Read ? 0xA1 : full.Reserved3108[0]) << c.what;
    EXPECT_EQ(s.Reserved3116[9], c.reserved10Read ? 0xBA : full.Reserved3116[9]) << c.what;
  }
}

class ReadDFTTest : public ::testing::Test {
 protected:
  test::ScriptedUi ui_;
  QTemporaryDir dir_;
};

TEST_F(ReadDFTTest, MissingFileAsksToCopyItAndFails) {
  DefaultSettingsRecord s;
  LinkBitmapNames b;
  EXPECT_FALSE(ReadDFT(dir_.path(), &s, &b));
  ASSERT_EQ(ui_.messages().size(), 1u);
  const auto& m = ui_.messages().front();
  EXPECT_EQ(m.text, QStringLiteral("Please copy the Mivaro.DFT file into the ") + dir_.path() +
                        QStringLiteral(" directory."));
  EXPECT_EQ(m.icon, MessageIcon::Error);
  EXPECT_EQ(m.buttons, MessageButtons::Ok);
  EXPECT_TRUE(m.beepBefore);
}

TEST_F(ReadDFTTest, ReadsAnyCaseOfTheNameAndSetsSecondaryUnits) {
  DefaultSettingsRecord written = FullRecord();
  written.UnitSystem = 1;
  ASSERT_EQ(WriteSettingsFile(dir_.filePath(QStringLiteral("mivaro.dft")), written, SomeBitmaps()), 0);
  EXPECT_EQ(SettingsFilePath(dir_.path()), dir_.filePath(QStringLiteral("mivaro.dft")));
  DefaultSettingsRecord s;
  LinkBitmapNames b;
  ASSERT_TRUE(ReadDFT(dir_.path(), &s, &b));
  EXPECT_EQ(s.UnitSystem, 2);
  written.UnitSystem = 2;
  EXPECT_EQ(s, written);
  EXPECT_EQ(b, SomeBitmaps());
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(ReadDFTTest, ShortFileGivesNoMessage) {
  test::WriteBytes(dir_.filePath(QStringLiteral("Mivaro.DFT")),
                   Encode(FullRecord(), LinkBitmapNames{}).left(300));
  ASSERT_TRUE(ReadDFT(dir_.path()));
  EXPECT_EQ(DefaultSettings().IncludeHeader, 1);
  EXPECT_EQ(DefaultSettings().RebuildCommand, QString());
  EXPECT_EQ(DefaultSettings().UnitSystem, 2);
  EXPECT_TRUE(ui_.messages().empty());
  EXPECT_EQ(ui_.beeps(), 0);
  DefaultSettings() = DefaultSettingsRecord{};
}

}  // namespace
}  // namespace pm
