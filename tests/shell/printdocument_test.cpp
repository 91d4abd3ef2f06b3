// Rich text on paper: the demo's results report printed to PDF keeps every
// value it shows, and tables wider than the page are narrowed to it.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QMdiSubWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextTable>

#include "common/settings.h"
#include "shell/printdocument.h"
#include "shell/resultsreport.h"
#include "shell/rundeck.h"
#include "shell/ui/printjob.h"
#include "shell/ui/resultswindow.h"
#include "platform/rtfreader.h"
#include "shellfixture.h"
#include "support/pdftext.h"
#include "support/standins.h"

namespace pm::test {
namespace {

class ReportPrintTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    pdf_ = folder_ + QStringLiteral("/job.pdf");
    qputenv("PELMARK_PRINT_PDF", pdf_.toLocal8Bit());
    qputenv("PELMARK_NOW", "2026-03-04T05:06:00");
  }
  void TearDown() override {
    qunsetenv("PELMARK_PRINT_PDF");
    qunsetenv("PELMARK_NOW");
    ProgramFolderTest::TearDown();
  }
  QString Path(const QString& name) const { return folder_ + QLatin1Char('/') + name; }

  QString pdf_;
};

TEST_F(ReportPrintTest, EveryValueOfTheDemoReportIsOnThePaper) {
  const QDir demo(QStringLiteral(PELMARK_SOURCE_DIR "/examples/demo"));
  ASSERT_TRUE(QDir(folder_).mkpath(QStringLiteral("Quorvel")));
  for (const char* name : {"Demo.pzd", "Output_GHX.rtf"})
    ASSERT_TRUE(QFile::copy(demo.filePath(QLatin1String(name)), Path(QLatin1String(name))));
  QDir::setCurrent(folder_);
  const RunDeckResult deck = MakeSingleRunDeck(Path(QStringLiteral("Demo.pzd")));
  ASSERT_FALSE(deck.Target.isEmpty()) << deck.Message.toStdString();
  QProcess engine;
  engine.setWorkingDirectory(folder_);
  engine.start(ZantorPath(), {deck.Target});
  ASSERT_TRUE(engine.waitForFinished(10000));

  for (const bool si : {true, false}) {
    SCOPED_TRACE(si ? "SI" : "IP");
    DefaultSettings().UnitSystem = si ? 1 : 2;
    form_->RunTarget = deck.Target;
    form_->RunFolder = folder_;
    form_->OptimizationMode = false;
    ShowResultsReport(*form_);
    ASSERT_TRUE(form_->ResultsViewer);
    ASSERT_TRUE(PrintWindows({qobject_cast<QMdiSubWindow*>(form_->ResultsViewer.data())}, form_.get(), nullptr));
    const QString printed = PdfText(pdf_);
    ASSERT_FALSE(printed.isEmpty());

    std::array<long double, 100> values{};
    ASSERT_TRUE(ReadResultsValues(RunResultsFile(deck.Target), &values));
    const ReportSlots slots = FillSlots(values, si);
    const QString text = QString::fromLatin1(ReadBytes(Path(QStringLiteral("Output_GHX.rtf"))));
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%%(\\d+)")).globalMatch(text);
    int checked = 0;
    while (it.hasNext()) {
      const int slot = it.next().captured(1).toInt();
      if (slot == 99) continue;
      const QString value = QString::fromStdString(slots[static_cast<size_t>(slot)]).trimmed();
      ASSERT_FALSE(value.isEmpty()) << slot;
      EXPECT_TRUE(printed.contains(value)) << "slot " << slot << " " << value.toStdString();
      ++checked;
    }
    EXPECT_EQ(checked, 31);
    // The amounts of the costs table, in their column beside their items.
    EXPECT_TRUE(printed.contains(QRegularExpression(QStringLiteral("Life-cycle cost +\\d+\\.\\d\\d"))))
        << printed.toStdString();
  }
}

// A table wider than the page is narrowed in proportion; its words wrap in
// their cells and none is lost.
TEST(FitToWidth, AWideTableIsNarrowedToTheWidth) {
  QTextDocument doc;
  doc.setDocumentMargin(0);
  ReadRichText(
      "{\\rtf1 before\\par\\trowd\\cellx9000\\cellx27000\\pard\\intbl Narrow words here\\cell "
      "Wide column with a Verylongwordthatcannotbreakanywhereatall\\cell\\row\\pard after\\par}",
      &doc);
  FitToWidth(doc, 600);
  QTextTable* table = nullptr;
  for (QTextFrame* frame : doc.rootFrame()->childFrames())
    if (auto* t = qobject_cast<QTextTable*>(frame)) table = t;
  ASSERT_NE(table, nullptr);
  const QRectF box = doc.documentLayout()->frameBoundingRect(table);
  EXPECT_LE(box.right(), 600.5);
  EXPECT_GT(box.width(), 500);
  // The columns keep their proportions: one to two.
  const QList<QTextLength> widths = table->format().columnWidthConstraints();
  ASSERT_EQ(widths.size(), 2);
  EXPECT_NEAR(widths[1].rawValue() / widths[0].rawValue(), 2.0, 0.01);
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("before\nNarrow words here\nWide column with a "
                                              "Verylongwordthatcannotbreakanywhereatall\nafter"));
  EXPECT_LE(doc.documentLayout()->documentSize().width(), 600.5);
}

}  // namespace
}  // namespace pm::test
