// Calculate/Run Optimization through the real main window and form window,
// with the stand-in optimizer, Optavin and the stand-in engine.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "common/globals.h"
#include "common/settings.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/editform.h"
#include "shell/ui/windowhelpers.h"
#include "shellfixture.h"
#include "support/standins.h"

namespace pm::test {
namespace {

// The program folder holds Optavin, the optimizer and the optimizer command
// files, and beside them "Quorvel" with the engine and the final deck. The
// program folder is the current folder too.
class OptimizationRunTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    ASSERT_TRUE(QDir(folder_).mkdir(QStringLiteral("Quorvel")));
    ASSERT_TRUE(QFile::link(OptavinPath(), Path("optavin")));
    ASSERT_TRUE(QFile::link(OptimizerPath(), Path("Optimizer")));
    ASSERT_TRUE(QFile::link(ZantorPath(), Path("Quorvel/Zantor")));
    WriteBytes(Path("Quorvel/Pelmark_ghx2.pzd"), "* final run\r\nINCLUDE optVars.dck\r\n");
    WriteBytes(Path("Optimize_GHX.dat"), "Optimizer 4 Quorvel\\Pelmark_ghx1.dck FLOW=1.2 TSET=21\r\n");
    WriteBytes(Path("Optimize_Hybrid.dat"), "Optimizer 6 Quorvel\\Pelmark_hybre1.dck FLOW=2\r\n");
    QDir::setCurrent(folder_);
    Begin();
    form_->ShowResultsReport = [this] { ++reports_; };
  }
  void TearDown() override {
    QFile::remove(trace_);
    ProgramFolderTest::TearDown();
  }

  QString Path(const char* name) const { return folder_ + QLatin1Char('/') + QLatin1String(name); }
  bool Exists(const char* name) const { return QFile::exists(Path(name)); }

  // Opens a deck in a form window and makes it the active child.
  TPlenzoForm* OpenForm(const QByteArray& text) {
    WriteBytes(Path("plant.pzd"), text);
    form_->ReadaFile(Path("plant.pzd"));
    for (QMdiSubWindow* child : form_->MdiArea()->subWindowList()) {
      if (auto* w = qobject_cast<TPlenzoForm*>(child->widget())) {
        w->ShowTab(1);
        form_->SetActiveChild(w->SubWindow());
        return KindOfChild(w->SubWindow()) == KindFormPages ? w : nullptr;
      }
    }
    return nullptr;
  }

  // Each program start the stand-ins recorded: "optimizer" or "engine" and
  // the arguments, the program folder written as ".".
  QStringList Starts() const {
    QStringList starts;
    for (const QByteArray& line : ReadBytes(trace_).split('\n')) {
      if (line == "optimizer") starts << QStringLiteral("optimizer");
      if (line.startsWith("pid ")) starts << QStringLiteral("engine");
      if (line.startsWith("arg ") && !starts.isEmpty())
        starts.last() +=
            QLatin1Char(' ') + QString::fromUtf8(line.mid(4)).replace(folder_, QStringLiteral("."));
    }
    return starts;
  }

  QString trace_ = QDir::tempPath() + QStringLiteral("/pelmark-optimization-trace-") +
                   QString::number(QCoreApplication::applicationPid()) + QStringLiteral(".txt");
  ScopedEnv engineTrace_{"ZANTOR_TRACE", QFile::encodeName(trace_)};
  ScopedEnv optimizerTrace_{"OPTIMIZER_TRACE", QFile::encodeName(trace_)};
  int reports_ = 0;
};

QByteArray FormDeck(const QByteArray& fileLine = "**FILE Quorvel\\Pelmark_ghx1.dck") {
  return "*PLENZO\r\n" + fileLine +
         "\r\n"
         "CONSTANTS 1\r\n"
         "FLOW = 1.2\r\n"
         "*|Loop flow rate|kg/s|lb/h|0|7936.6|0|10|13\r\n"
         "*#1 single run only\r\n"
         "MODE = 1\r\n"
         "*#2 optimization only\r\n"
         "INCLUDE optVars.dck\r\n"
         "*#3\r\n";
}

