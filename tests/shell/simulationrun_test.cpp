// Calculate/Run Single Simulation and Calculate Building Loads through the
// real main window, form window and text editor, with the stand-in engine.
#include "shell/ui/simulationrun.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QComboBox>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "common/globals.h"
#include "common/settings.h"
#include "formdeck/ui/plenzoform.h"
#include "plots/ui/plotform.h"
#include "plots/ui/plotsetup.h"
#include "shell/ui/editform.h"
#include "shell/ui/resultswindow.h"
#include "shell/ui/viewform.h"
#include "shell/ui/windowhelpers.h"
#include "shellfixture.h"
#include "support/standins.h"

namespace pm::test {
namespace {

// A plot window whose own close question is answered Cancel.
class KeptPlot final : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

class SimulationRunTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    DefaultSettings().EngineFolder = BinDir();
    form_->ShowResultsReport = [this] { ++reports_; };
  }

  QString Path(const QString& name) const { return folder_ + QLatin1Char('/') + name; }
  QString Path(const char* name) const { return Path(QLatin1String(name)); }

  // Opens a file and makes its window the active child.
  template <typename W>
  W* OpenActive(const QString& path, const QByteArray& text) {
    WriteBytes(path, text);
    form_->ReadaFile(path);
    W* window = Only<W>();
    if (window) form_->SetActiveChild(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
    return window;
  }

  QStringList Starts() const { return TraceStarts(trace_); }
  QStringList Folders() const { return TraceFolders(trace_); }
  bool Exists(const char* name) const { return QFile::exists(Path(name)); }

  QString trace_ = QDir::tempPath() + QStringLiteral("/pelmark-run-trace-") +
                   QString::number(QCoreApplication::applicationPid()) + QStringLiteral(".txt");
  ScopedEnv traceEnv_{"ZANTOR_TRACE", QFile::encodeName(trace_)};
  int reports_ = 0;

  void TearDown() override {
    QFile::remove(trace_);
    ProgramFolderTest::TearDown();
  }
};

// A form deck whose BEFORE command copies the run deck aside and whose AFTER
// command is a second engine start, so the trace shows the order.
QByteArray FormDeck() {
  return QByteArray(
             "*PLENZO\r\n"
             "**FILE run.dck\r\n"
             "*|<BEFORE> cp run.dck seen.dck\r\n"
             "*|<AFTER> ") +
         QFile::encodeName(ZantorPath()) +
         QByteArray(
             " after.dck\r\n"
             "CONSTANTS 1\r\n"
             "TANK = 2.5\r\n"
             "*|Storage tank volume|m3|gal|0|264.172|0.1|100.0|12\r\n"
             "*#2 optimization only\r\n"
             "MAXIT = 50\r\n"
             "*#3\r\n"
             "**|INCLUDE plant.dck\r\n");
}

TEST_F(SimulationRunTest, AWholeRunFromTheFormPages) {
  TPlenzoForm* plenzo = OpenActive<TPlenzoForm>(Path("plant.pzd"), FormDeck());
  ASSERT_NE(plenzo, nullptr);
  plenzo->ShowTab(1);
  form_->SetActiveChild(plenzo->SubWindow());
  ASSERT_EQ(KindOfChild(plenzo->SubWindow()), KindFormPages);
  plenzo->Model().Changed = true;
  form_->Item(QStringLiteral("HideQuorvel1"))->setChecked(true);
  WriteBytes(Path("run-RESULTS.TXT"), "old\r\n1 2 3\r\n");

  form_->SpecificSystemClick();

  EXPECT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  // Saved without a question: the form's values written back.
  EXPECT_TRUE(ReadBytes(Path("plant.pzd")).contains("TANK = 2.5000000000000E+00\r\n"));
  EXPECT_FALSE(plenzo->DCKChanged());
  EXPECT_EQ(ReadBytes(Path("~temp.pzd")), ReadBytes(Path("plant.pzd")));  // the restore point follows
  // The run deck as the BEFORE command saw it.
  const QByteArray seen = ReadBytes(Path("seen.dck"));
  EXPECT_TRUE(seen.startsWith("*PLENZO\r\n**FILE run.dck\r\n")) << seen.toStdString();
  EXPECT_TRUE(seen.endsWith("**#2 optimization only\r\n*MAXIT = 50\r\n*#3\r\nINCLUDE GHP.dck\r\n"))
      << seen.toStdString();
  // The engine on the absolute run deck, hidden, then the AFTER command,
  // all in the deck's folder.
  EXPECT_EQ(Starts(), (QStringList{Path("run.dck") + QStringLiteral(" /H"), QStringLiteral("after.dck")}));
  EXPECT_EQ(Folders(), (QStringList{folder_, folder_}));
  // The run deck, its listing and its log are gone; the rest stays.
  EXPECT_FALSE(Exists("run.dck"));
  EXPECT_FALSE(Exists("run.LST"));
  EXPECT_FALSE(Exists("run.LOG"));
  EXPECT_TRUE(Exists("run.PLT"));
  EXPECT_TRUE(Exists("warnings.dat"));
  EXPECT_TRUE(ReadBytes(Path("run-RESULTS.TXT")).startsWith("Zantor stand-in results"));
  EXPECT_EQ(form_->RunTarget, Path("run.dck"));
  EXPECT_EQ(form_->RunFolder, folder_);
  EXPECT_FALSE(form_->OptimizationMode);
  EXPECT_EQ(form_->PltFileName, Path("run.PLT"));
  EXPECT_EQ(reports_, 1);
  EXPECT_FALSE(RunBusy(form_->Runs));
}

// The engine's plot data of a run, plotted by New Plot and extended by
// Overlay Plot through Plot Setup.
TEST_F(SimulationRunTest, ARunsPlotDataMakeANewPlot) {
  TPlenzoForm* plenzo = OpenActive<TPlenzoForm>(Path("plant.pzd"), FormDeck());
  ASSERT_NE(plenzo, nullptr);
  form_->SetActiveChild(plenzo->SubWindow());
  WriteBytes(Path("a.PLT"), "X Y\r\n1 2\r\n");
  form_->SpecificSystemClick();
  ASSERT_EQ(form_->PltFileName, Path("run.PLT"));

  TPlotSetup setup;
  form_->AttachPlotSetup(&setup);
  // Drives the modal dialog once it shows: TIME against the columns given.
  const auto answer = [&setup](std::vector<int> ys, QStringList* seen) {
    QTimer::singleShot(0, &setup, [&setup, ys, seen] {
      *seen << setup.PlotFileList->currentText();
      QStringList names;
      QStringList units;
      for (const PlotDataColumn& c : setup.Data.Columns) {
        names << QString::fromStdString(c.Name);
        units << QString::fromStdString(c.Unit);
      }
      *seen << names.join(QLatin1Char(' ')) << units.join(QLatin1Char(' ')) << QString::number(setup.Data.RowCount);
      setup.ListBoxY->clearSelection();
      for (int y : ys) setup.ListBoxY->item(y)->setSelected(true);
      setup.OKBtn->click();
    });
  };
  QStringList seen;
  answer({3, 4}, &seen);
  form_->NewPlot1Click();
  EXPECT_EQ(seen, (QStringList{QStringLiteral("run.PLT"), QStringLiteral("TIME TAMB LOAD TIN TOUT"),
                               QStringLiteral("h C kW C C"), QStringLiteral("8760")}));
  // A plot window of the two lines, numbered by the main window.
  TPlotForm* window = Only<TPlotForm>();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Plot 1: from run.PLT"));
  EXPECT_EQ(form_->PlotCount, 1);
  const PlotModel& plot = window->Plot();
  EXPECT_EQ(plot.Settings.LineCount, 2);
  EXPECT_EQ(plot.Settings.XTitle.Shown(), QStringLiteral("TIME h"));
  EXPECT_EQ(plot.Settings.Lines[2].YName.Shown(), QStringLiteral("TOUT"));
  EXPECT_EQ(plot.Points[1].X.size(), 8760u);
  EXPECT_EQ(plot.Points[2].Y.size(), 8760u);

  seen.clear();
  answer({1}, &seen);
  form_->OverlayPlot1Click();
  ASSERT_FALSE(seen.isEmpty());
  EXPECT_EQ(seen.first(), QStringLiteral("run.PLT"));
  EXPECT_EQ(Only<TPlotForm>(), window);
  EXPECT_EQ(plot.Settings.LineCount, 3);
  EXPECT_EQ(plot.Settings.Lines[3].YName.Shown(), QStringLiteral("TAMB"));
  EXPECT_EQ(form_->PlotCount, 1);
}

// Both runs close an open report first: form pages that were active stay
// the input; a report in front leaves a window behind it as the input.
TEST_F(SimulationRunTest, AnOpenReportClosesBeforeTheRunAndTheInputStays) {
  QDir::setCurrent(folder_);
  WriteBytes(Path("Output_Conv.rtf"), "{\\rtf1 %%OResults}");
  TPlenzoForm* plenzo = OpenActive<TPlenzoForm>(Path("plant.pzd"), FormDeck());
  ASSERT_NE(plenzo, nullptr);
  plenzo->ShowTab(1);
  form_->SetActiveChild(plenzo->SubWindow());
  CloseReportBeforeRun(*form_);  // none open: nothing to do
  EXPECT_EQ(form_->CurrentChild(), plenzo->SubWindow());

  ShowResultsReport(*form_);
  ASSERT_TRUE(form_->ResultsViewer);
  form_->SetActiveChild(plenzo->SubWindow());
  CloseReportBeforeRun(*form_);
  EXPECT_FALSE(form_->ResultsViewer);
  EXPECT_EQ(form_->CurrentChild(), plenzo->SubWindow());

  TEditForm* editor = OpenActive<TEditForm>(Path("plain.dck"), "**FILE run.dck\r\nA = 1\r\n");
  ASSERT_NE(editor, nullptr);
  ShowResultsReport(*form_);
  ASSERT_TRUE(form_->ResultsViewer);
  form_->SetActiveChild(qobject_cast<QMdiSubWindow*>(form_->ResultsViewer.data()));
  form_->SpecificSystemClick();
  EXPECT_FALSE(form_->ResultsViewer);
  ASSERT_FALSE(Starts().isEmpty());
  EXPECT_EQ(Starts().first(), Path("run.dck"));
}

TEST_F(SimulationRunTest, AFocusedInputThatFailsItsCheckStopsTheRun) {
  TPlenzoForm* plenzo = OpenActive<TPlenzoForm>(Path("plant.pzd"), FormDeck());
  ASSERT_NE(plenzo, nullptr);
  plenzo->ShowTab(1);
  form_->SetActiveChild(plenzo->SubWindow());
  QLineEdit* input = plenzo->findChild<QLineEdit*>();
  ASSERT_NE(input, nullptr);
  form_->show();
  input->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form_->focusWidget() == input; }));
  input->setText(QStringLiteral("abc"));
  // A menu item leaves the focus where it is: the typed text is checked.
  form_->SpecificSystemClick();
  EXPECT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ReadBytes(Path("plant.pzd")), FormDeck());
  EXPECT_FALSE(Exists("run.dck"));
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_EQ(reports_, 0);
}

