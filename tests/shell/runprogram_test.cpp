#include "shell/runprogram.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QUrl>
#include <csignal>

#include "shellfixture.h"
#include "support/fakeopenaction.h"
#include "support/standins.h"

namespace pm {
namespace {

using test::PumpUntil;
using test::ScopedEnv;

// A small deck; also a plain file that is no program.
void writeFile(const QString& path) { test::WriteBytes(path, "* deck\r\n"); }

bool exists(const QString& path) { return QFileInfo::exists(path); }

// The engine command line as a run builds it: the engine folder written the
// Windows way, "\Zantor.exe", the quoted deck and the switches.
QString engineCommand(const QString& deck, const QString& switches = QStringLiteral(" /H")) {
  return test::BinDir().replace(QLatin1Char('/'), QLatin1Char('\\')) + QStringLiteral("\\Zantor.exe \"") +
         deck + QLatin1Char('"') + switches;
}

// Runs in the temporary folder, with the engine's folder as the program's.
class RunProgramTest : public test::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    QDir::setCurrent(folder_);
    G().ProgramFolder = test::BinDir();
    deck_ = folder_ + QStringLiteral("/deck.dck");
    writeFile(deck_);
  }

  QString output(const QString& extension) const { return folder_ + QStringLiteral("/deck") + extension; }

  test::FakeOpenAction open_;
  RunState state_;
  QString deck_;
};

TEST(CommandExtension, FromTheLastDotWhenNoSeparatorFollows) {
  struct Case {
    const char* line;
    const char* extension;
  } cases[] = {
      {"Optavin.exe", ".exe"}, {"C:\\Tools.d\\run", ""},
      {"/opt/x.y/run", ""},    {"C:\\a\\Zantor.exe \"d.dck\"", ".dck\""},
      {"x.dck\" /H", ""},      {"page.HTML", ".HTML"},
      {"a.b:c", ""},           {"noext", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CommandExtension(QString::fromUtf8(c.line)), QString::fromUtf8(c.extension)) << c.line;
}

TEST_F(RunProgramTest, RunsTheEngineAndWaitsWhileEventsAreProcessed) {
  // A deck path long enough that the whole line is well over 255 characters.
  const QString longDeck =
      folder_ + QStringLiteral("/Run Folder ") + QString(200, QLatin1Char('x')) + QStringLiteral("/deck.dck");
  writeFile(longDeck);
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "150");
  bool busyDuringWait = false;
  int waited = 0;
  test::LocalTimer timer(20, [&] {
    busyDuringWait = RunBusy(state_);
    waited = static_cast<int>(state_.WaitedPrograms.size());
  });
  const QString command = engineCommand(longDeck);
  ASSERT_GT(command.size(), 255);
  EXPECT_TRUE(RunProgramOK(command, state_));
  EXPECT_TRUE(busyDuringWait);
  EXPECT_EQ(waited, 1);
  EXPECT_FALSE(RunBusy(state_));
  EXPECT_TRUE(state_.WaitedPrograms.empty());
  EXPECT_TRUE(exists(QFileInfo(longDeck).path() + QStringLiteral("/deck.LST")));
  EXPECT_TRUE(exists(QFileInfo(longDeck).path() + QStringLiteral("/deck.LOG")));
  EXPECT_TRUE(ui_.messages().empty());
  EXPECT_TRUE(open_.opened().isEmpty());
}

TEST_F(RunProgramTest, BareExeNamesAreFoundWithoutTheirExtension) {
  EXPECT_TRUE(RunProgramOK(QStringLiteral("ZANTOR.EXE \"deck.dck\"  /N"), state_));
  EXPECT_TRUE(exists(output(QStringLiteral(".LST"))));
  EXPECT_TRUE(RunProgramOK(QStringLiteral("zantor.exe"), state_));  // no deck: exit code 2, still started
  EXPECT_TRUE(ui_.messages().empty());
}

using RunProcessTest = RunProgramTest;

