#include "common/printstate.h"
#include "common/textprint.h"

#include "support/pdfjob.h"
#include "support/pdftext.h"

#include <QFont>
#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

using test::PdfPages;

class PrintStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    qputenv("PELMARK_NOW", "2026-03-04T05:06:00");
    PrintTextLines() = PrintTabbedLines;
  }
  void TearDown() override {
    if (PS().Printing) EndPrintJob();
    qunsetenv("PELMARK_NOW");
  }
  void Begin(QPageSize::PageSizeId size, QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    job_ = std::make_unique<test::PdfJob>();
    ASSERT_TRUE(job_->Begin(dir_.filePath(QStringLiteral("out.pdf")), size, orientation));
  }
  static QStringList Numbered(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QStringLiteral("line%1").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
  }
  QStringList End() { return job_->End(); }

  QTemporaryDir dir_;
  std::unique_ptr<test::PdfJob> job_;
};

TEST(PrinterPpi, LongSideOverEleven) {
  EXPECT_EQ(PrinterPpiFor(2550, 3300, false), 300);
  EXPECT_EQ(PrinterPpiFor(3300, 2550, true), 300);
  EXPECT_EQ(PrinterPpiFor(2480, 3508, false), 318);  // A4 at 300 dpi
}

TEST_F(PrintStateTest, LetterGivesTheMarginsAndHeaderOfThreeHundredPpi) {
  Begin(QPageSize::Letter);
  const PrintState& s = PS();
  EXPECT_TRUE(s.Printing);
  EXPECT_EQ(s.PageWidth, 2550);
  EXPECT_EQ(s.PageHeight, 3300);
  EXPECT_EQ(s.PrinterPPI, 300);
  EXPECT_EQ(s.PrintMargin, 300);
  EXPECT_EQ(s.PrintLeft, 150);
  EXPECT_GT(s.PrintLineHeight, 30);
  EXPECT_GT(s.CurrentY, 75);
  // No break until CurrentY passes 3000.
  PS().CurrentY = 2990;
  CheckPageBreak(10);
  EXPECT_EQ(s.PageNumber, 1);
  EXPECT_EQ(s.CurrentY, 3000);
  CheckPageBreak(1);
  EXPECT_EQ(s.CurrentY, 301);
  // The new page begins with the first thing drawn on it.
  EXPECT_EQ(s.PageNumber, 1);
  PrintTextLines()({QStringLiteral("next")});
  EXPECT_EQ(s.PageNumber, 2);
  const QStringList pages = End();
  ASSERT_EQ(pages.size(), 2);
  EXPECT_TRUE(pages[0].contains(QStringLiteral("Pelmark Ver. 2.01")));
  EXPECT_FALSE(pages[0].contains(QStringLiteral("Page ")));
  EXPECT_TRUE(pages[1].contains(QStringLiteral("Page 2")));
  EXPECT_FALSE(pages[1].contains(QStringLiteral("Pelmark Ver.")));
  EXPECT_FALSE(s.Printing);
}

TEST_F(PrintStateTest, EveryHeaderCarriesTheFixedDateAndTime) {
  Begin(QPageSize::Letter);
  const QString when = PrintDateTimeText();
  EXPECT_TRUE(when.contains(QStringLiteral("26")));
  ForcePageBreak();
  PrintTextLines()({QStringLiteral("second page")});
  const QStringList pages = End();
  ASSERT_EQ(pages.size(), 2);
  for (const QString& page : pages) EXPECT_TRUE(page.contains(when)) << page.toStdString();
}

TEST_F(PrintStateTest, A4AndLandscapeScaleByTheLongSide) {
  Begin(QPageSize::A4);
  EXPECT_EQ(PS().PageHeight, 3508);
  EXPECT_EQ(PS().PrinterPPI, 318);
  EXPECT_EQ(PS().PrintLeft, 159);
  EXPECT_FALSE(PS().Landscape);
  End();
  Begin(QPageSize::Letter, QPageLayout::Landscape);
  EXPECT_EQ(PS().PageWidth, 3300);
  EXPECT_EQ(PS().PrinterPPI, 300);
  EXPECT_TRUE(PS().Landscape);  // kept for the plot's print scale
  End();
}