TEST_F(SimulationRunTest, TheSourceViewSavesItsTextBeforeTheRun) {
  TPlenzoForm* plenzo = OpenActive<TPlenzoForm>(Path("plant.pzd"), FormDeck());
  ASSERT_NE(plenzo, nullptr);
  ASSERT_EQ(KindOfChild(plenzo->SubWindow()), KindFormSource);
  plenzo->Editor()->appendPlainText(QStringLiteral("* added in the Source"));
  ASSERT_FALSE(plenzo->SourceSaved);

  form_->SpecificSystemClick();

  EXPECT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(ReadBytes(Path("plant.pzd")).endsWith("* added in the Source\r\n"));
  EXPECT_TRUE(ReadBytes(Path("seen.dck")).endsWith("* added in the Source\r\n"));
  EXPECT_TRUE(plenzo->SourceSaved);
  EXPECT_EQ(Starts(), (QStringList{Path("run.dck"), QStringLiteral("after.dck")}));
  EXPECT_EQ(reports_, 1);
}

TEST_F(SimulationRunTest, ACommandOfFourCharactersIsNotRun) {
  ASSERT_NE(OpenActive<TPlenzoForm>(Path("plant.pzd"), "*PLENZO\r\n**FILE run.dck\r\n*|<BEFORE> abcd\r\n"
                                                         "*|<AFTER> efgh\r\nA = 1\r\n"),
            nullptr);
  form_->SpecificSystemClick();
  EXPECT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(Starts(), QStringList{Path("run.dck")});
  EXPECT_EQ(reports_, 1);
}

