#include "plots/plotfile.h"

#include "plotsamples.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"
#include "support/testpaths.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

namespace pm {
namespace {

constexpr int kBlock = 256;                 // the block follows the caption
constexpr int kPart3 = 8488;                // the first line record
constexpr int kSlot1 = kBlock + 400;        // line slot 1 in the block

QByteArray Encode(const QString& caption, const PlotModel& plot) {
  QByteArray bytes;
  EXPECT_TRUE(EncodePlotFile(caption, plot, &bytes));
  return bytes;
}

void PutInt32(QByteArray* bytes, int at, std::int32_t v) { qToLittleEndian<std::int32_t>(v, bytes->data() + at); }

QByteArray Bits(const std::vector<double>& v) {
  return v.empty() ? QByteArray() : QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size() * 8));
}

// The fields of a model compared one by one: NaN points compare by their bits.
void ExpectSameBits(const PlotModel& a, const PlotModel& b) {
  EXPECT_EQ(a.Settings, b.Settings);
  for (int k = 1; k <= kPlotMaxLines; ++k) {
    EXPECT_EQ(Bits(a.Points[k].X), Bits(b.Points[k].X)) << k;
    EXPECT_EQ(Bits(a.Points[k].Y), Bits(b.Points[k].Y)) << k;
  }
}

