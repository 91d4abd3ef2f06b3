// Printing the shell's windows into PDF through the print selection dialog
// and the print job, read back with pdftotext.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <cmath>
#include <QComboBox>
#include <QTimer>
#include <QImage>
#include <QListWidget>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest/QTest>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

#include "common/globals.h"
#include "common/printstate.h"
#include "common/textprint.h"
#include "shell/printlist.h"
#include "shell/ui/diagramform.h"
#include "shell/ui/editform.h"
#include "shell/ui/printdlg.h"
#include "shell/ui/printjob.h"
#include "shell/ui/printprogress.h"
#include "platform/ui/printerservice.h"
#include "plots/ui/plotform.h"
#include "shell/ui/viewform.h"
#include "shellfixture.h"
#include "support/pdftext.h"

namespace pm::test {
namespace {

class PrintingTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    form_->resize(1000, 800);
    form_->show();
    pdf_ = folder_ + QStringLiteral("/job.pdf");
    qputenv("PELMARK_PRINT_PDF", pdf_.toLocal8Bit());
    qputenv("PELMARK_NOW", "2026-03-04T05:06:00");
    PrintTextLines() = PrintTabbedLines;
  }
  void TearDown() override {
    qunsetenv("PELMARK_PRINT_PDF");
    qunsetenv("PELMARK_NOW");
    ProgramFolderTest::TearDown();
  }

  QMdiSubWindow* AddEditor(const QString& title, const QString& text) {
    auto* editor = new TEditForm;
    editor->Editor()->setPlainText(text);
    editor->SetFileName(title);
    editor->SetKind(KindTextEditor);
    QMdiSubWindow* child = form_->MdiArea()->addSubWindow(editor);
    child->show();
    return child;
  }
  QMdiSubWindow* AddViewer(const QString& title, const QByteArray& bytes, int kind = KindListing) {
    auto* viewer = new TViewForm(form_.get());
    viewer->LoadBytes(bytes);
    viewer->SetFileName(title);
    viewer->SetKind(kind);
    QMdiSubWindow* child = form_->MdiArea()->addSubWindow(viewer);
    child->show();
    return child;
  }
  QMdiSubWindow* AddDiagram(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    const QString file = folder_ + QStringLiteral("/pic.BMP");
    WriteBytes(file, bytes);
    auto* diagram = new TDiagramForm;
    EXPECT_TRUE(diagram->Load(file));
    QMdiSubWindow* child = form_->MdiArea()->addSubWindow(diagram);
    child->show();
    return child;
  }
  bool Print(const QList<QMdiSubWindow*>& children) {
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* child : children) windows.push_back(child);
    return PrintWindows(windows, form_.get(), nullptr);
  }
  static QStringList Numbered(const QString& word, int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << word + QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
  }

  QString pdf_;
};

TEST(PrintItemText, PlotCaptionsStopAtTheColonPathsGiveTheirFileName) {
  EXPECT_EQ(PrintItemText(QStringLiteral("Plot 2: Temperatures")), QStringLiteral("Plot 2"));
  EXPECT_EQ(PrintItemText(QStringLiteral("/home/u/decks/sys.LST")), QStringLiteral("sys.LST"));
  EXPECT_EQ(PrintItemText(QStringLiteral("C:\\decks\\sys.log")), QStringLiteral("sys.log"));
  EXPECT_EQ(PrintItemText(QStringLiteral("Results")), QStringLiteral("Results"));
  EXPECT_EQ(PrintItemText(QStringLiteral("/decks/")), QStringLiteral("decks/"));
}

TEST_F(PrintingTest, EditorThenTwoViewersTheSecondOnAPlainNewPage) {
  QMdiSubWindow* editor = AddEditor(QStringLiteral("/d/notes.txt"), QStringLiteral("alpha\tbeta\ngamma"));
  QMdiSubWindow* first = AddViewer(QStringLiteral("/d/sys.LST"), "LISTING ONE\r\nsecond line\r\n");
  QMdiSubWindow* second = AddViewer(QStringLiteral("/d/sys.log"), "{\\rtf1 {\\b LOG TWO} text}", KindLog);
  ASSERT_TRUE(Print({editor, first, second}));
  EXPECT_FALSE(PS().Printing);
  const QStringList pages = PdfPages(pdf_);
  ASSERT_EQ(pages.size(), 2);
  EXPECT_TRUE(pages[0].contains(QStringLiteral("Pelmark Ver. 2.01")));
  const qsizetype alpha = pages[0].indexOf(QStringLiteral("alpha"));
  const qsizetype gamma = pages[0].indexOf(QStringLiteral("gamma"));
  const qsizetype listing = pages[0].indexOf(QStringLiteral("LISTING ONE"));
  EXPECT_TRUE(alpha >= 0 && gamma > alpha && listing > gamma) << pages[0].toStdString();
  EXPECT_TRUE(pages[0].contains(QStringLiteral("second line")));
  EXPECT_FALSE(pages[1].contains(QStringLiteral("Page")));
  EXPECT_TRUE(pages[1].contains(QStringLiteral("LOG TWO text")));
}

