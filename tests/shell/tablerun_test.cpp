// The table run through the real main window, table window and form window,
// with the stand-in engine.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include "common/settings.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/runprogram.h"
#include "shell/ui/compiling.h"
#include "shell/ui/editform.h"
#include "shellfixture.h"
#include "support/standins.h"
#include "tables/tablefile.h"
#include "tables/ui/tableform.h"

namespace pm::test {
namespace {

using namespace Qt::StringLiterals;

class TableRunTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    DefaultSettings().EngineFolder = BinDir();
    DefaultSettings().SaveDeckNames = 0;
    form_->Compiling = &compiling_;
    // Every update refreshes, however fast the runs follow each other.
    compiling_.SetClock([this] { return clock_ += 1000; });
  }
  void TearDown() override {
    QFile::remove(trace_);
    ProgramFolderTest::TearDown();
  }

  QString Path(const char* name) const { return folder_ + QLatin1Char('/') + QLatin1String(name); }
  QStringList Starts() const { return TraceStarts(trace_); }
  QString Engine(const char* deck) const { return Path(deck) + QStringLiteral(" /N"); }

  // The deck with the form's four table commands, each a stand-in start
  // on a name of its own, so the trace shows the order.
  static QByteArray FormDeck() {
    const QByteArray zantor = QFile::encodeName(ZantorPath());
    return "*PLENZO\r\n"
           "**FILE run.dck\r\n"
           "*|<BEFORE1> " +
           zantor +
           " b1.dck\r\n"
           "*|<BEFORE> " +
           zantor +
           " b.dck\r\n"
           "*|<AFTER> " +
           zantor +
           " a.dck\r\n"
           "*|<AFTER1> " +
           zantor +
           " a1.dck\r\n"
           "CONSTANTS 1\r\n"
           "FLOW = 2.5\r\n"
           "*|Flow|kg/h|lb/h|0|2.2|0.1|100.0|12\r\n"
           "ASSIGN plant.LST 6\r\n";
  }

  // The table window over the deck with FLOW's values, one per run.
  TTableForm* OpenTable(const std::vector<long double>& flows, const char* deck = "plant.dck") {
    TableModel table;
    table.Reset(static_cast<int>(flows.size()), {"FLOW"});
    table.DeckFileName = Path(deck);
    for (size_t r = 0; r < flows.size(); ++r) table.SetValue(1, static_cast<int>(r) + 1, flows[r]);
    const QString file = Path("plant.TBL");
    EXPECT_EQ(WriteTableFile(table, file), 0);
    form_->ReadaFile(file);
    return form_->TableForm;
  }
  TPlenzoForm* OpenForm(const QByteArray& deck) {
    WriteBytes(Path("plant.pzd"), deck);
    form_->ReadaFile(Path("plant.pzd"));
    return Only<TPlenzoForm>();
  }
  QString Caption() const { return form_->Item(QStringLiteral("RunTable1"))->text(); }
  bool Idle() const {
    return !form_->Runs.TableRunning && !form_->Runs.TableStopRequested && !RunBusy(form_->Runs) &&
           Caption() == QStringLiteral("Run Table") && compiling_.isHidden();
  }
  // The progress texts seen while the table runs.
  QStringList Progress() const { return progress_; }
  void WatchProgress() {
    QObject::connect(&watch_, &QTimer::timeout, [this] {
      const QString text = compiling_.label1->text() + compiling_.LineL->text();
      if (compiling_.isVisible() && (progress_.isEmpty() || progress_.last() != text)) progress_ << text;
    });
    watch_.start(1);
  }

  TCompiling compiling_;
  qint64 clock_ = 0;
  QTimer watch_;
  QStringList progress_;
  QString trace_ = QDir::tempPath() + QStringLiteral("/pelmark-table-trace-") +
                   QString::number(QCoreApplication::applicationPid()) + QStringLiteral(".txt");
  ScopedEnv traceEnv_{"ZANTOR_TRACE", QFile::encodeName(trace_)};
};

TEST_F(TableRunTest, AWholeTableFromAFormWindow) {
  TPlenzoForm* plenzo = OpenForm(FormDeck());
  ASSERT_NE(plenzo, nullptr);
  ASSERT_NE(OpenTable({1.5L, 123456.0L, 8760.25L}, "plant.pzd"), nullptr);
  form_->Item(QStringLiteral("HideQuorvel1"))->setChecked(true);
  WatchProgress();
  form_->RunTable1Click();

  EXPECT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(Starts(), (QStringList{u"b1.dck"_s, u"b.dck"_s, Engine("plant1.pzd") + u" /H"_s, u"a.dck"_s,
                                   u"b.dck"_s, Engine("plant2.pzd") + u" /H"_s, u"a.dck"_s, u"b.dck"_s,
                                   Engine("plant3.pzd") + u" /H"_s, u"a.dck"_s, u"a1.dck"_s}));
  EXPECT_EQ(Progress(), (QStringList{u"Quorvel Run 1"_s, u"Quorvel Run 2"_s, u"Quorvel Run 3"_s}));
  EXPECT_EQ(compiling_.y(), compiling_.screen()->availableGeometry().top() + 120);
  // Each engine run read its own values; the per-run decks are gone.
  const QByteArray listing = ReadBytes(Path("plant2.LST"));
  EXPECT_TRUE(listing.contains("  FLOW=1.23456E+05\r\n")) << listing.toStdString();
  EXPECT_TRUE(listing.contains("  ASSIGN plant2.LST 6\r\n")) << listing.toStdString();
  EXPECT_TRUE(ReadBytes(Path("plant3.LST")).contains("  FLOW=8.76025E+03\r\n"));
  for (const char* deck : {"plant1.pzd", "plant2.pzd", "plant3.pzd"})
    EXPECT_FALSE(QFile::exists(Path(deck))) << deck;
  EXPECT_EQ(form_->TableForm->Table().RunDeckName(3), Path("plant3.pzd"));
  EXPECT_TRUE(Idle());
}