TEST(PlotFile, SmallPlotHasItsGoldenBytes) {
  const QByteArray bytes = Encode(QStringLiteral("Plot 1: from demo.PLT"), test::SmallPlot());
  ASSERT_EQ(bytes.size(), 8692);  // 8,488 + 156 + 3 x 16
  struct Case {
    int offset;
    QByteArray expected;
  } cases[] = {
      {0, QByteArray("\x15Plot 1: from demo.PLT\0\0", 24)},  // caption, zeros after it
      {kBlock + 0, QByteArray::fromHex("01000000")},             // LineCount
      {kBlock + 4, QByteArray(256, '\0')},                       // reserved
      {kBlock + 260, QByteArray("\x06TIME h\0", 8)},             // XTitle
      {kBlock + 291, QByteArray("\x04T1 C\0", 6)},               // YTitle
      {kBlock + 328, QByteArray::fromHex("00000000000000000000")},  // XMin 0
      {kBlock + 338, QByteArray::fromHex("0000000000000080ffbf")},  // YMin -1
      {kBlock + 348, QByteArray::fromHex("00000000000000a00240")},  // XMax 10
      {kBlock + 358, QByteArray::fromHex("0000000000000080ff3f")},  // YMax 1
      {kBlock + 368, QByteArray::fromHex("00000000")},              // gridlines, padding
      {kBlock + 372, QByteArray::fromHex("01000000010000000500000004000000")},  // minor ticks, ticks
      {kBlock + 388, QByteArray::fromHex("0000")},                  // XLog, YLog
      {kBlock + 390, QByteArray::fromHex("0100000000000200")},      // XFormat F0, YFormat E2
      {kBlock + 398, QByteArray::fromHex("0100")},                  // ShowLegend
      {kSlot1 + 0, QByteArray::fromHex("03000000" "04000000" "00000000" "01000000" "00000000" "01000000")},
      {kSlot1 + 24, QByteArray("\x04TIME\0", 6)},
      {kSlot1 + 45, QByteArray("\x02T1\0", 4)},
      {kSlot1 + 66, QByteArray("\x01h\0", 3)},
      {kSlot1 + 87, QByteArray("\x01" "C\0", 3)},
      {kSlot1 + 108, QByteArray::fromHex("0000000000000000")},      // pointer fields
      {kSlot1 + 116, QByteArray::fromHex("01000000" "03000000" "01000000" "00000000" "04000000" "00000000")},
      {kSlot1 + 140, QByteArray(16, '\0')},
      {kSlot1 + 156, QByteArray(156, '\0')},                        // slot 2, never used
      {kBlock + 8200, QByteArray(32, '\0')},
      {kPart3 + 156, QByteArray::fromHex("000000000000f03f" "0000000000000040" "0000000000000840")},
      {kPart3 + 180, QByteArray::fromHex("000000000000e03f" "000000000000d0bf" "000000000000f03f")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(bytes.mid(c.offset, c.expected.size()).toHex(), c.expected.toHex()) << "offset " << c.offset;
  // The line record is written again, as its slot.
  EXPECT_EQ(bytes.mid(kPart3, 156), bytes.mid(kSlot1, 156));
  // The plot folder of the dump tests holds this same file.
  EXPECT_EQ(bytes, test::ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/plots/small/small.KPL")));
}

TEST(PlotFile, WriteThenReadGivesTheBlockAndEveryPointBack) {
  const PlotModel plot = test::PatternedPlot();
  const QString caption = QStringLiteral("Plot 12: from /data/\u00E9t\u00E9 \u20AC.PLT");
  const QByteArray bytes = Encode(caption, plot);
  EXPECT_EQ(bytes.size(), PlotFileSize(plot.Settings));
  EXPECT_EQ(bytes.size(), 8488 + (156 + 48) + (156 + 64));
  QString readCaption;
  PlotModel read;
  ASSERT_EQ(DecodePlotFile(bytes, &readCaption, &read), PlotDecode::Ok);
  EXPECT_EQ(readCaption, caption);
  ExpectSameBits(read, plot);
  EXPECT_EQ(Encode(readCaption, read), bytes);
  // Strings are bytes of the file; they are decoded for display only.
  EXPECT_EQ(read.Settings.XTitle.Shown(), QStringLiteral("Time \u20AC h"));
  EXPECT_EQ(read.Settings.XTitle.Bytes[10], plot.Settings.XTitle.Bytes[10]);  // the tail, as written
}

// A file as another writer left it: pointers in every slot and in the line
// records, bytes after the caption. Opened and saved, it comes back the same
// apart from exactly those bytes.
TEST(PlotFile, OpenedAndSavedFileDiffersOnlyInPointersAndCaptionTail) {
  QTemporaryDir dir;
  QByteArray original = Encode(QStringLiteral("Plot 3: from run.PLT"), test::PatternedPlot());
  QByteArray expected = original;
  for (int i = 21; i < 256; ++i) original[i] = static_cast<char>(i);
  std::vector<int> pointerFields;
  for (int k = 1; k <= kPlotMaxLines; ++k) pointerFields.push_back(kSlot1 + (k - 1) * 156 + 108);
  pointerFields.push_back(kPart3 + 108);
  pointerFields.push_back(kPart3 + 156 + 48 + 108);
  for (const int at : pointerFields) {
    PutInt32(&original, at, 0x00A1B2C3);
    PutInt32(&original, at + 4, 0x00D4E5F6);
  }
  const QString path = dir.filePath(QStringLiteral("run.KPL"));
  test::WriteBytes(path, original);
  test::ScriptedUi ui;
  QString caption;
  PlotModel plot;
  ASSERT_EQ(OpenPlotFile(path, &caption, &plot), PlotOpen::Opened);
  const QString saved = dir.filePath(QStringLiteral("saved.KPL"));
  ASSERT_EQ(SavePlotFile(saved, caption, plot), 0);
  EXPECT_EQ(test::ReadBytes(saved).toHex(), expected.toHex());
  EXPECT_TRUE(ui.messages().empty());
}

TEST(PlotFile, DamagedFilesAreRefusedWholeWithOneMessage) {
  const QByteArray good = Encode(QStringLiteral("Plot 1: from a.PLT"), test::PatternedPlot());
  const int line2 = kPart3 + 156 + 48;  // the second line record
  const auto patch = [](int at, std::int32_t v) {
    return [at, v](QByteArray* b) { PutInt32(b, at, v); };
  };
  const auto bothCopies = [](int offsetInLine, int line, std::int32_t v) {
    return [=](QByteArray* b) {
      PutInt32(b, kSlot1 + (line - 1) * 156 + offsetInLine, v);
      PutInt32(b, line == 1 ? kPart3 + offsetInLine : line2 + offsetInLine, v);
    };
  };
  const auto extended = [](int at, const char* hex) {
    return [at, hex](QByteArray* b) { b->replace(at, 10, QByteArray::fromHex(hex)); };
  };
  struct Case {
    const char* what;
    std::function<void(QByteArray*)> damage;
  } cases[] = {
      {"empty", [](QByteArray* b) { b->clear(); }},
      {"shorter than the block", [](QByteArray* b) { b->truncate(8487); }},
      {"one point short", [](QByteArray* b) { b->chop(8); }},
      {"one byte too many", [](QByteArray* b) { b->append('\0'); }},
      {"LineCount 0", patch(kBlock, 0)},
      {"LineCount -1", patch(kBlock, -1)},
      {"LineCount 51", patch(kBlock, 51)},
      {"LineCount 3 with two records", patch(kBlock, 3)},
      {"negative PointCount", bothCopies(0, 2, -1)},
      {"PointCount past the end", bothCopies(0, 2, 5)},
      {"16 x PointCount overflows 32 bits", bothCopies(0, 2, 0x7FFFFFFF)},
      {"record differs from its slot", patch(line2 + 116, 99)},
      {"PointCount differs from its slot", patch(kSlot1 + 156, 3)},
      {"XTitle length 31", [](QByteArray* b) { (*b)[kBlock + 260] = 31; }},
      {"YTitle length 200", [](QByteArray* b) { (*b)[kBlock + 291] = static_cast<char>(200); }},
      {"live YName length 21", [](QByteArray* b) {
         (*b)[kSlot1 + 156 + 45] = 21;
         (*b)[line2 + 45] = 21;
       }},
      {"NaN XMin", extended(kBlock + 328, "0000000000000000ff7f")},
      {"infinite YMax", extended(kBlock + 358, "0000000000000080ff7f")},
      {"unnormal YMin", extended(kBlock + 338, "0000000000000040ff3f")},
      {"pseudo-denormal XMax", extended(kBlock + 348, "00000000000000800000")},
  };
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bad.KPL"));
  for (const Case& c : cases) {
    QByteArray bytes = good;
    c.damage(&bytes);
    test::WriteBytes(path, bytes);
    test::ScriptedUi ui;
    QString caption = QStringLiteral("kept");
    PlotModel plot = test::SmallPlot();
    EXPECT_EQ(OpenPlotFile(path, &caption, &plot), PlotOpen::NotValid) << c.what;
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("File ") + path + QStringLiteral(" is not a valid plot file.")})
        << c.what;
    ASSERT_EQ(ui.messages().size(), 1u) << c.what;
    EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Error) << c.what;
    EXPECT_TRUE(ui.messages()[0].beepBefore) << c.what;
    EXPECT_EQ(caption, QStringLiteral("kept")) << c.what;
    EXPECT_EQ(plot, test::SmallPlot()) << c.what;
  }
}

