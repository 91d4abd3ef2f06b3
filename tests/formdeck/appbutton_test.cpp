#include "formdeck/ui/appbutton.h"

#include "common/settings.h"
#include "formdeck/fakeform.h"
#include "support/scriptedui.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace pm {
namespace {

class AppButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("my tools")));
    program = dir.filePath(QStringLiteral("my tools/viewer"));
    QFile f(program);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    button.LinkIndex = 2;
    button.Arguments = QStringLiteral("-run flow.dat");
  }
  QTemporaryDir dir;
  QString program;
  test::RecordedRuns runs;
  QStringList& commands = runs.commands;
  TAppButton button{nullptr};
};

TEST_F(AppButtonTest, RunsTheLinkProgramQuotedWhenItHoldsABlank) {
  DefaultSettings().AppLinkPaths[2] = program;
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(commands, QStringList{QLatin1Char('"') + program + QStringLiteral("\" -run flow.dat")});
}

TEST_F(AppButtonTest, WithoutALinkProgramTheArgumentsRunAlone) {
  DefaultSettings().AppLinkPaths[2].clear();
  button.Arguments = QStringLiteral("  notes.txt");
  button.AppButtonClicked();
  button.LinkIndex = 0;
  button.AppButtonClicked();
  EXPECT_EQ(commands, (QStringList{QStringLiteral("notes.txt"), QStringLiteral("notes.txt")}));
}

TEST_F(AppButtonTest, AMissingProgramIsOfferedForBrowsing) {
  test::ScriptedUi ui;
  const QString missing = dir.filePath(QStringLiteral("gone"));
  DefaultSettings().AppLinkPaths[2] = missing;
  ui.answer(ModalResult::No);
  button.AppButtonClicked();
  EXPECT_TRUE(commands.isEmpty());
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.texts().front(), QStringLiteral("Application link ") + missing +
                                    QStringLiteral(" was not found.  Do you want to browse to locate this file?"));
  EXPECT_EQ(ui.messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(ui.messages()[0].beepBefore);

  ui.answer(ModalResult::Yes);  // then the dialog is cancelled
  button.AppButtonClicked();
  EXPECT_TRUE(commands.isEmpty());
  EXPECT_EQ(ui.fileRequests().back().fileName, missing);

  ui.answer(ModalResult::Yes);
  ui.answerFile(program);
  button.AppButtonClicked();
  EXPECT_EQ(DefaultSettings().AppLinkPaths[2], program);
  EXPECT_EQ(commands, QStringList{QLatin1Char('"') + program + QStringLiteral("\" -run flow.dat")});
}

}  // namespace
}  // namespace pm