TEST_F(TableRunTest, KeptDecksAndATextEditorDeckWindow) {
  WriteBytes(Path("plant.dck"), "CONSTANTS 1\r\nFLOW = 1\r\n");
  form_->ReadaFile(Path("plant.dck"));
  ASSERT_NE(OpenTable({1, 2}), nullptr);
  DefaultSettings().SaveDeckNames = 1;
  form_->RunTable1Click();
  EXPECT_EQ(Starts(), (QStringList{Engine("plant1.dck"), Engine("plant2.dck")}));
  EXPECT_EQ(ReadBytes(Path("plant2.dck")), "CONSTANTS 1\r\nFLOW=2.0000E+00\r\n");
  // The next run writes the table's own decks again.
  form_->RunTable1Click();
  EXPECT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(Starts().size(), 4);
  EXPECT_TRUE(Idle());
}

TEST_F(TableRunTest, NoRunsOrARefusedDeckStartNothing) {
  WriteBytes(Path("plant.dck"), "CONSTANTS 1\r\nFLOW = 1\r\n");
  ASSERT_NE(OpenTable({}), nullptr);
  form_->RunTable1Click();
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_TRUE(ui_.texts().isEmpty());
  EXPECT_TRUE(Idle());

  form_->TableForm->close();
  ASSERT_NE(OpenTable({1, InfiniteValue}), nullptr);
  form_->RunTable1Click();
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_EQ(ui_.texts(), QStringList{u"Parameter in the col #1, run #2 isn't defined"_s});
  EXPECT_TRUE(QFile::exists(Path("plant1.dck")));  // written before the refusal, and kept
  EXPECT_TRUE(Idle());
}

TEST_F(TableRunTest, TheSaveQuestion) {
  struct Case {
    ModalResult answer;
    bool saved;
    int starts;
  };
  const Case cases[] = {
      {ModalResult::Cancel, false, 0}, {ModalResult::No, false, 1}, {ModalResult::Yes, true, 1}};
  WriteBytes(Path("plant.dck"), "CONSTANTS 1\r\nFLOW = 1\r\n");
  form_->ReadaFile(Path("plant.dck"));
  auto* editor = Only<TEditForm>();
  ASSERT_NE(editor, nullptr);
  ASSERT_NE(OpenTable({5}), nullptr);
  for (const Case& c : cases) {
    QFile::remove(trace_);
    ui_.clear();
    editor->Editor()->setPlainText(QStringLiteral("CONSTANTS 1\nFLOW = 1\nX = 2"));
    editor->SetModified(true);
    ASSERT_TRUE(editor->Modified());
    ui_.answer(c.answer);
    form_->RunTable1Click();
    EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("Do you wish to save file ") + Path("plant.dck") +
                                       QStringLiteral(" before running the table?")});
    EXPECT_EQ(ReadBytes(Path("plant.dck")).contains("X = 2"), c.saved) << int(c.answer);
    EXPECT_EQ(Starts().size(), c.starts) << int(c.answer);
    EXPECT_TRUE(Idle());
  }
}

// A stop during an engine run ends that engine at once; no further run
// starts, and the decks go as at a normal end.
TEST_F(TableRunTest, AStopEndsTheRunningEngine) {
  WriteBytes(Path("plant.dck"), "CONSTANTS 1\r\nFLOW = 1\r\n");
  TTableForm* table = OpenTable({1, 2, 3});
  ASSERT_NE(table, nullptr);
  const ScopedEnv slow("ZANTOR_SLEEP_MS", "20000");
  QString captionWhileRunning;
  bool tableClosed = true;
  const LocalTimer stop(300, [&] {
    captionWhileRunning = Caption();
    tableClosed = table->SubWindow()->close();
    form_->RunTable1Click();
  });
  QElapsedTimer timer;
  timer.start();
  form_->RunTable1Click();
  EXPECT_LT(timer.elapsed(), 10000);
  EXPECT_EQ(captionWhileRunning, QStringLiteral("Stop table"));
  EXPECT_FALSE(tableClosed);
  EXPECT_EQ(Starts(), QStringList{Engine("plant1.dck")});
  EXPECT_FALSE(QFile::exists(Path("plant1.dck")));
  EXPECT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(form_->Runs.WaitedPrograms.empty());
  EXPECT_TRUE(Idle());
}

