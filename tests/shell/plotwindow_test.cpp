// The plot window in the main window: File/Open of a plot file, the close
// question among the others, File/Save and Save as, the print selection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QRegularExpression>

#include "../plots/plotsamples.h"
#include "common/printstate.h"
#include "plots/plotfile.h"
#include "plots/ui/modplot.h"
#include "plots/ui/plotform.h"
#include "plots/ui/plothost.h"
#include "shell/ui/closequestions.h"
#include "shell/ui/editform.h"
#include "shell/ui/printdlg.h"
#include "shell/ui/printprogress.h"
#include "shell/ui/printjob.h"
#include "shell/runprogram.h"
#include "shellfixture.h"
#include "support/pdftext.h"
#include "support/standins.h"

namespace pm::test {
namespace {

const QString kSmallKpl = QStringLiteral(PELMARK_FIXTURES_DIR "/plots/small/small.KPL");

class PlotWindowTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    form_->resize(1000, 800);
    form_->show();
  }
  QString Path(const QString& name) const { return folder_ + QLatin1Char('/') + name; }
  QString PutPlot(const QString& name) {
    WriteBytes(Path(name), ReadBytes(kSmallKpl));
    return Path(name);
  }
  TPlotForm* NewPlot(const QString& caption) { return NewPlotWindow(SmallPlot(), caption); }
  PlotModel ReadPlot(const QString& path, QString* caption = nullptr) {
    QString c;
    PlotModel plot;
    EXPECT_EQ(OpenPlotFile(path, &c, &plot), PlotOpen::Opened);
    if (caption) *caption = c;
    return plot;
  }
};