TEST_F(SimulationRunTest, ATextEditorDeckIsSavedAndRunWithoutTheFormCommands) {
  TEditForm* editor = OpenActive<TEditForm>(Path("plain.dck"), "**FILE out/run.dck\r\nA = 1\r\n");
  ASSERT_NE(editor, nullptr);
  QDir(folder_).mkdir(QStringLiteral("out"));
  editor->Editor()->appendPlainText(QStringLiteral("B = 2"));

  form_->SpecificSystemClick();

  EXPECT_EQ(ReadBytes(Path("plain.dck")), QByteArray("**FILE out/run.dck\r\nA = 1\r\nB = 2\r\n"));
  EXPECT_FALSE(editor->Modified());
  EXPECT_EQ(Starts(), QStringList{Path("out/run.dck")});
  EXPECT_FALSE(Exists("out/run.dck"));
  EXPECT_EQ(form_->RunTarget, Path("out/run.dck"));
  EXPECT_EQ(reports_, 1);
}

TEST_F(SimulationRunTest, RefusedDecksStopBeforeAnythingRuns) {
  const struct {
    QByteArray deck;
    QString message;
  } cases[] = {
      {"A = 1\r\n", QStringLiteral("File ") + Path("plain.dck") +
                        QStringLiteral(" has no **FILE line naming the run deck.")},
      {"**FILE PLAIN.DCK\r\nA = 1\r\n",
       QStringLiteral("The run deck named in the **FILE line is the input deck itself.")},
      {"**FILE C:\\Quorvel\\run.dck\r\nA = 1\r\n",
       QStringLiteral("Error 2 was encountered while trying to write file /Quorvel/run.dck")},
  };
  for (const auto& c : cases) {
    ui_.clear();
    form_->MdiArea()->closeAllSubWindows();
    ASSERT_NE(OpenActive<TEditForm>(Path("plain.dck"), c.deck), nullptr);
    form_->RunTarget = QStringLiteral("/before/GHX_RUN.DCK");
    form_->SpecificSystemClick();
    ASSERT_EQ(ui_.messages().size(), 1u) << c.deck.toStdString();
    EXPECT_EQ(ui_.messages()[0].text, c.message);
    EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(ui_.messages()[0].beepBefore);
    EXPECT_EQ(ReadBytes(Path("plain.dck")), c.deck);
    EXPECT_EQ(form_->RunTarget, QStringLiteral("/before/GHX_RUN.DCK"));
  }
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_EQ(reports_, 0);
}