TEST_F(PrintingTest, LongRichTextBreaksBetweenLinesUnderPageHeaders) {
  QByteArray rtf = "{\\rtf1\\fs24 ";
  for (const QString& line : Numbered(QStringLiteral("para"), 150)) rtf += line.toLatin1() + "\\par ";
  rtf += "}";
  ASSERT_TRUE(Print({AddViewer(QStringLiteral("report"), rtf, KindResultsReport)}));
  const QStringList pages = PdfPages(pdf_);
  ASSERT_GE(pages.size(), 3);
  for (qsizetype i = 1; i < pages.size(); ++i) {
    EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1").arg(i + 1))) << i;
  }
  // Every line once, whole, in order.
  const QString all = pages.join(QString());
  qsizetype at = 0;
  for (const QString& line : Numbered(QStringLiteral("para"), 150)) {
    const qsizetype found = all.indexOf(line, at);
    ASSERT_GE(found, at) << line.toStdString();
    EXPECT_EQ(all.count(line), 1) << line.toStdString();
    at = found;
  }
}

TEST_F(PrintingTest, ALineTallerThanAPageIsPrintedClippedAndTheJobEnds) {
  const QByteArray rtf = "{\\rtf1 before\\par {\\fs2400 X}\\par after\\par}";
  ASSERT_TRUE(Print({AddViewer(QStringLiteral("tall"), rtf)}));
  const QStringList pages = PdfPages(pdf_);
  ASSERT_GE(pages.size(), 2);
  EXPECT_LE(pages.size(), 4);
  EXPECT_TRUE(pages.join(QString()).contains(QStringLiteral("after")));
}

TEST_F(PrintingTest, EditorLinesRunOverPagesAndTheNextWindowFollowsBelow) {
  QMdiSubWindow* editor = AddEditor(QStringLiteral("long.txt"), Numbered(QStringLiteral("row"), 100).join(QLatin1Char('\n')));
  QMdiSubWindow* viewer = AddViewer(QStringLiteral("tail.LST"), "TAIL TEXT\r\n");
  ASSERT_TRUE(Print({editor, viewer}));
  const QStringList pages = PdfPages(pdf_);
  ASSERT_EQ(pages.size(), 2);
  EXPECT_TRUE(pages[1].contains(QStringLiteral("Page 2")));
  EXPECT_TRUE(pages[1].contains(QStringLiteral("row100")));
  EXPECT_GT(pages[1].indexOf(QStringLiteral("TAIL TEXT")), pages[1].indexOf(QStringLiteral("row100")));
}

TEST_F(PrintingTest, DiagramThatDoesNotFitStartsANewPage) {
  QMdiSubWindow* editor = AddEditor(QStringLiteral("long.txt"), Numbered(QStringLiteral("row"), 50).join(QLatin1Char('\n')));
  QMdiSubWindow* diagram = AddDiagram(400, 300);
  ASSERT_TRUE(Print({editor, diagram}));
  // 300 screen pixels are 938 printer pixels: they no longer fit after
  // fifty lines, so the picture opens page 2 below its header.
  EXPECT_EQ(PS().PageNumber, 2);
  EXPECT_EQ(PS().CurrentY, PS().PrintMargin + PS().PrintLineHeight + 938 + 2 * PS().PrintLineHeight);
  EXPECT_EQ(PdfPages(pdf_).size(), 2);
}

TEST_F(PrintingTest, DiagramLargerThanAPageIsScaledToFit) {
  ASSERT_TRUE(Print({AddDiagram(2000, 3000)}));
  // 2000 x 3000 screen pixels shrink to the page's height less two margins
  // and a line, below the first page's header.
  const PrintState& s = PS();
  const int top = s.PrintMargin / 4 + 3 * (s.PrintLineHeight - 1) + 3;
  EXPECT_EQ(s.PageNumber, 1);
  EXPECT_EQ(s.CurrentY, top + (s.PageHeight - 2 * s.PrintMargin - s.PrintLineHeight) + 2 * s.PrintLineHeight);
}