// A stop during BEFORE lets it end, skips that run's engine and AFTER, and
// AFTER1 still runs to its end.
TEST_F(TableRunTest, AStopNeverCutsTheFormsCommands) {
  ASSERT_NE(OpenForm(FormDeck()), nullptr);
  ASSERT_NE(OpenTable({1, 2}, "plant.pzd"), nullptr);
  const ScopedEnv slow("ZANTOR_SLEEP_MS", "600");
  const LocalTimer stop(150, [&] { form_->RunTable1Click(); });
  form_->RunTable1Click();
  EXPECT_EQ(Starts(), (QStringList{u"b1.dck"_s, u"a1.dck"_s}));
  EXPECT_TRUE(ReadBytes(Path("b1.LOG")).contains("Cannot read the deck."));
  EXPECT_TRUE(ReadBytes(Path("a1.LOG")).contains("Cannot read the deck."));
  EXPECT_FALSE(QFile::exists(Path("plant1.pzd")));
  EXPECT_TRUE(Idle());
}

// File/Exit's Yes while the engine runs: the engine ends, and so does the
// table run, without its after-run commands; the per-run decks stay.
TEST_F(TableRunTest, ExitDuringARunEndsItWithoutTheAfterCommands) {
  const QByteArray copy = "/bin/cp " + QFile::encodeName(Path("plant.pzd")) + " ";
  ASSERT_NE(OpenForm("*PLENZO\r\n"
                     "**FILE run.dck\r\n"
                     "*|<AFTER> " +
                     copy + QFile::encodeName(Path("after.copy")) +
                     "\r\n"
                     "*|<AFTER1> " +
                     copy + QFile::encodeName(Path("after1.copy")) +
                     "\r\n"
                     "CONSTANTS 1\r\n"
                     "FLOW = 2.5\r\n"
                     "*|Flow|kg/h|lb/h|0|2.2|0.1|100.0|12\r\n"),
            nullptr);
  ASSERT_NE(OpenTable({1, 2}, "plant.pzd"), nullptr);
  const ScopedEnv slow("ZANTOR_SLEEP_MS", "20000");
  bool allowed = false;
  ui_.answer(ModalResult::Yes);
  const LocalTimer exit(300, [&] { allowed = ExitAllowedDuringRun(form_->Runs); });
  QElapsedTimer timer;
  timer.start();
  form_->RunTable1Click();
  EXPECT_LT(timer.elapsed(), 10000);
  EXPECT_TRUE(allowed);
  EXPECT_EQ(ui_.texts(), QStringList{u"A program is still running. Stop it and exit?"_s});
  EXPECT_EQ(Starts(), QStringList{Engine("plant1.pzd")});
  EXPECT_FALSE(QFile::exists(Path("after.copy")));
  EXPECT_FALSE(QFile::exists(Path("after1.copy")));
  EXPECT_TRUE(QFile::exists(Path("plant1.pzd")));
  EXPECT_TRUE(QFile::exists(Path("plant2.pzd")));
  EXPECT_TRUE(Idle());
}

TEST_F(TableRunTest, ACommandThatCannotStartEndsTheRunAndKeepsTheDecks) {
  QByteArray deck = FormDeck();
  deck.replace("*|<AFTER> ", "*|<AFTER> /nowhere/nothing ");
  ASSERT_NE(OpenForm(deck), nullptr);
  ASSERT_NE(OpenTable({1, 2}, "plant.pzd"), nullptr);
  std::vector<bool> progressShown;
  ui_.onMessage = [&](const MessageRequest&) { progressShown.push_back(compiling_.isVisible()); };
  form_->RunTable1Click();
  ASSERT_EQ(ui_.texts().size(), 1);
  EXPECT_TRUE(ui_.texts().first().startsWith(QStringLiteral("File /nowhere/nothing")))
      << ui_.texts().first().toStdString();
  EXPECT_EQ(progressShown, std::vector<bool>{false});
  EXPECT_EQ(Starts(), (QStringList{u"b1.dck"_s, u"b.dck"_s, Engine("plant1.pzd")}));
  EXPECT_TRUE(QFile::exists(Path("plant1.pzd")));
  EXPECT_TRUE(QFile::exists(Path("plant2.pzd")));
  EXPECT_TRUE(Idle());
}

TEST_F(TableRunTest, CancelInTheEngineFolderDialogKeepsTheDecks) {
  WriteBytes(Path("plant.dck"), "CONSTANTS 1\r\nFLOW = 1\r\n");
  ASSERT_NE(OpenTable({1}), nullptr);
  DefaultSettings().EngineFolder = folder_;  // no engine there
  form_->RunTable1Click();
  EXPECT_TRUE(Starts().isEmpty());
  EXPECT_TRUE(QFile::exists(Path("plant1.dck")));
  EXPECT_TRUE(Idle());
}

}  // namespace
}  // namespace pm::test