TEST_F(OptimizationRunTest, AWholeOptimizationEndsInItsReport) {
  TPlenzoForm* plenzo = OpenForm(FormDeck());
  ASSERT_NE(plenzo, nullptr);
  plenzo->Model().Changed = true;
  WriteBytes(Path("Quorvel/Pelmark_ghx2-RESULTS.TXT"), "old results\r\n");

  form_->ExecuteCommand1Click();

  EXPECT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  // Saved without a question.
  EXPECT_TRUE(ReadBytes(Path("plant.pzd")).contains("FLOW = 1.2000000000000E+00\r\n"))
      << ReadBytes(Path("plant.pzd")).toStdString();
  EXPECT_FALSE(plenzo->DCKChanged());
  // The optimizer, its engine runs on the run deck, then Optavin's final run.
  const QString runDeck = QStringLiteral(" Quorvel\\Pelmark_ghx1.dck");
  const QString evaluation = QStringLiteral("engine Quorvel/Pelmark_ghx1.dck /h");
  EXPECT_EQ(Starts(),
            (QStringList{QStringLiteral("optimizer 4") + runDeck + QStringLiteral(" FLOW=1.2 TSET=21"),
                         evaluation, evaluation, evaluation, evaluation,
                         QStringLiteral("engine ./Quorvel/Pelmark_ghx2.pzd /h /n")}));
  // The run deck comments out the "*#1" block; the optimizer's engine runs
  // listed it before it was deleted.
  EXPECT_FALSE(Exists("Quorvel/Pelmark_ghx1.dck"));
  const QByteArray listing = ReadBytes(Path("Quorvel/Pelmark_ghx1.LST"));
  EXPECT_TRUE(listing.contains("  **#1 single run only\r\n")) << listing.toStdString();
  EXPECT_TRUE(listing.contains("  *MODE = 1\r\n"));
  EXPECT_TRUE(listing.contains("  *#2 optimization only\r\n"));
  EXPECT_TRUE(listing.contains("  INCLUDE optVars.dck\r\n"));
  // Optavin wrote the best values back for the final run, which left new results.
  EXPECT_EQ(ReadBytes(Path("optVars.dck")), QByteArray("******************************\r\n* Device  4\r\n"
                                                       "******************************\r\nEQUATIONS 2\r\n"
                                                       "FLOW =                    2.44\r\n"
                                                       "TSET =                   26.20\r\n"));
  const QByteArray results = ReadBytes(Path("Quorvel/Pelmark_ghx2-RESULTS.TXT"));
  EXPECT_TRUE(results.startsWith("Zantor stand-in results"));
  // The final run took the optimum from the included variable file.
  const QList<QByteArray> numbers = results.trimmed().split('\n').last().trimmed().split(' ');
  ASSERT_EQ(numbers.size(), 100);
  EXPECT_EQ(numbers.mid(60, 2), (QList<QByteArray>{"2.44", "26.2"}));
  EXPECT_TRUE(form_->OptimizationMode);
  EXPECT_EQ(form_->RunTarget, Path("Quorvel/Pelmark_ghx1.dck"));
  EXPECT_EQ(form_->RunFolder, folder_);
  EXPECT_EQ(reports_, 1);
  EXPECT_FALSE(RunBusy(form_->Runs));
}

TEST_F(OptimizationRunTest, OptavinFailingShowsItsStatusAndNoReport) {
  // An "optimizer" that leaves no variable file.
  WriteBytes(Path("Optimize_GHX.dat"), QFile::encodeName(ZantorPath()) + " Quorvel\\Pelmark_ghx1.dck\r\n");
  WriteBytes(Path("Quorvel/Pelmark_ghx2-RESULTS.TXT"), "old results\r\n");
  ASSERT_NE(OpenForm(FormDeck()), nullptr);

  form_->ExecuteCommand1Click();

  // Optavin's own last line of error output says why.
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral(
                             "Optavin ended with exit status 1; the optimization's report is not shown.\n"
                             "Optavin: cannot open optVars.dck: No such file or directory")});
  EXPECT_EQ(ui_.messages().front().icon, MessageIcon::Error);
  EXPECT_EQ(Starts(), QStringList{QStringLiteral("engine Quorvel\\Pelmark_ghx1.dck")});
  EXPECT_FALSE(Exists("Quorvel/Pelmark_ghx1.dck"));
  EXPECT_FALSE(Exists("Quorvel/Pelmark_ghx2-RESULTS.TXT")) << "the last optimization's results are gone";
  EXPECT_EQ(reports_, 0);
}