TEST_F(PrintStateTest, LinesBreakBelowTheHeaderOfTheNextPage) {
  Begin(QPageSize::Letter);
  QStringList lines;
  for (int i = 1; i <= 120; ++i) lines << QStringLiteral("line%1\tcol").arg(i, 3, 10, QLatin1Char('0'));
  PrintTextLines()(lines);
  const int perPage = (3000 - PS().PrintLineHeight) / PS().PrintLineHeight;
  const QStringList pages = End();
  ASSERT_EQ(pages.size(), 3);
  // The line that passes the bottom is printed on its page; the next one
  // opens the next page under its header.
  EXPECT_TRUE(pages[0].contains(QStringLiteral("line001")));
  const QStringList second = pages[1].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_GE(second.size(), 2);
  EXPECT_TRUE(second[0].contains(QStringLiteral("Page 2")));
  const int firstOnSecond = second[1].trimmed().mid(4, 3).toInt();
  EXPECT_GT(firstOnSecond, perPage - 10);
  EXPECT_TRUE(pages[0].contains(QStringLiteral("line%1").arg(firstOnSecond - 1, 3, 10, QLatin1Char('0'))));
  EXPECT_FALSE(pages[0].contains(QStringLiteral("line%1").arg(firstOnSecond, 3, 10, QLatin1Char('0'))));
  EXPECT_TRUE(pages[2].contains(QStringLiteral("line120")));
}

TEST_F(PrintStateTest, TabsGoToEvenStopsFromTheLeftEdge) {
  Begin(QPageSize::Letter);
  QPainter& p = *PS().Canvas;
  const int stop = 300 * 24 / 96;
  const int start = PS().PrintLeft;
  EXPECT_EQ(DrawTabbedText(p, start, 500, QStringLiteral("\t"), stop), start + stop);
  EXPECT_EQ(DrawTabbedText(p, start, 500, QStringLiteral("\t\t"), stop), start + 2 * stop);
  EXPECT_EQ(DrawTabbedText(p, start, 500, QStringLiteral("\t\t\t"), stop), start + 3 * stop);
  const int word = p.fontMetrics().horizontalAdvance(QStringLiteral("ab"));
  EXPECT_EQ(DrawTabbedText(p, start, 500, QStringLiteral("\tab"), stop), start + stop + word);
  End();
}

TEST_F(PrintStateTest, PlainNewPageStartsAtTheMarginAndIsSkippedOnAnEmptyPage) {
  Begin(QPageSize::Letter);
  NewPlainPage();  // nothing drawn yet
  EXPECT_EQ(PS().PageNumber, 1);
  PrintTextLines()({QStringLiteral("first")});
  NewPlainPage();
  EXPECT_EQ(PS().CurrentY, PS().PrintMargin);
  PrintTextLines()({QStringLiteral("second")});
  EXPECT_EQ(PS().PageNumber, 2);
  // A break already decided stays the next page: the plain page is skipped.
  PS().CurrentY = 3000;
  CheckPageBreak(PS().PrintLineHeight);
  NewPlainPage();
  PrintTextLines()({QStringLiteral("third")});
  EXPECT_EQ(PS().PageNumber, 3);
  // Breaks with nothing drawn after them make no page.
  ForcePageBreak();
  NewPlainPage();
  const QStringList pages = End();
  ASSERT_EQ(pages.size(), 3);
  EXPECT_FALSE(pages[1].contains(QStringLiteral("Page")));
  EXPECT_TRUE(pages[1].contains(QStringLiteral("second")));
  EXPECT_TRUE(pages[2].contains(QStringLiteral("Page 3")));
  EXPECT_TRUE(pages[2].contains(QStringLiteral("third")));
}