TEST_F(PlotWindowTest, FileOpenShowsThePlotOnceInAWindowOfItsSize) {
  // A wide window first: the plot still opens wholly inside the main window.
  const QString notes = Path(QStringLiteral("notes.txt"));
  WriteBytes(notes, "notes\r\n");
  form_->ReadaFile(notes);
  Children().first()->setGeometry(0, 0, 900, 300);
  const QString path = PutPlot(QStringLiteral("small.KPL"));
  form_->ReadaFile(path);
  TPlotForm* plot = Only<TPlotForm>();
  ASSERT_TRUE(plot);
  QString caption;
  EXPECT_EQ(plot->Plot(), ReadPlot(path, &caption));
  EXPECT_EQ(plot->windowTitle(), caption);
  EXPECT_EQ(plot->PlotFileName(), path);
  EXPECT_EQ(KindOfChild(plot->SubWindow()), KindPlot);
  EXPECT_EQ(plot->SubWindow()->size(), QSize(500, 340));
  const QMargins frame = plot->SubWindow()->contentsMargins();
  EXPECT_EQ(plot->size(), QSize(500 - frame.left() - frame.right(), 340 - frame.top() - frame.bottom()));
  EXPECT_EQ(form_->ActiveChild, plot->SubWindow());
  EXPECT_TRUE(form_->MdiArea()->viewport()->rect().contains(plot->SubWindow()->geometry()));
  // A second open, under another spelling, shows the same window.
  form_->ReadaFile(path);
  form_->ReadaFile(folder_ + QStringLiteral("/./small.KPL"));
  EXPECT_EQ(Children().size(), 2);
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(PlotWindowTest, PlotModifyPlotActsOnTheActivePlotAsADoubleClickDoes) {
  TPlotForm* plot = NewPlot(QStringLiteral("Plot 1"));
  ASSERT_TRUE(plot);
  std::vector<TPlotForm*> asked;
  const auto installed = ModifyPlotDialog();
  ModifyPlotDialog() = [&](TPlotForm& shown) {
    asked.push_back(&shown);
    return ModifyPlotResult::DeleteWindow;
  };
  form_->SetActiveChild(plot->SubWindow());
  form_->ModifyPlot1Click();
  ModifyPlotDialog() = installed;
  EXPECT_EQ(asked, std::vector<TPlotForm*>{plot});
  // Deleting the last line closed the window without a question.
  EXPECT_TRUE(Children().isEmpty());
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(PlotWindowTest, TheHostNumbersPlotsAndNamesThePlotData) {
  PlotHost* host = GetPlotHost();
  ASSERT_EQ(host, &form_->Documents());
  EXPECT_EQ(host->NextPlotNumber(), 1);
  EXPECT_EQ(host->NextPlotNumber(), 2);
  EXPECT_EQ(form_->PlotCount, 2);
  form_->PltFileName = Path(QStringLiteral("sys.PLT"));
  EXPECT_EQ(host->PltFileName(), form_->PltFileName);
  TPlotForm* plot = NewPlot(QStringLiteral("Plot 2: from sys.PLT"));
  ASSERT_TRUE(plot);
  EXPECT_EQ(plot->windowTitle(), QStringLiteral("Plot 2: from sys.PLT"));
  EXPECT_EQ(plot->Plot(), SmallPlot());
  EXPECT_EQ(form_->ActiveChild, plot->SubWindow());
}

TEST_F(PlotWindowTest, YesSavesThePlotBeingClosedNotTheActiveWindow) {
  const QString notes = Path(QStringLiteral("notes.txt"));
  WriteBytes(notes, "notes\r\n");
  TPlotForm* plot = NewPlot(QStringLiteral("Plot 1: from sys.PLT"));
  ASSERT_TRUE(plot);
  QPointer<QMdiSubWindow> sub = plot->SubWindow();
  form_->ReadaFile(notes);
  ASSERT_NE(form_->ActiveChild, sub.data());
  // Cancel in the file dialog is a Cancel of the close.
  ui_.answer(ModalResult::Yes);
  EXPECT_FALSE(AskChildToClose(sub));
  ASSERT_TRUE(sub);
  EXPECT_EQ(ui_.texts().last(), QStringLiteral("This plot has been changed.  Save it?"));
  ASSERT_EQ(ui_.fileRequests().size(), 1u);
  EXPECT_EQ(ui_.fileRequests()[0].title, QStringLiteral("Saving window Plot 1: from sys.PLT"));
  EXPECT_EQ(ui_.fileRequests()[0].fileName, QStringLiteral("*.KPL"));
  // Yes and a name: this plot is written there and the window may close.
  const QString typed = Path(QStringLiteral("Kept.kpl"));
  ui_.answer(ModalResult::Yes);
  ui_.answerFile(typed);
  EXPECT_TRUE(AskChildToClose(sub));
  QString caption;
  EXPECT_EQ(ReadPlot(typed, &caption), SmallPlot());
  EXPECT_EQ(caption, typed);  // written under its new caption
  EXPECT_EQ(ReadBytes(notes), QByteArray("notes\r\n"));
  EXPECT_TRUE(CloseChildNow(sub, true));
  EXPECT_FALSE(sub);
  EXPECT_EQ(Children().size(), 1);
}

TEST_F(PlotWindowTest, ADeckOpenAsksEachPlotAndCancelChangesNothing) {
  const QString deck = Path(QStringLiteral("plant.dck"));
  WriteBytes(deck, "deck\r\n");
  QPointer<TPlotForm> first = NewPlot(QStringLiteral("Plot 1: from a"));
  QPointer<TPlotForm> second = NewPlot(QStringLiteral("Plot 2: from b"));
  ui_.answer(ModalResult::No);
  ui_.answer(ModalResult::Cancel);
  EXPECT_EQ(form_->Documents().ReadaFile(deck), OpenResult::Cancelled);
  EXPECT_EQ(ui_.messages().size(), 2u);
  EXPECT_TRUE(first && second);
  EXPECT_TRUE(form_->InputFileName.isEmpty());
  // No to both: the deck opens and the plots are gone.
  ui_.clear();
  ui_.answer(ModalResult::No);
  ui_.answer(ModalResult::No);
  EXPECT_EQ(form_->Documents().ReadaFile(deck), OpenResult::Opened);
  EXPECT_EQ(ui_.messages().size(), 2u);
  EXPECT_FALSE(first);
  EXPECT_FALSE(second);
}

TEST_F(PlotWindowTest, FileSaveWritesAPlotOnlyWhenItCouldBeLost) {
  const QString path = PutPlot(QStringLiteral("s.KPL"));
  form_->ReadaFile(path);
  TPlotForm* opened = Only<TPlotForm>();
  ASSERT_TRUE(opened);
  WriteBytes(path, "untouched");
  form_->Save1Click();
  EXPECT_EQ(ReadBytes(path), QByteArray("untouched"));
  opened->MarkChanged();
  form_->Save1Click();
  EXPECT_EQ(ReadBytes(path), ReadBytes(kSmallKpl));
  EXPECT_FALSE(opened->Modified());
  // A plot without a file asks for one.
  TPlotForm* fresh = NewPlot(QStringLiteral("Plot 2: from b"));
  const QString chosen = Path(QStringLiteral("fresh.KPL"));
  ui_.answerFile(chosen);
  form_->Save1Click();
  ASSERT_EQ(ui_.fileRequests().size(), 1u);
  EXPECT_EQ(ui_.fileRequests()[0].fileName, QStringLiteral("*.KPL"));
  EXPECT_EQ(fresh->PlotFileName(), chosen);
  EXPECT_EQ(fresh->windowTitle(), chosen);
  EXPECT_EQ(ReadPlot(chosen), SmallPlot());
}

TEST_F(PlotWindowTest, SaveAsStartsFromThePlotsOwnFile) {
  const QString data = Path(QStringLiteral("sys.PLT"));
  WriteBytes(data, "TIME T1\r\n");
  form_->PltFileName = data;
  const QString path = PutPlot(QStringLiteral("own.KPL"));
  form_->ReadaFile(path);
  TPlotForm* opened = Only<TPlotForm>();
  TPlotForm* fresh = NewPlot(QStringLiteral("Plot 1: from sys.PLT"));
  ASSERT_TRUE(opened && fresh);
  struct Case {
    TPlotForm* plot;
    QString start;
    QString typed;
  };
  const Case cases[] = {{opened, path, Path(QStringLiteral("Copy.kpl"))},
                        {fresh, QStringLiteral("*.KPL"), Path(QStringLiteral("new.KPL"))}};
  for (const Case& c : cases) {
    ui_.clear();
    form_->MdiArea()->setActiveSubWindow(c.plot->SubWindow());
    ui_.answerFile(c.typed);
    form_->Saveas1Click();
    ASSERT_EQ(ui_.fileRequests().size(), 1u);
    EXPECT_EQ(ui_.fileRequests()[0].fileName, c.start);
    EXPECT_EQ(ui_.fileRequests()[0].defaultSuffix, QStringLiteral("KPL"));
    EXPECT_EQ(c.plot->PlotFileName(), c.typed);
    EXPECT_EQ(c.plot->windowTitle(), c.typed);
    EXPECT_EQ(ReadPlot(c.typed), c.plot->Plot());
  }
  EXPECT_EQ(ReadBytes(data), QByteArray("TIME T1\r\n"));
  EXPECT_EQ(ReadBytes(path), ReadBytes(kSmallKpl));
  // A failed write keeps the name and the caption.
  ui_.clear();
  ui_.answerFile(Path(QStringLiteral("none/x.KPL")));
  form_->Saveas1Click();
  EXPECT_EQ(fresh->PlotFileName(), Path(QStringLiteral("new.KPL")));
  EXPECT_EQ(fresh->windowTitle(), Path(QStringLiteral("new.KPL")));
}

// Words of a PDF page with their boxes, in points.
struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;
};
std::vector<std::vector<Word>> PdfWords(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  process.waitForFinished(20000);
  const QString html = QString::fromUtf8(process.readAllStandardOutput());
  std::vector<std::vector<Word>> pages;
  static const QRegularExpression item(QStringLiteral(
      "<page|<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
  for (auto it = item.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (m.captured(0) == QLatin1String("<page")) {
      pages.emplace_back();
      continue;
    }
    if (pages.empty()) continue;
    pages.back().push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                            m.captured(3).toDouble(), m.captured(4).toDouble()});
  }
  return pages;
}

const Word* Find(const std::vector<Word>& words, const QString& text) {
  for (const Word& w : words) {
    if (w.text == text) return &w;
  }
  return nullptr;
}

TEST_F(PlotWindowTest, APlotPrintsBelowAnEditorOnTheSamePageAtItsScale) {
  const QString notes = Path(QStringLiteral("notes.txt"));
  WriteBytes(notes, "FIRSTLINE\r\nLASTLINE\r\n");
  form_->ReadaFile(notes);
  TPlotForm* plot = NewPlot(QStringLiteral("Plot 1: from sys.PLT"));
  ASSERT_TRUE(plot);
  QMdiSubWindow* editor = Children().first();
  const QString pdf = Path(QStringLiteral("job.pdf"));
  ScopedEnv print("PELMARK_PRINT_PDF", pdf.toLocal8Bit());
  ASSERT_TRUE(PrintWindows({editor, plot->SubWindow()}, form_.get(), nullptr));
  const auto pages = PdfWords(pdf);
  ASSERT_EQ(pages.size(), 1u);
  const Word* last = Find(pages[0], QStringLiteral("LASTLINE"));
  const Word* title = Find(pages[0], QStringLiteral("Plot"));
  // X numbers 2 and 8 lie 0.6 of the rectangle's width apart.
  const Word* low = Find(pages[0], QStringLiteral("2"));
  const Word* high = Find(pages[0], QStringLiteral("8"));
  ASSERT_TRUE(last && title && low && high);
  EXPECT_GT(title->yMin, last->yMax);
  EXPECT_GT(low->yMin, title->yMax);
  // 180 of the rectangle's 300 pixels at the window's scale, in points.
  const long double scale = PlotPrintScale(PS().PageWidth, PS().PageHeight, false, plot->viewport()->size(),
                                           LayoutPlot(plot->Plot(), plot->Bounds()));
  const double expected = static_cast<double>(180 * scale * 72 / 300);
  const double got = (high->xMin + high->xMax) / 2 - (low->xMin + low->xMax) / 2;
  EXPECT_NEAR(got, expected, 1.0);
  // The whole drawing stays on the page.
  for (const Word& w : pages[0]) EXPECT_LE(w.xMax, 612.0) << w.text.toStdString();
}

TEST_F(PlotWindowTest, ACloseButtonIsRefusedDuringAProgramWait) {
  TPlotForm* plot = NewPlot(QStringLiteral("Plot 1: from a"));
  ASSERT_TRUE(plot);
  const QString engineDeck = Path(QStringLiteral("run.dck"));
  WriteBytes(engineDeck, "* deck\r\n");
  G().ProgramFolder = BinDir();
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "300");
  bool closed = true;
  LocalTimer timer(50, [&] { closed = plot->SubWindow()->close(); });
  ui_.clear();
  EXPECT_TRUE(RunProgramOK(BinDir() + QStringLiteral("/Zantor \"") + engineDeck + QLatin1Char('"'), form_->Runs));
  EXPECT_FALSE(closed);
  EXPECT_EQ(Only<TPlotForm>(), plot);
  EXPECT_TRUE(ui_.messages().empty());
  EXPECT_EQ(ui_.beeps(), 1);
}

