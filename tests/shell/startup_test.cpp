#include "shell/startup.h"

#include "shellfixture.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const char* name) const { return dir_.path() + QLatin1Char('/') + QLatin1String(name); }
  QTemporaryDir dir_;
};

TEST_F(StartupTest, CommandLineFileIsOpenedOrFallsBackByMode) {
  WriteBytes(Path("deck.pzd"), "*PLENZO\r\n");
  const QString program = Path("mivaro");
  struct Case {
    const char* argument;
    int mode;
    StartupOpen::Action action;
    bool sourceMode;
  } cases[] = {
      {"deck.pzd", 0, StartupOpen::OpenFile, true},
      {"deck.pzd", 1, StartupOpen::OpenFile, false},
      {"DECK.PZD", 0, StartupOpen::OpenFile, true},  // found without regard to case
      {"none.pzd", 0, StartupOpen::Nothing, false},
      {"none.pzd", 1, StartupOpen::OpenDialog, false},
      {"", 0, StartupOpen::Nothing, false},
  };
  for (const Case& c : cases) {
    const QString argument = *c.argument ? Path(c.argument) : QString();
    const StartupOpen plan = PlanStartupOpen(argument, c.mode, program);
    EXPECT_EQ(plan.action, c.action) << c.argument << " mode " << c.mode;
    EXPECT_EQ(plan.sourceMode, c.sourceMode) << c.argument << " mode " << c.mode;
    if (c.action == StartupOpen::OpenFile) {
      EXPECT_EQ(plan.path, Path("deck.pzd"));
    }
  }
}

TEST_F(StartupTest, DedicatedModeLooksForItsIndexThenItsDeck) {
  const QString program = Path("demo");
  EXPECT_EQ(PlanStartupOpen(QString(), 1, program).action, StartupOpen::OpenDialog);
  WriteBytes(Path("Demo.PZD"), "*PLENZO\r\n");
  StartupOpen plan = PlanStartupOpen(QString(), 1, program);
  EXPECT_EQ(plan.action, StartupOpen::OpenFile);
  EXPECT_EQ(plan.path, Path("Demo.PZD"));
  EXPECT_FALSE(plan.sourceMode);
  WriteBytes(Path("demo.idx"), "t1\r\nt2\r\nt3\r\n");
  plan = PlanStartupOpen(QString(), 1, program);
  EXPECT_EQ(plan.action, StartupOpen::OpenIndex);
  EXPECT_EQ(plan.path, Path("demo.idx"));
  // Authoring mode starts with an empty frame.
  EXPECT_EQ(PlanStartupOpen(QString(), 0, Path("mivaro")).action, StartupOpen::Nothing);
}

TEST_F(StartupTest, TheProgramEndsWithAMessageWhenTheSettingsFileIsMissing) {
  const QString link = Path("mivaro");
  ASSERT_TRUE(QFile::link(QStringLiteral(PELMARK_BIN_DIR "/pelmark"), link));
  const QString log = Path("messages.log");
  QProcess process;
  ASSERT_TRUE(RunProgram(process, link, {}, QDir::tempPath(), QStringLiteral("default"), log))
      << "the program did not end";
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_NE(process.exitCode(), 0);
  EXPECT_EQ(ReadBytes(log), (QStringLiteral("0\tPlease copy the Mivaro.DFT file into the ") + dir_.path() +
                             QStringLiteral(" directory.\n"))
                                .toUtf8());
  EXPECT_FALSE(QFileInfo::exists(Path("Mivaro.FNL")));
}

}  // namespace
}  // namespace pm::test