TEST_F(PrintingTest, AMetafileDiagramPrintsAsVectorsABitmapAsAnImage) {
  const QString wmf = folder_ + QStringLiteral("/plant.WMF");
  WriteBytes(wmf, ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/diagrams/plant.wmf")));
  auto* diagram = new TDiagramForm;
  ASSERT_TRUE(diagram->Load(wmf));
  QMdiSubWindow* child = form_->MdiArea()->addSubWindow(diagram);
  ASSERT_TRUE(Print({child}));
  const int height = static_cast<int>(std::lround(diagram->Picture().height() * PS().PrinterPPI / 96.0));
  EXPECT_EQ(PS().CurrentY, PS().PrintMargin / 4 + 3 * (PS().PrintLineHeight - 1) + 3 + height + 2 * PS().PrintLineHeight);
  EXPECT_FALSE(ReadBytes(pdf_).contains("/Subtype /Image"));
  ASSERT_TRUE(Print({AddDiagram(40, 30)}));
  EXPECT_TRUE(ReadBytes(pdf_).contains("/Subtype /Image"));
}

TEST_F(PrintingTest, DialogListsPrintableWindowsWithTheCurrentOneToPrint) {
  auto* plot = new TPlotForm;
  plot->setWindowTitle(QStringLiteral("Plot 1: Flows"));
  form_->Documents().AddPlotWindow(plot);
  QMdiSubWindow* viewer = AddViewer(QStringLiteral("/d/b.LST"), "B\r\n");
  QMdiSubWindow* editor = AddEditor(QStringLiteral("/d/a.txt"), QStringLiteral("A"));
  form_->MdiArea()->setActiveSubWindow(viewer);
  TPrintDlg dialog(form_.get());
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Windows to Print"));
  ASSERT_EQ(dialog.SrcList->count(), 2);
  EXPECT_EQ(dialog.SrcList->item(0)->text(), QStringLiteral("Plot 1"));  // cut at the colon
  EXPECT_EQ(dialog.SrcList->item(1)->text(), QStringLiteral("a.txt"));
  ASSERT_EQ(dialog.DstList->count(), 1);
  EXPECT_EQ(dialog.DstList->item(0)->text(), QStringLiteral("b.LST"));
  EXPECT_TRUE(dialog.OKBtn->isEnabled());
  dialog.ExAllBtn->click();
  EXPECT_EQ(dialog.DstList->count(), 0);
  EXPECT_FALSE(dialog.OKBtn->isEnabled());
  EXPECT_FALSE(dialog.ExcludeBtn->isEnabled());
  EXPECT_EQ(dialog.SrcList->item(1)->text(), QStringLiteral("a.txt"));  // sorted
  dialog.SrcList->item(2)->setSelected(true);
  dialog.IncludeBtn->click();
  ASSERT_EQ(dialog.DstList->count(), 1);
  EXPECT_EQ(dialog.DstList->item(0)->text(), QStringLiteral("b.LST"));
  EXPECT_TRUE(dialog.SrcList->item(1)->isSelected());
  dialog.IncAllBtn->click();
  EXPECT_EQ(dialog.SrcList->count(), 0);
  EXPECT_FALSE(dialog.IncludeBtn->isEnabled());
  ASSERT_EQ(dialog.DstList->count(), 3);
  EXPECT_EQ(dialog.DstList->item(1)->text(), QStringLiteral("Plot 1"));
  EXPECT_EQ(dialog.DstList->item(2)->text(), QStringLiteral("a.txt"));
  dialog.OKBtn->click();
  const QString text = PdfText(pdf_);
  EXPECT_LT(text.indexOf(QStringLiteral("B")), text.indexOf(QStringLiteral("Plot 1: Flows")));
  EXPECT_LT(text.indexOf(QStringLiteral("Plot 1: Flows")), text.indexOf(QStringLiteral("A\n")));
  // The viewer is followed by a plain new page, the plot by a new page.
  EXPECT_EQ(PdfPages(pdf_).size(), 3);
  (void)editor;
}

TEST_F(PrintingTest, WithoutAPrinterThePdfNameIsAskedAndCancelPrintsNothing) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  qunsetenv("PELMARK_PRINT_PDF");
  QMdiSubWindow* viewer = AddViewer(QStringLiteral("/d/run.LST"), "X\r\n");
  EXPECT_FALSE(Print({viewer}));
  ASSERT_EQ(ui_.fileRequests().size(), 1u);
  EXPECT_EQ(ui_.fileRequests()[0].fileName, QStringLiteral("run.LST.pdf"));
  EXPECT_TRUE(ui_.messages().empty());
  EXPECT_FALSE(PS().Printing);

  ui_.answerFile(folder_ + QStringLiteral("/chosen.pdf"));
  EXPECT_TRUE(Print({viewer}));
  EXPECT_TRUE(PdfText(folder_ + QStringLiteral("/chosen.pdf")).contains(QStringLiteral("Pelmark Ver.")));
}