// Deleting the only line in Modify Plot closes the plot without a question;
// the main window goes on: another window is active and File/Print works.
TEST_F(PlotWindowTest, DeletingAPlotsOnlyLineClosesItAndTheMainWindowGoesOn) {
  ModifyPlotDialog() = ModifyPlotWindow;
  const QString notes = Path(QStringLiteral("notes.txt"));
  WriteBytes(notes, "STILLHERE\r\n");
  form_->ReadaFile(notes);
  QMdiSubWindow* editor = Children().first();
  TPlotForm* plot = NewPlot(QStringLiteral("Plot 1: from small.PLT"));
  ASSERT_TRUE(plot);
  QPointer<TPlotForm> guard(plot);
  ui_.clear();
  QTimer::singleShot(0, [] {
    if (auto* d = dynamic_cast<TModPlot*>(QApplication::activeModalWidget())) d->Delete->click();
  });
  QWidget* view = plot->viewport();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                            QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(200, 100), QPointF(view->mapToGlobal(QPoint(200, 100))), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(view, &event);
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(guard);
  EXPECT_EQ(Only<TPlotForm>(), nullptr);
  EXPECT_TRUE(ui_.messages().empty());

  form_->MdiArea()->setActiveSubWindow(editor);
  EXPECT_EQ(form_->ActiveChild, editor);
  TPrintDlg dialog(form_.get());
  TPrintProgress progress;
  form_->PrintDlg = &dialog;
  form_->PrintProgress = &progress;
  const QString pdf = Path(QStringLiteral("after.pdf"));
  ScopedEnv print("PELMARK_PRINT_PDF", pdf.toLocal8Bit());
  QTimer::singleShot(0, [&dialog] { dialog.OKBtn->click(); });
  form_->Print1Click();
  form_->PrintDlg = nullptr;
  form_->PrintProgress = nullptr;
  EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("STILLHERE")));
  EXPECT_TRUE(ui_.messages().empty());
}

