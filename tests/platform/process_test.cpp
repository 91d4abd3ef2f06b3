#include "platform/process.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>

#include "support/standins.h"
#include "support/testfiles.h"

namespace pm {
namespace {

using test::PumpUntil;
using test::ReadBytes;
using test::ScopedEnv;
using test::WriteBytes;
using test::ZantorPath;

// Linux keeps /proc/<pid> until the child is reaped, zombie or not.
bool processEntryExists(pid_t pid) { return QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)); }

TEST(SplitCommandLine, QuotesGroupAndBackslashesStayPlain) {
  struct Case {
    QString line;
    QStringList words;
  } cases[] = {
      {QStringLiteral("a b  c"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
      {QStringLiteral("a\tb"), {QStringLiteral("a"), QStringLiteral("b")}},
      {QStringLiteral("\"C:\\Program Files\\Zantor.exe\" \"d e.dck\"  /N"),
       {QStringLiteral("C:\\Program Files\\Zantor.exe"), QStringLiteral("d e.dck"), QStringLiteral("/N")}},
      {QStringLiteral("x \"\" y"), {QStringLiteral("x"), QString(), QStringLiteral("y")}},
      {QStringLiteral("a\"b c\"d"), {QStringLiteral("ab cd")}},
      {QStringLiteral("dir\\\"x y\""), {QStringLiteral("dir\\x y")}},
      {QStringLiteral("prog \"open to the end "),
       {QStringLiteral("prog"), QStringLiteral("open to the end ")}},
      {QStringLiteral("   "), {}},
      {QString(), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line.toStdString();
}

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    root_ = dir_.path();
    old_ = QDir::currentPath();
    QDir::setCurrent(root_);
    WriteBytes(root_ + QStringLiteral("/deck.dck"), "* deck\r\nLINE ONE\r\n");
  }
  void TearDown() override { QDir::setCurrent(old_); }

  StartResult start(const QString& arguments) {
    return StartProgram(ZantorPath() + QLatin1Char(' ') + arguments, QString());
  }

  QTemporaryDir dir_;
  QString root_;
  QString old_;
};

TEST_F(ProcessTest, FindsTheProgramOfACommandLine) {
  WriteBytes(root_ + QStringLiteral("/My Engine/Zantor"), "");
  const QString engine = root_ + QStringLiteral("/My Engine/Zantor");
  const QString windowsRoot = QString(root_).replace(QLatin1Char('/'), QLatin1Char('\\'));
  struct Case {
    QString line;
    QString program;
    QStringList arguments;
  } cases[] = {
      // A bare name with ".exe", found in the program folder without regard to case.
      {QStringLiteral("ZANTOR.EXE deck.dck /H"),
       ZantorPath(),
       {QStringLiteral("deck.dck"), QStringLiteral("/H")}},
      // An unquoted path with a blank, as the engine command line is built.
      {engine + QStringLiteral(".exe \"deck name.dck\" /H"),
       engine,
       {QStringLiteral("deck name.dck"), QStringLiteral("/H")}},
      {QStringLiteral("C:") + windowsRoot + QStringLiteral("\\MY ENGINE\\zantor.exe x"),
       engine,
       {QStringLiteral("x")}},
      {QStringLiteral("\"") + engine + QStringLiteral("\" x"), engine, {QStringLiteral("x")}},
      {root_ + QStringLiteral("/Other Engine/Zantor x"), QString(), {}},
      {QStringLiteral("\"") + root_ + QStringLiteral("/My\" Engine/Zantor"), QString(), {}},
      {QString(), QString(), {}},
  };
  for (const Case& c : cases) {
    const ProgramCall call = FindCommandProgram(c.line, test::BinDir());
    EXPECT_EQ(call.program, c.program) << c.line.toStdString();
    EXPECT_EQ(call.arguments, c.arguments) << c.line.toStdString();
  }
}

TEST_F(ProcessTest, RunsTheStandInInTheCurrentFolderAndWaitsForIt) {
  const StartResult started = start(QStringLiteral("deck.dck /H"));
  ASSERT_TRUE(started.started) << started.error;
  int pumps = 0;
  const WaitResult result = WaitForProgram(
      started.pid, [&] { ++pumps; }, nullptr);
  EXPECT_TRUE(result.ended);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_GE(pumps, 1);
  EXPECT_TRUE(ReadBytes(root_ + QStringLiteral("/deck.LST")).contains("LINE ONE\r\n"));
  EXPECT_TRUE(ReadBytes(root_ + QStringLiteral("/deck.LOG")).contains("Switches: /H\r\n"));
  EXPECT_FALSE(processEntryExists(started.pid));
}

TEST_F(ProcessTest, ReportsHowTheProgramEnded) {
  struct Case {
    const char* variable;
    QByteArray value;
    int exitCode;
    int signal;
  } cases[] = {
      {"ZANTOR_EXIT_CODE", "3", 3, 0},
      {"ZANTOR_CRASH", "1", -1, SIGABRT},
  };
  for (const Case& c : cases) {
    ScopedEnv env(c.variable, c.value);
    const StartResult started = start(QStringLiteral("deck.dck"));
    ASSERT_TRUE(started.started);
    const WaitResult result = WaitForProgram(started.pid, nullptr, nullptr);
    EXPECT_TRUE(result.ended) << c.variable;
    EXPECT_EQ(result.exitCode, c.exitCode) << c.variable;
    EXPECT_EQ(result.signal, c.signal) << c.variable;
  }
}

TEST_F(ProcessTest, ArgumentsReachTheProgramWithoutAShell) {
  ScopedEnv trace("ZANTOR_TRACE", QFile::encodeName(root_ + QStringLiteral("/trace.txt")));
  const StartResult started = start(QStringLiteral("\"a;b\" c;d 'e' $HOME \"x  y\" >out `true`"));
  ASSERT_TRUE(started.started);
  WaitForProgram(started.pid, nullptr, nullptr);
  const QByteArray expected = "cwd " + QFile::encodeName(QDir::currentPath()) +
                              "\narg a;b\narg c;d\narg 'e'\narg $HOME\narg x  y\narg >out\narg `true`\n";
  const QByteArray traced = ReadBytes(root_ + QStringLiteral("/trace.txt"));
  EXPECT_EQ(traced.mid(traced.indexOf('\n') + 1), expected);
  EXPECT_FALSE(QFileInfo::exists(root_ + QStringLiteral("/out")));
}

TEST_F(ProcessTest, ACallAlreadySplitKeepsEveryWordWhole) {
  ScopedEnv trace("ZANTOR_TRACE", QFile::encodeName(root_ + QStringLiteral("/trace.txt")));
  const StartResult started = StartProgramCall(
      {ZantorPath(), {QStringLiteral("/a b/d \"q\".pzd"), QStringLiteral("/h"), QString()}});
  ASSERT_TRUE(started.started) << started.error;
  EXPECT_TRUE(WaitForProgram(started.pid, nullptr, nullptr).ended);
  const QByteArray traced = ReadBytes(root_ + QStringLiteral("/trace.txt"));
  EXPECT_TRUE(traced.contains("\narg /a b/d \"q\".pzd\narg /h\narg \n")) << traced.toStdString();

  WriteBytes(root_ + QStringLiteral("/plain.txt"), "no program\n");
  const struct {
    QString program;
    int error;
  } failures[] = {
      {QString(), ENOENT},
      {root_ + QStringLiteral("/nothing"), ENOENT},
      {root_ + QStringLiteral("/nothing/Zantor"), ENOENT},
      {root_ + QStringLiteral("/plain.txt"), EACCES},
  };
  for (const auto& f : failures) {
    const StartResult result = StartProgramCall({f.program, {}});
    EXPECT_FALSE(result.started) << f.program.toStdString();
    EXPECT_EQ(result.error, f.error) << f.program.toStdString();
  }
}

TEST_F(ProcessTest, ErrorOutputGoesToTheFileGiven) {
  const QString errors = root_ + QStringLiteral("/errors.txt");
  WriteBytes(errors, "left from before\n");
  // The engine stand-in without a deck says how to call it on stderr.
  const StartResult started = StartProgram(ZantorPath(), QString(), errors);
  ASSERT_TRUE(started.started) << started.error;
  EXPECT_EQ(WaitForProgram(started.pid, nullptr, nullptr).exitCode, 2);
  EXPECT_EQ(ReadBytes(errors), QByteArray("usage: Zantor <deck> [/H] [/N]\n"));
}

TEST_F(ProcessTest, StartFailuresCarryTheErrno) {
  WriteBytes(root_ + QStringLiteral("/plain.exe"), "no program\n");
  WriteBytes(root_ + QStringLiteral("/garbage.exe"), "no program\n",
             QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  struct Case {
    QString line;
    int error;
  } cases[] = {
      {QString(), ENOENT},
      {QStringLiteral("  "), ENOENT},
      {root_ + QStringLiteral("/nothing.exe /H"), ENOENT},
      {root_ + QStringLiteral("/plain.exe"), EACCES},
      {root_ + QStringLiteral("/garbage.exe"), ENOEXEC},
  };
  for (const Case& c : cases) {
    const StartResult result = StartProgram(c.line, QString());
    EXPECT_FALSE(result.started) << c.line.toStdString();
    EXPECT_EQ(result.error, c.error) << c.line.toStdString();
  }
}

TEST_F(ProcessTest, AStoppedWaitLeavesTheProgramRunningAndReapsItLater) {
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "600");
  const StartResult started = start(QStringLiteral("deck.dck"));
  ASSERT_TRUE(started.started);
  int polls = 0;
  QElapsedTimer clock;
  clock.start();
  const WaitResult result = WaitForProgram(started.pid, nullptr, [&] { return ++polls == 3; });
  EXPECT_FALSE(result.ended);
  EXPECT_EQ(polls, 3);
  EXPECT_LT(clock.elapsed(), 400);
  EXPECT_FALSE(QFileInfo::exists(root_ + QStringLiteral("/deck.LST")));
  // The program goes on to its end, and then no zombie stays behind.
  EXPECT_TRUE(PumpUntil([&] { return QFileInfo::exists(root_ + QStringLiteral("/deck.LOG")); }));
  EXPECT_TRUE(PumpUntil([&] { return !processEntryExists(started.pid); }));
  EXPECT_EQ(ReapAbandonedPrograms(), 0);
}

TEST_F(ProcessTest, TheEventLoopRunsDuringTheWait) {
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "150");
  bool fired = false;
  test::LocalTimer timer(20, [&] { fired = true; });
  const StartResult started = start(QStringLiteral("deck.dck"));
  ASSERT_TRUE(started.started);
  const WaitResult result = WaitForProgram(
      started.pid, [] { QCoreApplication::processEvents(); }, nullptr);
  EXPECT_TRUE(result.ended);
  EXPECT_TRUE(fired);
}

TEST_F(ProcessTest, TerminatingInsideAWaitEndsThatWait) {
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "10000");
  const StartResult started = start(QStringLiteral("deck.dck"));
  ASSERT_TRUE(started.started);
  int pumps = 0;
  WaitResult terminated;
  QElapsedTimer clock;
  clock.start();
  const WaitResult result = WaitForProgram(
      started.pid,
      [&] {
        if (++pumps == 3) terminated = TerminateProgram(started.pid);
      },
      nullptr);
  EXPECT_LT(clock.elapsed(), 3000);
  EXPECT_TRUE(terminated.ended);
  EXPECT_EQ(terminated.signal, SIGTERM);
  EXPECT_TRUE(result.ended);
  EXPECT_EQ(result.signal, SIGTERM);
  EXPECT_FALSE(processEntryExists(started.pid));
}

}  // namespace
}  // namespace pm
