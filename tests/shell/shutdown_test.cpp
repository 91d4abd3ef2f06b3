#include "shellfixture.h"

#include <QAction>
#include <QCloseEvent>
#include <QRegularExpression>

namespace pm::test {
namespace {

class Stubborn final : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

class ShutdownTest : public ProgramFolderTest {};

TEST_F(ShutdownTest, ExitRemovesWorkingCopiesBesideEveryRecentFile) {
  const QString a = folder_ + QStringLiteral("/a");
  const QString b = folder_ + QStringLiteral("/b");
  const QString other = folder_ + QStringLiteral("/other");
  for (const QString& f : {a, b, other}) WriteBytes(f + QStringLiteral("/~temp.pzd"), "copy");
  WriteBytes(a + QStringLiteral("/x.pzd"), "deck");
  // b's deck is gone; its stale copy from an earlier run goes all the same.
  WriteBytes(folder_ + QStringLiteral("/Mivaro.FNL"),
             (a + QStringLiteral("/x.pzd\n") + b + QStringLiteral("/gone.pzd\nrel.pzd\n")).toUtf8());
  TOSTRELFORM* form = Start();
  form->show();
  form->Item(QStringLiteral("Exit1"))->trigger();
  EXPECT_TRUE(form->isHidden());
  EXPECT_TRUE(G().ShellClosing);
  EXPECT_FALSE(QFileInfo::exists(a + QStringLiteral("/~temp.pzd")));
  EXPECT_FALSE(QFileInfo::exists(b + QStringLiteral("/~temp.pzd")));
  EXPECT_TRUE(QFileInfo::exists(other + QStringLiteral("/~temp.pzd")));
  EXPECT_TRUE(QFileInfo::exists(a + QStringLiteral("/x.pzd")));
  EXPECT_TRUE(QFileInfo::exists(folder_ + QStringLiteral("/Mivaro.FNL")));
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(ShutdownTest, ExitKeepsADeckNamedLikeTheWorkingCopy) {
  const QString deck = folder_ + QStringLiteral("/c/~temp.pzd");
  WriteBytes(deck, "*PLENZO\r\n");
  WriteBytes(folder_ + QStringLiteral("/c/y.pzd"), "deck");
  WriteBytes(folder_ + QStringLiteral("/Mivaro.FNL"),
             (folder_ + QStringLiteral("/c/y.pzd\n") + deck + QStringLiteral("\n")).toUtf8());
  TOSTRELFORM* form = Start();
  form->show();
  form->Item(QStringLiteral("Exit1"))->trigger();
  EXPECT_TRUE(form->isHidden());
  EXPECT_EQ(ReadBytes(deck), QByteArray("*PLENZO\r\n"));
}

TEST_F(ShutdownTest, ADocumentThatRefusesToCloseKeepsTheProgramRunning) {
  TOSTRELFORM* form = Start();
  form->show();
  form->MdiArea()->addSubWindow(new Stubborn)->show();
  form->ReadaFile(QStringLiteral("/d/deck.pzd"));
  form->Exit1Click();
  EXPECT_FALSE(form->isHidden());
  EXPECT_TRUE(G().ShellClosing);  // stays set, as before
  EXPECT_FALSE(QFileInfo::exists(folder_ + QStringLiteral("/Mivaro.FNL")));
}

TEST_F(ShutdownTest, ExitWaitsForARunCommandInProgress) {
  TOSTRELFORM* form = Start();
  form->show();
  {
    RunGuard running(form->Runs);
    form->Exit1Click();
    EXPECT_FALSE(form->isHidden());
  }
  form->Exit1Click();
  EXPECT_TRUE(form->isHidden());
}

TEST_F(ShutdownTest, AFailedWriteOfTheListIsReported) {
  ASSERT_TRUE(QDir(folder_).mkdir(QStringLiteral("Mivaro.FNL")));  // a folder in the way
  TOSTRELFORM* form = Start();
  form->show();
  form->RecentFiles.Add(QStringLiteral("/d/deck.pzd"));
  form->Exit1Click();
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
  const QRegularExpression expected(QStringLiteral("^Error \\d+ was encountered while trying to write file ") +
                                    QRegularExpression::escape(folder_ + QStringLiteral("/Mivaro.FNL")) +
                                    QStringLiteral("$"));
  EXPECT_TRUE(expected.match(ui_.messages()[0].text).hasMatch()) << ui_.messages()[0].text.toStdString();
  form_.reset();
  EXPECT_EQ(ui_.messages().size(), 1u);  // reported once
}

}  // namespace
}  // namespace pm::test
