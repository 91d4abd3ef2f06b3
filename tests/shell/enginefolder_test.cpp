// The engine folder of a run: settled from the settings, the program folder
// or the folder dialog.
#include "shell/enginefolder.h"

#include <gtest/gtest.h>

#include <QDir>

#include "common/globals.h"
#include "common/settings.h"
#include "shellfixture.h"
#include "support/standins.h"

namespace pm::test {
namespace {

class EngineFolderTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    savedSettings_ = DefaultSettings();
    G().ProgramFolder = folder_;
  }
  void TearDown() override {
    DefaultSettings() = savedSettings_;
    ProgramFolderTest::TearDown();
  }
  DefaultSettingsRecord savedSettings_;
};

TEST(StripTrailingBackslash, TakesOneSeparator) {
  EXPECT_EQ(StripTrailingBackslash(QStringLiteral("C:\\Quorvel\\")), QStringLiteral("C:\\Quorvel"));
  EXPECT_EQ(StripTrailingBackslash(QStringLiteral("/opt/q//")), QStringLiteral("/opt/q/"));
  EXPECT_EQ(StripTrailingBackslash(QStringLiteral("/opt/q")), QStringLiteral("/opt/q"));
}

TEST_F(EngineFolderTest, TheSettingsFolderIsUsedWhenTheEngineIsThere) {
  DefaultSettings().EngineFolder = BinDir() + QLatin1Char('/');
  EXPECT_EQ(EnsureEngineFolder(nullptr, folder_, false), ZantorPath());
  EXPECT_EQ(DefaultSettings().EngineFolder, BinDir());
  EXPECT_TRUE(ui_.texts().isEmpty());
}

TEST_F(EngineFolderTest, TheProgramFolderWinsInADedicatedApplication) {
  WriteBytes(folder_ + QStringLiteral("/Zantor"), "#!/bin/sh\n", QFile::ReadOwner | QFile::ExeOwner);
  DefaultSettings().EngineFolder = BinDir();
  EXPECT_EQ(EnsureEngineFolder(nullptr, folder_, true), folder_ + QStringLiteral("/Zantor"));
  EXPECT_EQ(DefaultSettings().EngineFolder, folder_);
}

TEST_F(EngineFolderTest, AFolderTheSettingsCannotHoldIsRefusedAndAskedAgain) {
  DefaultSettings().EngineFolder = folder_ + QStringLiteral("/missing");
  const QString tooLong = QLatin1Char('/') + QString(300, QLatin1Char('q'));
  ui_.answerFolder(tooLong);
  ui_.answerFolder(BinDir());
  EXPECT_EQ(EnsureEngineFolder(nullptr, folder_, false), ZantorPath());
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("The name of the chosen folder is too long: the settings "
                                                    "file holds at most 255 characters.")});
  EXPECT_EQ(DefaultSettings().EngineFolder, BinDir());
}

TEST_F(EngineFolderTest, CancelGivesNoEngine) {
  DefaultSettings().EngineFolder = QString();
  EXPECT_TRUE(EnsureEngineFolder(nullptr, folder_, false).isEmpty());
  EXPECT_EQ(DefaultSettings().EngineFolder, folder_);
}

}  // namespace
}  // namespace pm::test
