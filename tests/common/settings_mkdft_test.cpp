#include "common/settings.h"

#include "support/testpaths.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

int RunMkdft(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(PELMARK_BIN_DIR "/mkdft"), args);
  if (!p.waitForFinished(10000)) return -1;
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

TEST(Mkdft, WritesTheFieldsItIsGiven) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Mivaro.DFT"));
  ASSERT_EQ(RunMkdft({QStringLiteral("--engine-folder"), QStringLiteral("/opt/eng"), QStringLiteral("--tool"),
                      QStringLiteral("2=/opt/tool2"), QStringLiteral("--units"), QStringLiteral("1"),
                      QStringLiteral("--compile"), QStringLiteral("cc -c"), QStringLiteral("--link"),
                      QStringLiteral("3=/bin/app"), QStringLiteral("--link-bitmap"), QStringLiteral("3=app.bmp"),
                      QStringLiteral("--color"), QStringLiteral("2=red"), QStringLiteral("--style"),
                      QStringLiteral("1=2"), path}),
            0);
  EXPECT_EQ(QFile(path).size(), kSettingsFileSize);
  DefaultSettingsRecord s;
  LinkBitmapNames b;
  ASSERT_EQ(ReadSettingsFile(path, &s, &b), 0);
  EXPECT_EQ(s.UnitSystem, 1);
  EXPECT_EQ(s.EngineFolder, QStringLiteral("/opt/eng"));
  EXPECT_EQ(s.ToolPaths[2], QStringLiteral("/opt/tool2"));
  EXPECT_EQ(s.CompileCommand, QStringLiteral("cc -c"));
  EXPECT_EQ(s.AppLinkPaths[3], QStringLiteral("/bin/app"));
  EXPECT_EQ(b[3], QStringLiteral("app.bmp"));
  EXPECT_EQ(s.EditorColors[2], 0x0000FFu);
  EXPECT_EQ(s.EditorStyles[1], 2);
  EXPECT_EQ(s.SourceFontSize, 10);
}

TEST(Mkdft, IfEngineMissingSetsOnlyAMissingEngineFolder) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Mivaro.DFT"));
  const auto run = [&](const QString& folder) {
    return RunMkdft({QStringLiteral("--if-engine-missing"), QStringLiteral("--engine-folder"), folder,
                     QStringLiteral("--units"), QStringLiteral("1"), path});
  };
  ASSERT_EQ(run(dir.path() + QStringLiteral("/gone")), 0);  // no file yet: written whole
  DefaultSettingsRecord s;
  LinkBitmapNames b;
  ASSERT_EQ(ReadSettingsFile(path, &s, &b), 0);
  EXPECT_EQ(s.UnitSystem, 1);
  s.UnitSystem = 2;
  ASSERT_EQ(WriteSettingsFile(path, s, b), 0);
  // The engine folder is missing: only it changes.
  ASSERT_EQ(run(dir.path()), 0);
  ASSERT_EQ(ReadSettingsFile(path, &s, &b), 0);
  EXPECT_EQ(s.EngineFolder, dir.path());
  EXPECT_EQ(s.UnitSystem, 2);
  // It exists: the file is kept.
  ASSERT_EQ(run(QStringLiteral("/elsewhere")), 0);
  ASSERT_EQ(ReadSettingsFile(path, &s, &b), 0);
  EXPECT_EQ(s.EngineFolder, dir.path());
}

TEST(Mkdft, WritesATailAndRefusesBadInput) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Mivaro.DFT"));
  ASSERT_EQ(RunMkdft({QStringLiteral("--tail-link"), QStringLiteral("/bin/t1|none.bmp"), QStringLiteral("--tail-count"),
                      QStringLiteral("9"), path}),
            0);
  EXPECT_EQ(QFile(path).size(), kSettingsFileSize + 4 + 256 + 18);
  DefaultSettingsRecord s;
  LinkBitmapNames b;
  ReadSettingsFile(path, &s, &b);
  EXPECT_EQ(s.AppLinkPaths[1], QStringLiteral("/bin/t1"));
  EXPECT_EQ(b[1], QString());

  const QString other = dir.filePath(QStringLiteral("other.DFT"));
  EXPECT_EQ(RunMkdft({QStringLiteral("--tool"), QStringLiteral("6=/x"), other}), 1);
  EXPECT_EQ(RunMkdft({QStringLiteral("--engine-folder"), QString(256, QLatin1Char('e')), other}), 1);
  EXPECT_FALSE(QFile::exists(other));
  // --if-missing leaves an existing file alone.
  EXPECT_EQ(RunMkdft({QStringLiteral("--if-missing"), path}), 0);
  EXPECT_EQ(QFile(path).size(), kSettingsFileSize + 4 + 256 + 18);
}

}  // namespace
}  // namespace pm