TEST_F(RunProgramTest, AnyEndOfAStartedProgramIsASuccess) {
  struct Case {
    const char* variable;
    QByteArray value;
  } cases[] = {{"ZANTOR_EXIT_CODE", "5"}, {"ZANTOR_CRASH", "1"}};
  for (const Case& c : cases) {
    ScopedEnv env(c.variable, c.value);
    EXPECT_TRUE(RunProgramOK(engineCommand(deck_), state_)) << c.variable;
  }
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(RunProgramTest, StartFailuresShowTheirMessage) {
  writeFile(folder_ + QStringLiteral("/plain.exe"));
  const QString missing = folder_ + QStringLiteral("/nothing.exe \"deck.dck\" /H");
  const QString plain = folder_ + QStringLiteral("/plain.exe");
  const QString longMissing =
      folder_ + QLatin1Char('/') + QString(300, QLatin1Char('m')) + QStringLiteral(".exe");
  struct Case {
    QString command;
    QString message;
  } cases[] = {
      {QString(), QStringLiteral("File  was not found.")},
      {missing, QStringLiteral("File ") + missing + QStringLiteral(" was not found.")},
      {QStringLiteral("NoSuchProgram /H"), QStringLiteral("File NoSuchProgram /H was not found.")},
      {plain, QStringLiteral("Error 13 encountered while trying to call ") + plain},
      {longMissing, (QStringLiteral("File ") + longMissing).left(255)},
  };
  for (const Case& c : cases) {
    ui_.clear();
    EXPECT_FALSE(RunProgramOK(c.command, state_)) << c.command.toStdString();
    ASSERT_EQ(ui_.messages().size(), 1u) << c.command.toStdString();
    const test::ScriptedUi::Message& m = ui_.messages().front();
    EXPECT_EQ(m.text, c.message);
    EXPECT_EQ(m.icon, MessageIcon::Error);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_TRUE(m.beepBefore);
  }
  EXPECT_TRUE(open_.opened().isEmpty());
  EXPECT_FALSE(RunBusy(state_));
}

TEST_F(RunProgramTest, DocumentsAndAddressesGoToTheOpenAction) {
  const QString page = folder_ + QStringLiteral("/Help Pages/main page.html");
  writeFile(page);
  struct Case {
    QString command;
    QUrl opened;
  } cases[] = {
      {page, QUrl::fromLocalFile(page)},
      {QStringLiteral("\"") + page + QStringLiteral("\""), QUrl::fromLocalFile(page)},
      {folder_ + QStringLiteral("/HELP PAGES"), QUrl::fromLocalFile(folder_ + QStringLiteral("/Help Pages"))},
      {QStringLiteral("https://example.org/a.html"), QUrl(QStringLiteral("https://example.org/a.html"))},
  };
  for (const Case& c : cases) {
    open_.setResult(true);
    const qsizetype before = open_.opened().size();
    EXPECT_TRUE(RunProgramOK(c.command, state_)) << c.command.toStdString();
    ASSERT_EQ(open_.opened().size(), before + 1);
    EXPECT_EQ(open_.opened().back(), c.opened);
  }
  EXPECT_TRUE(ui_.messages().empty());

  // When the desktop refuses, the document is tried as a program, which fails.
  open_.setResult(false);
  EXPECT_FALSE(RunProgramOK(page, state_));
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("Error 13 encountered while trying to call ") + page});
}

TEST_F(RunProgramTest, AStopRequestEndsTheWaitAndTheProgramRunsOn) {
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "800");
  test::LocalTimer timer(30, [&] { state_.StopRequested = true; });
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(RunProgramOK(engineCommand(deck_), state_));
  EXPECT_LT(clock.elapsed(), 500);
  EXPECT_FALSE(exists(output(QStringLiteral(".LST"))));
  EXPECT_TRUE(PumpUntil([&] { return exists(output(QStringLiteral(".LOG"))); }));

  // Already requested when the call begins: one short wait, and true.
  clock.restart();
  EXPECT_TRUE(RunProgramOK(engineCommand(folder_ + QStringLiteral("/other.dck")), state_));
  EXPECT_LT(clock.elapsed(), 300);
  EXPECT_TRUE(PumpUntil([&] { return exists(folder_ + QStringLiteral("/other.LOG")); }));
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(RunProgramTest, ProgramButtonsMayRunInsideAWait) {
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "200");
  const QString second = folder_ + QStringLiteral("/second.dck");
  writeFile(second);
  bool inner = false;
  int depth = 0;
  test::LocalTimer timer(20, [&] {
    inner = RunProgramOK(engineCommand(second), state_);
    depth = state_.BusyDepth;
  });
  EXPECT_TRUE(RunProgramOK(engineCommand(deck_), state_));
  EXPECT_TRUE(inner);
  EXPECT_EQ(depth, 1);  // the outer wait still held the guard
  EXPECT_TRUE(exists(folder_ + QStringLiteral("/second.LST")));
  EXPECT_TRUE(exists(output(QStringLiteral(".LST"))));
}