TEST_F(OptimizationRunTest, ADamagedVariableFileIsNamedWithItsLine) {
  // An "optimizer" that leaves a variable file Optavin cannot read.
  WriteBytes(Path("damaged.dck"), "***\r\n* Device  4\r\n***\r\nEQUATIONS 2\r\nFLOW = 2.5\r\nTSET = warm\r\n");
  WriteBytes(Path("Optimize_GHX.dat"), "cp damaged.dck optVars.dck\r\n");
  ASSERT_NE(OpenForm(FormDeck()), nullptr);
  form_->ExecuteCommand1Click();
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral(
                             "Optavin ended with exit status 1; the optimization's report is not shown.\n"
                             "Optavin: optVars.dck, line 6: a number was expected for the value of variable 2 "
                             "of 2, not \"warm\"")});
  EXPECT_TRUE(Starts().isEmpty()) << "no final run";
  EXPECT_EQ(reports_, 0);
}

TEST_F(OptimizationRunTest, FinalRunWithoutResultsSaysSoBeforeTheReport) {
  ScopedEnv crash("ZANTOR_CRASH", "1");
  ASSERT_NE(OpenForm(FormDeck()), nullptr);
  form_->ExecuteCommand1Click();
  ASSERT_FALSE(Starts().isEmpty());
  EXPECT_EQ(Starts().back(), QStringLiteral("engine ./Quorvel/Pelmark_ghx2.pzd /h /n"));
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].text, QStringLiteral("The engine wrote no results: ") +
                                        Path("Quorvel/Pelmark_ghx2-RESULTS.TXT") + QStringLiteral(" was not found."));
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
  EXPECT_EQ(reports_, 1);
}

TEST_F(OptimizationRunTest, HybreRunsTheHybridOptimizer) {
  ASSERT_NE(OpenForm(FormDeck("**FILE Quorvel\\Pelmark_hybre1.dck")), nullptr);
  form_->ExecuteCommand1Click();
  ASSERT_FALSE(Starts().isEmpty());
  EXPECT_EQ(Starts().front(), QStringLiteral("optimizer 6 Quorvel\\Pelmark_hybre1.dck FLOW=2"));
  // Optavin has no final deck of its own for it here; the engine is started anyway.
  EXPECT_EQ(Starts().back(), QStringLiteral("engine ./Quorvel/Pelmark_hybrid2.pzd /h /n"));
  EXPECT_EQ(reports_, 1);
}

TEST_F(OptimizationRunTest, AMissingCommandFileStopsBeforeDeletingTheRunDeck) {
  ASSERT_NE(OpenForm(FormDeck("**FILE Quorvel\\Pelmark_hysol1.dck")), nullptr);
  form_->ExecuteCommand1Click();
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("File ") + Path("Optimize_HYSOL.dat") +
                                     QStringLiteral(" was not found.")});
  EXPECT_EQ(ui_.beeps(), 1);
  EXPECT_TRUE(Exists("Quorvel/Pelmark_hysol1.dck"));
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_FALSE(Exists("optVars.dck")) << "Optavin did not run";
  EXPECT_EQ(reports_, 0);
}