TEST_F(PrintingTest, AnUnwritablePdfGivesAMessageNamingIt) {
  const QString bad = folder_ + QStringLiteral("/no/such/folder/out.pdf");
  qputenv("PELMARK_PRINT_PDF", bad.toLocal8Bit());
  EXPECT_FALSE(Print({AddViewer(QStringLiteral("x.LST"), "X\r\n")}));
  ASSERT_EQ(ui_.texts().size(), 1);
  EXPECT_EQ(ui_.texts()[0], QStringLiteral("The print file ") + bad + QStringLiteral(" could not be written."));
  EXPECT_FALSE(PS().Printing);
}

TEST_F(PrintingTest, DroppingOnAListMovesTheSelectedWindowsThere) {
  AddEditor(QStringLiteral("/d/a.txt"), QStringLiteral("A"));
  AddEditor(QStringLiteral("/d/b.txt"), QStringLiteral("B"));
  form_->MdiArea()->setActiveSubWindow(nullptr);
  TPrintDlg dialog(form_.get());
  dialog.show();
  ASSERT_EQ(dialog.SrcList->count(), 1);
  ASSERT_EQ(dialog.DstList->count(), 1);
  // What a drop on the list runs.
  const auto drop = [](DragList* list) { list->OnDrop(); };
  dialog.SrcList->item(0)->setSelected(true);
  drop(dialog.DstList);
  EXPECT_EQ(dialog.SrcList->count(), 0);
  EXPECT_EQ(dialog.DstList->count(), 2);
  dialog.DstList->item(1)->setSelected(true);
  drop(dialog.SrcList);
  EXPECT_EQ(dialog.SrcList->count(), 1);
  EXPECT_EQ(dialog.DstList->count(), 1);
}

TEST_F(PrintingTest, OkIsTheDefaultAtEveryOpeningAlsoAfterCancel) {
  QMdiSubWindow* editor = AddEditor(QStringLiteral("/d/a.txt"), QStringLiteral("PRINTED"));
  form_->MdiArea()->setActiveSubWindow(editor);
  TPrintDlg dialog(form_.get());
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  EXPECT_TRUE(dialog.OKBtn->isDefault());
  QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);  // takes the focus, then closes
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(QFile::exists(pdf_));
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  EXPECT_TRUE(dialog.OKBtn->isDefault());
  EXPECT_FALSE(dialog.CancelBtn->isDefault());
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(PdfText(pdf_).contains(QStringLiteral("PRINTED")));
}

// Chooses a paper size in the page set-up dialog that Print Setup opens.
void ChoosePaperSoon(const QString& size) {
  QTimer::singleShot(0, [size] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(w);
      if (!dialog || !dialog->isVisible()) continue;
      for (QComboBox* combo : dialog->findChildren<QComboBox*>(QStringLiteral("pageSizeCombo"))) {
        combo->setCurrentIndex(combo->findText(size, Qt::MatchStartsWith));
      }
      dialog->accept();
    }
  });
}

TEST_F(PrintingTest, FilePrintOpensTheSelectionAndPrintSetupsPaperIsUsed) {
  TPrintDlg dialog(form_.get());
  TPrintProgress progress;
  form_->PrintDlg = &dialog;
  form_->PrintProgress = &progress;
  QMdiSubWindow* editor = AddEditor(QStringLiteral("/d/a.txt"), QStringLiteral("PRINTED"));
  form_->MdiArea()->setActiveSubWindow(editor);
  ChoosePaperSoon(QStringLiteral("A4"));
  form_->PrintSetup1Click();
  QTimer::singleShot(0, [&dialog] { dialog.OKBtn->click(); });
  form_->Print1Click();
  EXPECT_FALSE(progress.isVisible());
  EXPECT_TRUE(PdfText(pdf_).contains(QStringLiteral("PRINTED")));
  EXPECT_EQ(PS().PageHeight, 3508);
  EXPECT_EQ(PS().PrinterPPI, 318);
  // Letter again for whatever runs next in this process.
  ChoosePaperSoon(QStringLiteral("Letter"));
  form_->PrintSetup1Click();
  EXPECT_EQ(Printers().Printer().pageLayout().pageSize().id(), QPageSize::Letter);
}

}  // namespace
}  // namespace pm::test