// Plot/Modify Plot from the main window: the dialog over the active plot;
// deleting the only line closes the window without a question.
TEST_F(PlotWindowTest, ModifyPlotFromTheMenuEditsTheActivePlotAndDeletesIt) {
  ModifyPlotDialog() = ModifyPlotWindow;
  TPlotForm* plot = NewPlot(QStringLiteral("Plot 1: from small.PLT"));
  ASSERT_TRUE(plot);
  ASSERT_EQ(form_->ActiveChild, plot->SubWindow());
  QPointer<TPlotForm> guard(plot);
  ui_.clear();
  QTimer::singleShot(0, [] {
    if (auto* d = dynamic_cast<TModPlot*>(QApplication::activeModalWidget())) {
      d->TicksVX->setText(QStringLiteral("10"));
      d->OKBtn->click();
    }
  });
  form_->ModifyPlot1Click();
  ASSERT_TRUE(guard);
  EXPECT_EQ(plot->Plot().Settings.XTicks, 10);
  EXPECT_TRUE(plot->Modified());

  QTimer::singleShot(0, [] {
    if (auto* d = dynamic_cast<TModPlot*>(QApplication::activeModalWidget())) d->Delete->click();
  });
  form_->ModifyPlot1Click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(guard);
  EXPECT_TRUE(Children().isEmpty());
  EXPECT_TRUE(ui_.messages().empty());
}

}  // namespace
}  // namespace pm::test