TEST(PlotFile, ValuesAtTheEdgesAreAccepted) {
  struct Case {
    const char* what;
    std::function<void(PlotModel*)> change;
  } cases[] = {
      {"50 lines", [](PlotModel* p) {
         p->Settings.LineCount = 50;
         for (int k = 2; k <= 50; ++k) {
           p->Settings.Lines[k] = p->Settings.Lines[1];
           p->Points[k] = p->Points[1];
         }
       }},
      {"a line without points", [](PlotModel* p) {
         p->Settings.Lines[1].PointCount = 0;
         p->Points[1] = {};
       }},
      {"titles of 30 and names of 20 characters", [](PlotModel* p) {
         p->Settings.XTitle.Set(std::string(30, 'x'));
         p->Settings.Lines[1].YUnit.Set(std::string(20, 'u'));
       }},
      {"axis ends beyond a double", [](PlotModel* p) {
         p->Settings.XMax = 1e4000L;
         p->Settings.YMin = -1e-4000L;
       }},
  };
  for (const Case& c : cases) {
    PlotModel plot = test::SmallPlot();
    c.change(&plot);
    const QByteArray bytes = Encode(QStringLiteral("c"), plot);
    QString caption;
    PlotModel read;
    ASSERT_EQ(DecodePlotFile(bytes, &caption, &read), PlotDecode::Ok) << c.what;
    EXPECT_EQ(read, plot) << c.what;
  }
}

TEST(PlotFile, StaleSlotsAreKeptAndNeverRead) {
  PlotModel plot = test::SmallPlot();
  // What a deletion leaves: the old last line still in its slot.
  plot.Settings.Lines[2] = plot.Settings.Lines[1];
  plot.Settings.Lines[2].PointCount = 1000;
  plot.Settings.Lines[2].YName.Bytes[0] = 0xFF;
  const QByteArray bytes = Encode(QStringLiteral("c"), plot);
  EXPECT_EQ(bytes.size(), 8488 + 156 + 48);  // no points for slot 2
  QString caption;
  PlotModel read;
  ASSERT_EQ(DecodePlotFile(bytes, &caption, &read), PlotDecode::Ok);
  EXPECT_EQ(read.Settings.Lines[2], plot.Settings.Lines[2]);
  EXPECT_TRUE(read.Points[2].X.empty());
  EXPECT_EQ(Encode(caption, read), bytes);
}