TEST_F(SimulationRunTest, AFailedSaveStopsTheRun) {
  TEditForm* editor = OpenActive<TEditForm>(Path("plain.dck"), "**FILE run.dck\r\nA = 1\r\n");
  ASSERT_NE(editor, nullptr);
  editor->SetFileName(Path("gone/plain.dck"));
  editor->Editor()->appendPlainText(QStringLiteral("B = 2"));
  form_->SpecificSystemClick();
  EXPECT_EQ(ui_.texts(),
            QStringList{QStringLiteral("Error 2 was encountered while trying to write file ") + Path("gone/plain.dck")});
  EXPECT_TRUE(editor->Modified());
  EXPECT_FALSE(Exists("run.dck"));
  EXPECT_TRUE(Starts().isEmpty());
}

TEST_F(SimulationRunTest, AMissingEngineAsksForItsFolder) {
  DefaultSettings().EngineFolder = Path("nothing here");
  ASSERT_NE(OpenActive<TEditForm>(Path("plain.dck"), "**FILE run.dck\r\nA = 1\r\n"), nullptr);
  // Cancelled: the run ends with its run deck left on disk.
  form_->SpecificSystemClick();
  EXPECT_TRUE(Exists("run.dck"));
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_EQ(reports_, 0);
  EXPECT_EQ(DefaultSettings().EngineFolder, folder_);  // the program folder, tried first

  ui_.answerFolder(BinDir() + QLatin1Char('/'));
  form_->SpecificSystemClick();
  EXPECT_EQ(DefaultSettings().EngineFolder, BinDir());
  EXPECT_EQ(Starts(), QStringList{Path("run.dck")});
  EXPECT_FALSE(Exists("run.dck"));
  EXPECT_EQ(reports_, 1);
  EXPECT_TRUE(ui_.texts().isEmpty());
}

