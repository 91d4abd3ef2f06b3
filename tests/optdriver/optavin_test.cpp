// Optavin as a program: started as a process in a folder that holds its
// files, with the engine stand-in in the "Quorvel" folder beside it.
#include "optdriver/optavin.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/standins.h"
#include "support/testfiles.h"
#include "support/testpaths.h"

namespace pm::optavin {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using test::ZantorPath;

const char kBanner[] =
    " ************************************************\n"
    " Pelmark\n"
    " Optimization driver: the last run with the best values\n"
    " ************************************************\n"
    " \n"
    " Performing last optimization run\n";

QString fixture(const QString& name) { return QStringLiteral(PELMARK_FIXTURES_DIR "/optavin/") + name; }

class OptavinProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    root_ = dir_.path();
    prog_ = root_ + QStringLiteral("/prog");
    quorvel_ = prog_ + QStringLiteral("/Quorvel");
    work_ = root_ + QStringLiteral("/work");
    trace_ = root_ + QStringLiteral("/trace.txt");
    ASSERT_TRUE(QDir().mkpath(quorvel_));
    ASSERT_TRUE(QDir().mkpath(work_));
    // A link: the program finds "Quorvel" beside the name it was started by.
    ASSERT_TRUE(QFile::link(test::OptavinPath(), prog_ + QStringLiteral("/optavin")));
    ASSERT_TRUE(QFile::link(ZantorPath(), quorvel_ + QStringLiteral("/Zantor")));
    WriteBytes(quorvel_ + QStringLiteral("/Pelmark_hySol2.pzd"), "* final deck\r\n");
    WriteBytes(quorvel_ + QStringLiteral("/PELMARK_GHX2.PZD"), "* final deck made on Windows\r\n");
  }

  void useFixture(const QString& name) {
    const QDir from(fixture(name));
    for (const QString& file : {QStringLiteral("optVars.dck"), QStringLiteral("OutputListingMain.txt")})
      if (from.exists(file)) {
        ASSERT_TRUE(QFile::copy(from.filePath(file), work_ + QLatin1Char('/') + file));
      }
  }

  int run(const QStringList& unset = {}) {
    QProcess p;
    p.setWorkingDirectory(work_);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : unset) env.remove(name);
    env.insert(QStringLiteral("ZANTOR_TRACE"), trace_);
    p.setProcessEnvironment(env);
    p.start(prog_ + QStringLiteral("/optavin"), {});
    EXPECT_TRUE(p.waitForFinished(10000));
    out_ = p.readAllStandardOutput();
    err_ = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  }

  // The engine's arguments as the stand-in recorded them, "Q" for the engine folder.
  QStringList engineArguments() const {
    QStringList args;
    for (const QByteArray& line : ReadBytes(trace_).split('\n'))
      if (line.startsWith("arg "))
        args << QString::fromUtf8(line.mid(4)).replace(quorvel_, QStringLiteral("Q"));
    return args;
  }
  QByteArray variableFile() const { return ReadBytes(work_ + QStringLiteral("/optVars.dck")); }

  QTemporaryDir dir_;
  QString root_, prog_, quorvel_, work_, trace_;
  QByteArray out_, err_;
};

TEST_F(OptavinProgram, RewritesTheVariablesAndRunsTheFinalDeck) {
  struct Case {
    const char* fixture;
    QStringList engine;
  } cases[] = {
      {"hysol", {QStringLiteral("Q/Pelmark_hySol2.pzd"), QStringLiteral("/h"), QStringLiteral("/n")}},
      {"ten", {QStringLiteral("Q/PELMARK_GHX2.PZD"), QStringLiteral("/h"), QStringLiteral("/n")}},
      {"nolisting", {QStringLiteral("Q/")}},
      // A final deck that is missing is the engine's to report.
      {"column1", {QStringLiteral("Q/Pelmark_conv2.pzd"), QStringLiteral("/h"), QStringLiteral("/n")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fixture);
    QDir(work_).removeRecursively();
    QDir().mkpath(work_);
    QFile::remove(trace_);
    useFixture(QString::fromUtf8(c.fixture));
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(out_, QByteArray(kBanner));
    EXPECT_EQ(err_, QByteArray());
    EXPECT_EQ(variableFile(),
              ReadBytes(fixture(QString::fromUtf8(c.fixture)) + QStringLiteral("/expected.dck")));
    EXPECT_EQ(engineArguments(), c.engine);
    EXPECT_TRUE(ReadBytes(trace_).contains("cwd " + work_.toUtf8()))
        << "the engine runs in the current folder";
    EXPECT_EQ(QDir(work_).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".~")), QStringList())
        << "no temporary file is left";
  }
}

