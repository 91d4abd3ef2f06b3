#include "platform/programidentity.h"

#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

using test::WriteBytes;

constexpr QFile::Permissions kProgram = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

TEST(ProgramIdentityTest, RunModeComesFromTheNameInAnyCase) {
  struct Case {
    const char* name;
    int mode;
  } cases[] = {
      {"OSTREL.EXE", 0}, {"ostrel", 0},  {"MivaroX.exe", 0}, {"mivaro", 0},   {"MIVARO", 0},
      {"XOSTREL.EXE", 1}, {"pelmark", 1}, {"demo", 1},       {"mivar", 1},    {"", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(RuntimeModeForName(QLatin1String(c.name)), c.mode) << c.name;
}

TEST(ProgramIdentityTest, FolderKeepsItsCaseAndLinksAreNotResolved) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString root = dir.path();
  ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("Real/Bin")));
  ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("Demo Folder")));
  WriteBytes(root + QStringLiteral("/Real/Bin/pelmark"), {}, kProgram);
  ASSERT_TRUE(QFile::link(root + QStringLiteral("/Real/Bin/pelmark"), root + QStringLiteral("/Demo Folder/Mivaro")));

  const ProgramIdentity id =
      IdentifyProgram(QStringLiteral("../Demo Folder/Mivaro"), root + QStringLiteral("/Real"), QString());
  EXPECT_EQ(id.ProgramPath, root + QStringLiteral("/Demo Folder/Mivaro"));
  EXPECT_EQ(id.ProgramFolder, root + QStringLiteral("/Demo Folder"));
  EXPECT_EQ(id.FileName, QStringLiteral("Mivaro"));
  EXPECT_EQ(id.RuntimeMode, 0);
}

TEST(ProgramIdentityTest, BareNameIsFoundThroughPath) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString root = dir.path();
  ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("a")));
  ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("b")));
  ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("cwd")));
  WriteBytes(root + QStringLiteral("/a/demo"), {});  // not executable: the shell passes it over
  WriteBytes(root + QStringLiteral("/b/demo"), {}, kProgram);
  const QString path = root + QStringLiteral("/a:") + root + QStringLiteral("/b");

  const ProgramIdentity id = IdentifyProgram(QStringLiteral("demo"), root + QStringLiteral("/cwd"), path);
  EXPECT_EQ(id.ProgramFolder, root + QStringLiteral("/b"));
  EXPECT_EQ(id.RuntimeMode, 1);
  // Not on PATH: taken from the current folder.
  EXPECT_EQ(AbsoluteProgramPath(QStringLiteral("other"), root + QStringLiteral("/cwd"), path),
            root + QStringLiteral("/cwd/other"));
  // An empty entry of PATH is the current folder, as for the shell; "." and
  // ".." go without looking at the disk.
  WriteBytes(root + QStringLiteral("/cwd/demo"), {}, kProgram);
  EXPECT_EQ(AbsoluteProgramPath(QStringLiteral("demo"), root + QStringLiteral("/cwd"), QStringLiteral("/nowhere:")),
            root + QStringLiteral("/cwd/demo"));
  EXPECT_EQ(AbsoluteProgramPath(QStringLiteral("./b/../b/demo"), root, QString()), root + QStringLiteral("/b/demo"));
}

TEST(ProgramIdentityTest, StartupFilesAreFoundBesideTheLinkWithoutRegardToCase) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString root = dir.path();
  ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("bin")));
  ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("proj")));
  WriteBytes(root + QStringLiteral("/bin/pelmark"), {}, kProgram);
  WriteBytes(root + QStringLiteral("/bin/demo.idx"), {});  // beside the target: must not count
  ASSERT_TRUE(QFile::link(root + QStringLiteral("/bin/pelmark"), root + QStringLiteral("/proj/demo")));
  const QString program = root + QStringLiteral("/proj/demo");

  EXPECT_TRUE(FindStartupFile(program, QStringLiteral(".IDX")).isEmpty());
  WriteBytes(root + QStringLiteral("/proj/DEMO.pzd"), {});
  EXPECT_EQ(FindStartupFile(program, QStringLiteral(".PZD")), root + QStringLiteral("/proj/DEMO.pzd"));
  WriteBytes(root + QStringLiteral("/proj/demo.idx"), {});
  EXPECT_EQ(FindStartupFile(program, QStringLiteral(".IDX")), root + QStringLiteral("/proj/demo.idx"));
  // A Windows-style name loses its ".exe" first.
  EXPECT_EQ(FindStartupFile(root + QStringLiteral("/proj/demo.EXE"), QStringLiteral(".IDX")),
            root + QStringLiteral("/proj/demo.idx"));
}

TEST(ProgramIdentityTest, RelativeArgumentIsTakenFromTheStartFolder) {
  EXPECT_EQ(AbsoluteArgument(QStringLiteral("decks/a.pzd"), QStringLiteral("/home/u/work")),
            QStringLiteral("/home/u/work/decks/a.pzd"));
  EXPECT_EQ(AbsoluteArgument(QStringLiteral("\"..\\b.pzd\""), QStringLiteral("/home/u/work")),
            QStringLiteral("/home/u/b.pzd"));
  EXPECT_EQ(AbsoluteArgument(QStringLiteral("/x/c.pzd"), QStringLiteral("/home/u")), QStringLiteral("/x/c.pzd"));
  EXPECT_TRUE(AbsoluteArgument(QString(), QStringLiteral("/home/u")).isEmpty());
}

}  // namespace
}  // namespace pm