TEST_F(SimulationRunTest, AnEngineThatCrashesLeavesNoOldResults) {
  ASSERT_NE(OpenActive<TEditForm>(Path("plain.dck"), "**FILE run.dck\r\nA = 1\r\n"), nullptr);
  WriteBytes(Path("run-RESULTS.TXT"), "old\r\n1 2 3\r\n");
  ScopedEnv crash("ZANTOR_CRASH", "1");
  form_->SpecificSystemClick();
  EXPECT_FALSE(Exists("run-RESULTS.TXT"));
  EXPECT_FALSE(Exists("run.dck"));
  EXPECT_EQ(Starts(), QStringList{Path("run.dck")});
  EXPECT_EQ(reports_, 1);  // the report then shows empty values
}

// After a good run the engine dies: the user is told, and the report shows
// neither the old numbers nor the old warning.
TEST_F(SimulationRunTest, AFailedRunAfterAGoodOneSaysSoAndShowsNothingOld) {
  form_->ShowResultsReport = [this] { ShowResultsReport(*form_); };
  WriteBytes(Path("Output_Conv.rtf"), "{\\rtf1 Supply %%60|\\par %%W|}");
  ASSERT_NE(OpenActive<TEditForm>(Path("plain.dck"), "**FILE run.dck\r\nA = 1\r\n"), nullptr);
  const auto reportText = [this] {
    const auto* sub = qobject_cast<QMdiSubWindow*>(form_->ResultsViewer.data());
    const auto* view = sub ? qobject_cast<TViewForm*>(sub->widget()) : nullptr;
    return view ? view->Viewer()->document()->toPlainText() : QStringLiteral("no report");
  };
  form_->SpecificSystemClick();
  EXPECT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(reportText().startsWith(QStringLiteral("Supply 37.5|\nEntering fluid temperature below 5 C")))
      << reportText().toStdString();
  form_->SetActiveChild(qobject_cast<QMdiSubWindow*>(Only<TEditForm>()->parentWidget()));

  ScopedEnv crash("ZANTOR_CRASH", "1");
  form_->SpecificSystemClick();
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].text,
            QStringLiteral("The engine wrote no results: ") + Path("run-RESULTS.TXT") + QStringLiteral(" was not found."));
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
  EXPECT_EQ(ui_.beeps(), 1);
  EXPECT_FALSE(Exists("warnings.dat"));
  EXPECT_EQ(reportText(), QStringLiteral("Supply |\n|"));
}