TEST_F(RunProgramTest, ExitDuringAWaitAsksAndYesStopsTheProgram) {
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "10000");
  ui_.answer(ModalResult::Yes);
  bool allowed = false;
  test::LocalTimer timer(30, [&] { allowed = ExitAllowedDuringRun(state_); });
  {
    RunGuard command(state_);  // the run command around the wait
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(RunProgramOK(engineCommand(deck_), state_));
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_TRUE(allowed);
    EXPECT_TRUE(state_.ExitRequested);
    ASSERT_EQ(ui_.messages().size(), 1u);
    EXPECT_EQ(ui_.messages().front().text, QStringLiteral("A program is still running. Stop it and exit?"));
    EXPECT_EQ(ui_.messages().front().buttons, MessageButtons::YesNo);
    EXPECT_FALSE(exists(output(QStringLiteral(".LST"))));
    // The rest of the run command starts nothing more.
    EXPECT_FALSE(RunProgramOK(engineCommand(deck_), state_));
    EXPECT_EQ(ui_.messages().size(), 1u);
  }
  // Once the command has ended (an exit that was cancelled later), runs work again.
  EXPECT_FALSE(state_.ExitRequested);
  ScopedEnv quick("ZANTOR_SLEEP_MS", "0");
  EXPECT_TRUE(RunProgramOK(engineCommand(deck_), state_));
  EXPECT_TRUE(exists(output(QStringLiteral(".LST"))));
}

TEST_F(RunProgramTest, ExitDuringAWaitAnsweredNoChangesNothing) {
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "200");
  ui_.answer(ModalResult::No);
  bool allowed = true;
  test::LocalTimer timer(30, [&] { allowed = ExitAllowedDuringRun(state_); });
  EXPECT_TRUE(RunProgramOK(engineCommand(deck_), state_));
  EXPECT_FALSE(allowed);
  EXPECT_FALSE(state_.ExitRequested);
  EXPECT_TRUE(exists(output(QStringLiteral(".LST"))));
  EXPECT_EQ(ui_.messages().size(), 1u);
}

TEST_F(RunProgramTest, ExitWithoutAWaitAsksNothing) {
  EXPECT_TRUE(ExitAllowedDuringRun(state_));
  {
    RunGuard guard(state_);  // a run command between its programs
    EXPECT_TRUE(RunBusy(state_));
    EXPECT_FALSE(ExitAllowedDuringRun(state_));
  }
  EXPECT_FALSE(RunBusy(state_));
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(RunProgramTest, StartsWithoutWaiting) {
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "600");
  QElapsedTimer clock;
  clock.start();
  const StartResult started = StartProgramNoWait(engineCommand(deck_));
  EXPECT_LT(clock.elapsed(), 300);
  ASSERT_TRUE(started.started);
  EXPECT_FALSE(exists(output(QStringLiteral(".LST"))));
  EXPECT_TRUE(PumpUntil([&] { return exists(output(QStringLiteral(".LOG"))); }));
  // Reaped in the background once it has ended.
  EXPECT_TRUE(PumpUntil([&] { return !exists(QStringLiteral("/proc/%1").arg(started.pid)); }));

  const StartResult missing = StartProgramNoWait(folder_ + QStringLiteral("/nothing.exe"));
  EXPECT_FALSE(missing.started);
  EXPECT_EQ(missing.error, 2);
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(RunProcessTest, GivesHowTheProgramEnded) {
  struct Case {
    const char* variable;
    QByteArray value;
    int exitCode;
    int signal;
  } cases[] = {
      {"ZANTOR_EXIT_CODE", "0", 0, 0}, {"ZANTOR_EXIT_CODE", "3", 3, 0}, {"ZANTOR_CRASH", "1", -1, SIGABRT}};
  for (const Case& c : cases) {
    ScopedEnv env(c.variable, c.value);
    WaitResult result;
    EXPECT_TRUE(RunProcessOK(engineCommand(deck_), state_, &result)) << c.variable;
    EXPECT_TRUE(result.ended);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.signal, c.signal);
  }
  EXPECT_TRUE(ui_.messages().empty());
  EXPECT_FALSE(RunBusy(state_));
}

TEST_F(RunProcessTest, NeverUsesTheOpenAction) {
  const QString page = folder_ + QStringLiteral("/page.html");
  writeFile(page);
  open_.setResult(true);
  WaitResult result;
  EXPECT_FALSE(RunProcessOK(page, state_, &result));
  EXPECT_TRUE(open_.opened().isEmpty());
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("Error 13 encountered while trying to call ") + page});
  EXPECT_FALSE(result.ended);
  ui_.clear();
  EXPECT_FALSE(RunProcessOK(QStringLiteral("NoSuchProgram.exe"), state_, &result));
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("File NoSuchProgram.exe was not found.")});
}

}  // namespace
}  // namespace pm