TEST(PlotFile, CaptionIsCutTo255BytesWithQuestionMarks) {
  struct Case {
    QString caption;
    QByteArray stored;
  } cases[] = {
      {QString(300, QLatin1Char('c')), QByteArray(255, 'c')},
      {QStringLiteral("from \u4E2D\u00E9.PLT"), QByteArray("from ?\xe9.PLT")},
      {QString(), QByteArray()},
  };
  for (const Case& c : cases) {
    const QByteArray bytes = Encode(c.caption, test::SmallPlot());
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), c.stored.size());
    EXPECT_EQ(bytes.mid(1, c.stored.size()), c.stored);
    EXPECT_EQ(bytes.mid(1 + c.stored.size(), 255 - c.stored.size()), QByteArray(255 - c.stored.size(), '\0'));
  }
}

TEST(PlotFile, InconsistentModelIsNotWritten) {
  struct Case {
    const char* what;
    std::function<void(PlotModel*)> change;
  } cases[] = {
      {"fewer X values", [](PlotModel* p) { p->Points[1].X.pop_back(); }},
      {"more Y values", [](PlotModel* p) { p->Points[1].Y.push_back(1); }},
      {"negative PointCount", [](PlotModel* p) { p->Settings.Lines[1].PointCount = -1; }},
      {"LineCount 51", [](PlotModel* p) { p->Settings.LineCount = 51; }},
  };
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("old.KPL"));
  test::WriteBytes(path, "old plot");
  for (const Case& c : cases) {
    PlotModel plot = test::SmallPlot();
    c.change(&plot);
    QByteArray bytes;
    EXPECT_FALSE(EncodePlotFile(QStringLiteral("c"), plot, &bytes)) << c.what;
    test::ScriptedUi ui;
    EXPECT_EQ(SavePlotFile(path, QStringLiteral("c"), plot), EINVAL) << c.what;
    EXPECT_EQ(ui.texts(), QStringList{WriteErrorMessage(EINVAL, path)}) << c.what;
    EXPECT_EQ(test::ReadBytes(path), QByteArray("old plot")) << c.what;
  }
}

TEST(PlotFile, SaveThatCannotWriteIsReported) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("missing/folder/p.KPL"));
  test::ScriptedUi ui;
  EXPECT_EQ(SavePlotFile(path, QStringLiteral("c"), test::SmallPlot()), ENOENT);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text,
            QStringLiteral("Error 2 was encountered while trying to write file ") + path);
  EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(ui.messages()[0].beepBefore);
}

TEST(PlotFile, FileThatCannotBeOpenedIsReportedAndNothingLoaded) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("none.KPL"));
  test::ScriptedUi ui;
  QString caption = QStringLiteral("kept");
  PlotModel plot = test::SmallPlot();
  EXPECT_EQ(OpenPlotFile(path, &caption, &plot), PlotOpen::CannotRead);
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Error 2 was encountered while trying to open file ") + path});
  EXPECT_TRUE(ui.messages()[0].beepBefore);
  EXPECT_EQ(caption, QStringLiteral("kept"));
  EXPECT_EQ(plot, test::SmallPlot());
}

// Names come as typed or from a deck: quotes go, and a file written on a
// system that ignores case is found in another case.
TEST(PlotFile, NamesAreOpenedWithoutQuotesAndWithoutRegardToCase) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Plot.KPL"));
  test::ScriptedUi ui;
  ASSERT_EQ(SavePlotFile(QLatin1Char('"') + path + QLatin1Char('"'), QStringLiteral("c"), test::SmallPlot()), 0);
  EXPECT_TRUE(QFile::exists(path));
  QString caption;
  PlotModel plot;
  EXPECT_EQ(OpenPlotFile(QLatin1Char('"') + dir.filePath(QStringLiteral("PLOT.kpl")) + QLatin1Char('"'), &caption, &plot),
            PlotOpen::Opened);
  EXPECT_EQ(plot, test::SmallPlot());
  EXPECT_TRUE(ui.messages().empty());
}

}  // namespace
}  // namespace pm