TEST_F(OptimizationRunTest, NoConfigurationOrNoRunDeckOpensTheOpenDialogAndKeepsTheLastRun) {
  const QByteArray decks[] = {FormDeck("**FILE Quorvel\\plain1.dck"), FormDeck("* no run deck")};
  for (const QByteArray& deck : decks) {
    ui_.clear();
    form_->MdiArea()->closeAllSubWindows();
    ASSERT_NE(OpenForm(deck), nullptr);
    form_->RunTarget = QStringLiteral("/before/run1.dck");
    form_->OptimizationMode = false;
    const std::size_t before = ui_.fileRequests().size();
    form_->ExecuteCommand1Click();
    EXPECT_EQ(ui_.fileRequests().size(), before + 1) << deck.toStdString();
    EXPECT_TRUE(ui_.texts().isEmpty());
    EXPECT_EQ(form_->RunTarget, QStringLiteral("/before/run1.dck"));
    EXPECT_FALSE(form_->OptimizationMode);
  }
  // The run deck already written stays, as nothing deletes it.
  EXPECT_TRUE(Exists("Quorvel/plain1.dck"));
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_EQ(reports_, 0);
}

TEST_F(OptimizationRunTest, ARefusedRunDeckShowsWhy) {
  ASSERT_NE(OpenForm(FormDeck("**FILE PLANT.PZD")), nullptr);
  form_->ExecuteCommand1Click();
  EXPECT_EQ(ui_.texts(),
            QStringList{QStringLiteral("The run deck named in the **FILE line is the input deck itself.")});
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_FALSE(form_->OptimizationMode);
}

TEST_F(OptimizationRunTest, AFailedSaveStopsBeforeTheRunDeck) {
  WriteBytes(Path("plain.dck"), "**FILE Quorvel\\Pelmark_ghx1.dck\r\nA = 1\r\n");
  form_->ReadaFile(Path("plain.dck"));
  ASSERT_TRUE(EditForm());
  form_->SetActiveChild(qobject_cast<QMdiSubWindow*>(EditForm()->parentWidget()));
  EditForm()->SetFileName(Path("gone/plain.dck"));
  EditForm()->Editor()->appendPlainText(QStringLiteral("B = 2"));
  form_->ExecuteCommand1Click();
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("Error 2 was encountered while trying to write file ") +
                                     Path("gone/plain.dck")});
  EXPECT_FALSE(Exists("Quorvel/Pelmark_ghx1.dck"));
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_FALSE(form_->OptimizationMode);
}

TEST_F(OptimizationRunTest, WithoutAnInputWindowTheOpenDialogComes) {
  form_->ExecuteCommand1Click();
  EXPECT_EQ(ui_.fileRequests().size(), 1u);
  AddChild(KindResultsReport);
  form_->SetActiveChild(form_->MdiArea()->subWindowList().first());
  form_->ExecuteCommand1Click();
  EXPECT_EQ(ui_.fileRequests().size(), 2u);
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_FALSE(form_->OptimizationMode);
}

TEST_F(OptimizationRunTest, ToolCommandsStartWithoutWaiting) {
  // Without a text editor the compile command does nothing.
  form_->CompileModule1Click();
  EXPECT_TRUE(ui_.texts().isEmpty());

  DefaultSettings().CompileCommand = Path("nocompiler");
  DefaultSettings().RebuildCommand = Path("norebuild") + QStringLiteral(" all");
  WriteBytes(Path("module.f"), "      END\r\n");
  form_->ReadaFile(Path("module.f"));
  ASSERT_TRUE(EditForm());
  form_->CompileModule1Click();
  form_->RebuildQuorvel1Click();
  EXPECT_EQ(ui_.texts(),
            (QStringList{QStringLiteral("Error 2 encountered while trying to compile ") + Path("module.f"),
                         QStringLiteral("Error 2 encountered while trying to execute ") + Path("norebuild") +
                             QStringLiteral(" all")}));

  DefaultSettings().RebuildCommand = ZantorPath() + QLatin1Char(' ') + Path("rebuild.dck");
  ui_.clear();
  form_->RebuildQuorvel1Click();
  EXPECT_TRUE(ui_.texts().isEmpty());
  EXPECT_TRUE(PumpUntil([&] { return Exists("rebuild.LOG"); }));
}

}  // namespace
}  // namespace pm::test