// Text that ends exactly at the bottom of a page leaves no page holding
// only its header.
TEST_F(PrintStateTest, APageBeginsOnlyWithSomethingOnIt) {
  Begin(QPageSize::Letter);
  const PrintState& s = PS();
  // As many lines as end the first page: the last one passes its bottom.
  const int fill = (s.PageHeight - s.PrintMargin - s.CurrentY) / s.PrintLineHeight + 1;
  PrintTextLines()(Numbered(fill));
  EXPECT_EQ(s.PageNumber, 1);
  EXPECT_EQ(End().size(), 1);
  Begin(QPageSize::Letter);
  PrintTextLines()(Numbered(fill + 1));
  const QStringList pages = End();
  ASSERT_EQ(pages.size(), 2);
  EXPECT_TRUE(pages[1].contains(QStringLiteral("Page 2")));
  EXPECT_TRUE(pages[1].contains(QStringLiteral("line%1").arg(fill + 1, 3, 10, QLatin1Char('0'))));
}

// A line wider than the page goes on over further print lines, one tab stop
// in, and those lines count for the page break.
TEST_F(PrintStateTest, ALongLineContinuesOnTheNextLines) {
  Begin(QPageSize::Letter);
  QString line;
  for (int i = 0; i < 30; ++i) line += QStringLiteral("<%1>------").arg(i, 2, 10, QLatin1Char('0'));
  ASSERT_EQ(line.size(), 300);
  const int top = PS().CurrentY;
  PrintTextLines()({line, QStringLiteral("after")});
  const int printLines = (PS().CurrentY - top) / PS().PrintLineHeight;
  const QStringList pages = End();
  ASSERT_EQ(pages.size(), 1);
  QStringList printed = pages[0].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  printed.removeFirst();  // the header
  ASSERT_EQ(printed.size(), printLines);
  ASSERT_GE(printLines, 3);
  QString whole;
  for (qsizetype i = 0; i + 1 < printed.size(); ++i) {
    // Continued lines start further right than the first.
    if (i > 0) {
      EXPECT_GT(printed[i].indexOf(QLatin1Char('<')), printed[0].indexOf(QLatin1Char('<'))) << i;
    }
    whole += printed[i].trimmed();
  }
  EXPECT_EQ(whole, line);
  EXPECT_EQ(printed.last().trimmed(), QStringLiteral("after"));
}

TEST(WrapTabbedLine, PiecesFitAndKeepEveryCharacter) {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setPixelSize(10);
  const QFontMetrics metrics(font);
  const int w = metrics.horizontalAdvance(QLatin1Char('x'));
  EXPECT_EQ(WrapTabbedLine(metrics, QString(), 4 * w, 10 * w), QStringList{QString()});
  EXPECT_EQ(WrapTabbedLine(metrics, QStringLiteral("abcdefghij"), 4 * w, 10 * w),
            QStringList{QStringLiteral("abcdefghij")});
  EXPECT_EQ(WrapTabbedLine(metrics, QStringLiteral("abcdefghijklmnopqrst"), 4 * w, 10 * w),
            (QStringList{QStringLiteral("abcdefghij"), QStringLiteral("klmnop"), QStringLiteral("qrst")}));
  // A tab counts to its stop.
  EXPECT_EQ(WrapTabbedLine(metrics, QStringLiteral("ab\tcdefghij"), 4 * w, 10 * w),
            (QStringList{QStringLiteral("ab\tcdefgh"), QStringLiteral("ij")}));
  // Narrower than one character: one character a piece, none lost.
  EXPECT_EQ(WrapTabbedLine(metrics, QStringLiteral("abc"), 4 * w, w / 2),
            (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
  // A character outside the basic plane is never split.
  const QString wide = QString::fromUcs4(U"a\U0001F600b");
  EXPECT_EQ(WrapTabbedLine(metrics, wide, 4 * w, 1).join(QString()), wide);
  EXPECT_EQ(WrapTabbedLine(metrics, wide, 4 * w, 1).size(), 3);
}

TEST_F(PrintStateTest, NothingIsDrawnOutsideAJob) {
  PS().CurrentY = 7;
  PrintTextLines()({QStringLiteral("x")});
  EXPECT_EQ(PS().CurrentY, 7);
}

}  // namespace
}  // namespace pm