TEST_F(SimulationRunTest, APlotThatRefusesToCloseCancelsTheRunBeforeAnythingIsWritten) {
  TEditForm* editor = OpenActive<TEditForm>(Path("plain.dck"), "**FILE run.dck\r\nA = 1\r\n");
  ASSERT_NE(editor, nullptr);
  editor->Editor()->appendPlainText(QStringLiteral("B = 2"));
  auto* plot = new KeptPlot;
  SetChildKind(plot, KindPlot);
  form_->MdiArea()->addSubWindow(plot)->show();
  form_->SetActiveChild(editor->SubWindow());

  form_->SpecificSystemClick();
  EXPECT_TRUE(editor->Modified());
  EXPECT_EQ(ReadBytes(Path("plain.dck")), QByteArray("**FILE run.dck\r\nA = 1\r\n"));
  EXPECT_FALSE(Exists("run.dck"));
  EXPECT_TRUE(Starts().isEmpty());
}

TEST_F(SimulationRunTest, WithoutAnInputWindowTheOpenDialogComes) {
  form_->SpecificSystemClick();
  EXPECT_EQ(ui_.fileRequests().size(), 1u);
  AddChild(KindResultsReport);
  form_->SetActiveChild(form_->MdiArea()->subWindowList().first());
  form_->Calculate1Click();
  EXPECT_EQ(ui_.fileRequests().size(), 2u);
  EXPECT_TRUE(Starts().isEmpty());
}

TEST_F(SimulationRunTest, BuildingLoadsRunItsOwnDeckAndShowNoReport) {
  ASSERT_NE(OpenActive<TEditForm>(Path("sys.v1.dck"),
                                  "**FILE run.dck\r\n  **|INCLUDE plant.dck\r\n*#2\r\nA = 1\r\n"),
            nullptr);
  form_->RunTarget = Path("earlier.dck");
  WriteBytes(Path("earlier-RESULTS.TXT"), "1\r\n");
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "300");
  // The deck as the engine got it, copied aside while it runs.
  test::LocalTimer copy(25, [this] { QFile::copy(Path("sys.v1_BL.dck"), Path("seen.dck")); });
  form_->Calculate1Click();
  EXPECT_EQ(ReadBytes(Path("seen.dck")), QByteArray("**FILE run.dck\r\nINCLUDE BL.dck\r\n*#2\r\nA = 1\r\n"));
  EXPECT_EQ(Starts(), QStringList{Path("sys.v1_BL.dck")});
  EXPECT_FALSE(Exists("sys.v1_BL.dck"));
  EXPECT_FALSE(Exists("sys.v1_BL.LST"));
  EXPECT_FALSE(Exists("sys.v1_BL.LOG"));
  EXPECT_TRUE(Exists("earlier-RESULTS.TXT"));
  EXPECT_EQ(form_->RunTarget, Path("earlier.dck"));
  EXPECT_EQ(reports_, 0);
  EXPECT_TRUE(ui_.texts().isEmpty());
}

TEST_F(SimulationRunTest, ExitDuringTheEngineEndsTheRunThere) {
  TPlenzoForm* plenzo = OpenActive<TPlenzoForm>(Path("plant.pzd"), FormDeck());
  ASSERT_NE(plenzo, nullptr);
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "3000");
  test::LocalTimer exit(300, [this] {
    // A second run during the wait does nothing.
    form_->SpecificSystemClick();
    ui_.answer(ModalResult::Yes);
    form_->close();
  });
  form_->SpecificSystemClick();
  EXPECT_EQ(Starts(), QStringList{Path("run.dck")});  // no second run, no AFTER command
  EXPECT_TRUE(Exists("run.dck"));                      // no clean-up
  EXPECT_EQ(reports_, 0);
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("A program is still running. Stop it and exit?")});
}

}  // namespace
}  // namespace pm::test