TEST_F(OptavinProgram, RunsWithoutADisplay) {
  useFixture(QStringLiteral("hysol"));
  EXPECT_EQ(run({QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")}),
            0);
  EXPECT_EQ(out_, QByteArray(kBanner));
  EXPECT_EQ(err_, QByteArray());
  EXPECT_EQ(variableFile(), ReadBytes(fixture(QStringLiteral("hysol/expected.dck"))));
  EXPECT_EQ(engineArguments(), (QStringList{QStringLiteral("Q/Pelmark_hySol2.pzd"), QStringLiteral("/h"),
                                            QStringLiteral("/n")}));
}

TEST_F(OptavinProgram, AnUnusableInputStopsBeforeWritingOrRunning) {
  struct Case {
    const char* fixture;
    const char* message;
  } cases[] = {
      {"missing", "Optavin: cannot open optVars.dck: No such file or directory\n"},
      {"eleven", "Optavin: optVars.dck, line 4: the count of variables must be 0 to 10, not 11\n"},
      {"badvalue",
       "Optavin: OutputListingMain.txt, line 2: a number for variable 2 of 2 was expected, not "
       "\"Minimum\"\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fixture);
    QDir(work_).removeRecursively();
    QDir().mkpath(work_);
    useFixture(QString::fromUtf8(c.fixture));
    const QByteArray before = variableFile();
    EXPECT_EQ(run(), kExitInput);
    EXPECT_EQ(out_, QByteArray(kBanner));
    EXPECT_EQ(err_, QByteArray(c.message));
    EXPECT_EQ(variableFile(), before);
    EXPECT_EQ(QDir(work_).exists(QStringLiteral("optVars.dck")), !before.isEmpty()) << "nothing is created";
    EXPECT_FALSE(QFile::exists(trace_)) << "the engine must not run";
  }
}

TEST_F(OptavinProgram, AVariableFileWithoutWritePermissionIsLeftAlone) {
  useFixture(QStringLiteral("hysol"));
  const QString path = work_ + QStringLiteral("/optVars.dck");
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  const QByteArray before = variableFile();
  EXPECT_EQ(run(), kExitInput);
  EXPECT_EQ(err_, QByteArray("Optavin: cannot write optVars.dck: Permission denied\n"));
  EXPECT_EQ(variableFile(), before);
  EXPECT_FALSE(QFile::exists(trace_)) << "the engine must not run";
}

TEST_F(OptavinProgram, AnEngineThatCannotStartIsAFailure) {
  ASSERT_TRUE(QFile::remove(quorvel_ + QStringLiteral("/Zantor")));
  useFixture(QStringLiteral("hysol"));
  EXPECT_EQ(run(), kExitEngine);
  EXPECT_EQ(err_, "Optavin: cannot start " + quorvel_.toUtf8() + "/Zantor: No such file or directory\n");
  EXPECT_EQ(variableFile(), ReadBytes(fixture(QStringLiteral("hysol/expected.dck"))));
}

TEST_F(OptavinProgram, NamesOfTheFilesAreFoundWithoutRegardToCase) {
  useFixture(QStringLiteral("hysol"));
  ASSERT_TRUE(QFile::rename(work_ + QStringLiteral("/optVars.dck"), work_ + QStringLiteral("/OPTVARS.DCK")));
  ASSERT_TRUE(QFile::rename(work_ + QStringLiteral("/OutputListingMain.txt"),
                            work_ + QStringLiteral("/outputlistingmain.TXT")));
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(ReadBytes(work_ + QStringLiteral("/OPTVARS.DCK")),
            ReadBytes(fixture(QStringLiteral("hysol/expected.dck"))));
  EXPECT_FALSE(QFile::exists(work_ + QStringLiteral("/optVars.dck")));
}

TEST_F(OptavinProgram, TheEngineStandInTakesTheBareFolderOfCodeThree) {
  QProcess p;
  p.setWorkingDirectory(work_);
  p.start(quorvel_ + QStringLiteral("/Zantor"), {quorvel_ + QLatin1Char('/')});
  ASSERT_TRUE(p.waitForFinished(10000));
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
}

TEST_F(OptavinProgram, EndsWhatTheOptimizerStandInLeaves) {
  WriteBytes(quorvel_ + QStringLiteral("/Pelmark_hySol1.dck"), "* run deck\r\n");
  QProcess optimizer;
  optimizer.setWorkingDirectory(work_);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("ZANTOR_TRACE"), trace_);
  optimizer.setProcessEnvironment(env);
  optimizer.start(test::OptimizerPath(),
                  {QStringLiteral("41"), quorvel_ + QStringLiteral("\\Pelmark_hySol1.dck"),
                   QStringLiteral("T_SET=20"), QStringLiteral("FLOW=1.5")});
  ASSERT_TRUE(optimizer.waitForFinished(10000));
  ASSERT_EQ(optimizer.exitCode(), 0) << optimizer.readAllStandardError().toStdString();
  EXPECT_EQ(engineArguments().count(QStringLiteral("Q/Pelmark_hySol1.dck")), 4) << "four evaluations";

  EXPECT_EQ(run(), 0);
  EXPECT_EQ(variableFile(),
            QByteArray("******************************\r\n* Device 41\r\n******************************\r\n"
                       "EQUATIONS 2\r\nT_SET =                  25.00\r\n"
                       "FLOW =                    2.80\r\n"));
  EXPECT_EQ(engineArguments().mid(8), (QStringList{QStringLiteral("Q/Pelmark_hySol2.pzd"),
                                                   QStringLiteral("/h"), QStringLiteral("/n")}));
}

TEST(EngineArguments, FinalDeckByConfigurationCode) {
  QTemporaryDir dir;
  const std::string q = dir.path().toStdString() + "/Quorvel";
  const struct {
    int code;
    const char* deck;
  } cases[] = {{1, "Pelmark_coDFC2.pzd"}, {2, "Pelmark_conv2.pzd"},   {4, "Pelmark_ghx2.pzd"},
               {5, "Pelmark_hyDFC2.pzd"}, {6, "Pelmark_hybrid2.pzd"}, {41, "Pelmark_hySol2.pzd"},
               {42, "Pelmark_hyboi2.pzd"}};
  for (const auto& c : cases)
    EXPECT_EQ(EngineArguments(q, c.code),
              (std::vector<std::string>{q + "/Zantor", q + "/" + c.deck, "/h", "/n"}));
  for (int code : {0, 3, 7, 99, -1})
    EXPECT_EQ(EngineArguments(q, code), (std::vector<std::string>{q + "/Zantor", q + "/"}));
  EXPECT_EQ(OptavinEngineCommand({"/a b/Zantor", "/a b/d.pzd", "/h"}), "\"/a b/Zantor\" \"/a b/d.pzd\" /h");
}

}  // namespace
}  // namespace pm::optavin
