// The launchers of the outside tools: the folder question, the start without
// waiting, and the failures.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include "common/settings.h"
#include "shell/toollaunch.h"
#include "shellfixture.h"
#include "support/standins.h"

namespace pm::test {
namespace {

TEST(ToolCommandLineTest, OneSeparatorBetweenFolderAndProgram) {
  const struct {
    const char* folder;
    const char* command;
  } cases[] = {
      {"", "LOMIRA.exe"},
      {"d", "d/LOMIRA.exe"},
      {"d/", "d/LOMIRA.exe"},
      {"d\\", "d/LOMIRA.exe"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToolCommandLine(QLatin1String(c.folder), QStringLiteral("LOMIRA.exe")), QLatin1String(c.command))
        << c.folder;
  }
}

class ToolCommandsTest : public ProgramFolderTest {
 protected:
  // Writes the settings file with tool k's folder, then starts.
  void StartWithToolFolder(int k, const QString& folder) {
    QProcess mkdft;
    mkdft.start(QStringLiteral(PELMARK_BIN_DIR "/mkdft"),
                {QStringLiteral("--tool"), QString::number(k) + QLatin1Char('=') + folder,
                 folder_ + QStringLiteral("/Mivaro.DFT")});
    ASSERT_TRUE(mkdft.waitForFinished(10000));
    ASSERT_EQ(mkdft.exitCode(), 0);
    settings_ = ReadBytes(folder_ + QStringLiteral("/Mivaro.DFT"));
    Begin();
    ASSERT_EQ(DefaultSettings().ToolPaths[k], folder);
  }
  QString MakeFolder(const QString& name) {
    const QString path = folder_ + QLatin1Char('/') + name;
    QDir().mkpath(path);
    return path;
  }
  QByteArray settings_;
};

struct Launcher {
  void (TOSTRELFORM::*handler)();
  int k;
  const char* program;  // the executable less ".exe"
  const char* name;
};
const Launcher kLaunchers[] = {
    {&TOSTRELFORM::Savrel1Click, 1, "SAVREL40", "SAVREL"},
    {&TOSTRELFORM::Tembril1Click, 2, "TEMBRIL", "TEMBRIL"},
    {&TOSTRELFORM::Lomira1Click, 3, "LOMIRA", "LOMIRA"},
    {&TOSTRELFORM::Dolvane1Click, 4, "DOLVANE", "DOLVANE"},
    {&TOSTRELFORM::DEBUG1Click, 5, "Grenlo", "GRENLO"},
};

TEST_F(ToolCommandsTest, AMissingFolderIsAskedForAndKeptInMemoryOnly) {
  for (const Launcher& tool : kLaunchers) {
    SCOPED_TRACE(tool.name);
    TearDown();
    SetUp();
    ui_.clear();
    StartWithToolFolder(tool.k, folder_ + QStringLiteral("/gone"));
    const QString tools = MakeFolder(QStringLiteral("tools"));
    ASSERT_TRUE(QFile::link(ZantorPath(), tools + QLatin1Char('/') + QLatin1String(tool.program)));
    const QString before = QDir::currentPath();
    // A name the settings file cannot hold is refused; the dialog comes again.
    ui_.answerFolder(QLatin1Char('/') + QString(300, QLatin1Char('x')));
    ui_.answerFolder(tools + QLatin1Char('/'));
    (form_.get()->*tool.handler)();
    const QString title = QStringLiteral("Folder of ") + QLatin1String(tool.name);
    EXPECT_EQ(ui_.folderTitles(), (QStringList{title, title}));
    EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral(
                               "The name of the chosen folder is too long: the settings file holds at most "
                               "255 characters.")});
    EXPECT_EQ(ui_.beeps(), 1);
    EXPECT_EQ(DefaultSettings().ToolPaths[tool.k], tools);
    EXPECT_EQ(ReadBytes(folder_ + QStringLiteral("/Mivaro.DFT")), settings_);
    EXPECT_EQ(QDir::currentPath(), before);

    // Found now: no question, no message.
    ui_.clear();
    (form_.get()->*tool.handler)();
    EXPECT_TRUE(ui_.folderTitles().isEmpty());
    EXPECT_TRUE(ui_.texts().isEmpty());
    EXPECT_EQ(QDir::currentPath(), before);
  }
}

TEST_F(ToolCommandsTest, AToolThatCannotStartIsReported) {
  for (const Launcher& tool : kLaunchers) {
    SCOPED_TRACE(tool.name);
    TearDown();
    SetUp();
    ui_.clear();
    const QString tools = MakeFolder(QStringLiteral("tools"));
    StartWithToolFolder(tool.k, tools);
    const QString before = QDir::currentPath();
    const QString text = QStringLiteral(" encountered while trying to call ") + QLatin1String(tool.name);
    // Absent.
    (form_.get()->*tool.handler)();
    EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("Error 2") + text});
    ASSERT_EQ(ui_.messages().size(), 1u);
    EXPECT_TRUE(ui_.messages()[0].beepBefore);
    EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(QDir::currentPath(), before);
    // Present but not executable.
    WriteBytes(tools + QLatin1Char('/') + QLatin1String(tool.program), "not a program\n");
    ui_.clear();
    (form_.get()->*tool.handler)();
    EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("Error 13") + text});
    EXPECT_EQ(QDir::currentPath(), before);
  }
}

TEST_F(ToolCommandsTest, ACancelledFolderDialogDoesNothing) {
  StartWithToolFolder(3, folder_ + QStringLiteral("/gone"));
  form_->Lomira1Click();
  EXPECT_EQ(ui_.folderTitles(), QStringList{QStringLiteral("Folder of LOMIRA")});
  EXPECT_TRUE(ui_.texts().isEmpty());
  EXPECT_EQ(DefaultSettings().ToolPaths[3], folder_ + QStringLiteral("/gone"));
}

TEST_F(ToolCommandsTest, TheToolRunsInItsOwnFolder) {
  // A tool that records the folder it was started in.
  const QString tools = MakeFolder(QStringLiteral("tools"));
  const QString script = tools + QStringLiteral("/TEMBRIL");
  WriteBytes(script, "#!/bin/sh\npwd > ran.txt\n");
  QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
  StartWithToolFolder(2, tools);
  const QString before = QDir::currentPath();
  form_->Tembril1Click();
  EXPECT_TRUE(ui_.texts().isEmpty());
  EXPECT_EQ(QDir::currentPath(), before);
  EXPECT_TRUE(PumpUntil([&] { return QFile(tools + QStringLiteral("/ran.txt")).size() > 0; }));
  EXPECT_EQ(ReadBytes(tools + QStringLiteral("/ran.txt")).trimmed(), QDir(tools).canonicalPath().toUtf8());
}

}  // namespace
}  // namespace pm::test
