#include "formdeck/ui/myimage.h"

#include "common/settings.h"
#include "formdeck/fakeform.h"
#include "support/fakehelp.h"
#include "support/fakeopenaction.h"
#include "support/scriptedui.h"
#include "platform/ui/plainhint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

class ImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    image = new TmyImage(&form);
    image->SetPicture(QImage(200, 100, QImage::Format_RGB32));
    image->OnClick = TmyImage::Click::HandleHRef;
    tool = dir.filePath(QStringLiteral("tool.sh"));
    QFile f(tool);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  void area(const QString& href, const QRect& r, const QString& hint = QString()) {
    image->AddArea(href);
    image->Areas.back() = r;
    image->Hints.back() = hint;
  }

  test::FakeForm form;
  TmyImage* image = nullptr;
  QTemporaryDir dir;
  QString tool;
  test::RecordedRuns runs;
  QStringList& commands = runs.commands;
};

TEST_F(ImageTest, AreasLeadToTabsAndPrograms) {
  test::ScriptedUi ui;
  area(QStringLiteral("#Pumps"), QRect(0, 0, 50, 50));
  area(tool + QStringLiteral("@abc"), QRect(50, 0, 50, 50));
  area(tool, QRect(100, 0, 50, 50));
  image->HandleHRef(QPoint(10, 10));
  // The target goes as written; the tab is found without regard to case.
  EXPECT_EQ(form.tabCalls, QStringList{QStringLiteral("Pumps")});
  image->HandleHRef(QPoint(60, 10));
  image->HandleHRef(QPoint(149, 49));
  image->HandleHRef(QPoint(150, 10));  // right of every area
  EXPECT_EQ(commands, (QStringList{tool, tool}));
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(ImageTest, AMissingTargetIsOfferedForBrowsingAndRefusingRunsNothing) {
  test::ScriptedUi ui;
  const QString missing = dir.filePath(QStringLiteral("gone.exe"));
  area(missing, QRect(0, 0, 50, 50));
  ui.answer(ModalResult::No);
  image->HandleHRef(QPoint(1, 1));
  EXPECT_TRUE(commands.isEmpty());
  ASSERT_EQ(ui.texts().size(), 1);
  EXPECT_EQ(ui.texts().front(), QStringLiteral("File ") + missing +
                                    QStringLiteral(" was not found.  Do you want to browse to locate this file?"));
  ui.answer(ModalResult::Yes);
  ui.answerFile(tool);
  image->HandleHRef(QPoint(1, 1));
  EXPECT_EQ(commands, QStringList{tool});
}

TEST_F(ImageTest, ALinkedPictureRunsItsArgumentsWithTheLinkProgram) {
  image->OnClick = TmyImage::Click::StartBrowser;
  image->AddArea(QStringLiteral("-open data.txt"));
  image->LinkIndex = 99;
  image->StartBrowser();
  DefaultSettings().AppLinkPaths[3] = tool;
  image->LinkIndex = 3;
  image->StartBrowser();
  EXPECT_EQ(commands, (QStringList{QStringLiteral("-open data.txt"), tool + QStringLiteral(" -open data.txt")}));
}

TEST_F(ImageTest, HintsFollowTheMouseAndCtrlOutlinesTheArea) {
  area(QStringLiteral("#A"), QRect(10, 20, 100, 60), QStringLiteral("Pump data"));
  image->MouseMove(QPoint(5, 5), Qt::NoModifier, QPoint());
  EXPECT_TRUE(image->LastHint.isEmpty());
  image->MouseMove(QPoint(15, 25), Qt::NoModifier, QPoint());
  EXPECT_EQ(image->toolTip(), PlainHint(QStringLiteral("Pump data")));
  EXPECT_EQ(image->LastHint, QStringLiteral("Pump data"));
  EXPECT_TRUE(image->Outline.isNull());
  image->MouseMove(QPoint(15, 25), Qt::ControlModifier, QPoint());
  EXPECT_EQ(image->Outline, QRect(10, 20, 100, 60));
}

TEST_F(ImageTest, OutsideEveryAreaThePictureShowsItsOwnHintNeverTheLastAreas) {
  area(QStringLiteral("#A"), QRect(10, 20, 100, 60), QStringLiteral("Ground loop  <b>pumps</b> &amp; valves"));
  for (const QString& own : {QStringLiteral("The plant"), QString()}) {
    image->PictureHint = own;
    image->MouseMove(QPoint(15, 25), Qt::NoModifier, QPoint());
    // Shown as written: markup, entities and double blanks are its text.
    EXPECT_EQ(image->toolTip(), PlainHint(QStringLiteral("Ground loop  <b>pumps</b> &amp; valves")));
    image->MouseMove(QPoint(150, 90), Qt::NoModifier, QPoint());
    EXPECT_EQ(image->toolTip(), PlainHint(own));
    EXPECT_TRUE(image->LastHint.isEmpty());
    EXPECT_EQ(image->cursor().shape(), Qt::ArrowCursor);
  }
}

TEST_F(ImageTest, AHelpFileAtAContextShowsItsHtmlPageOrGoesToTheOpenAction) {
  test::ScriptedUi ui;
  test::FakeHelp help;
  test::FakeOpenAction open;
  const QString chm = dir.filePath(QStringLiteral("Manual.chm"));
  QFile(chm).open(QIODevice::WriteOnly);
  area(chm + QStringLiteral("@12"), QRect(0, 0, 50, 50));
  area(chm + QStringLiteral("@13"), QRect(50, 0, 50, 50));
  image->HandleHRef(QPoint(1, 1));
  ASSERT_EQ(open.opened().size(), 1);
  EXPECT_EQ(open.opened()[0], QUrl::fromLocalFile(chm));
  EXPECT_TRUE(help.shown.isEmpty());

  // An HTML rendition beside it, found without regard to case.
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("manual")));
  for (const char* name : {"manual/index.html", "manual/pumps.html"}) QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
  QFile map(dir.filePath(QStringLiteral("manual/context.map")));
  ASSERT_TRUE(map.open(QIODevice::WriteOnly));
  map.write("12=pumps.html\n");
  map.close();
  image->HandleHRef(QPoint(1, 1));
  image->HandleHRef(QPoint(60, 1));  // no page for 13: the main topic
  EXPECT_EQ(help.shown, (QStringList{QStringLiteral("pumps.html"), QStringLiteral("index.html")}));
  EXPECT_EQ(open.opened().size(), 1);
  EXPECT_TRUE(commands.isEmpty());
}

// A help file that is itself an HTML page shows in the help window, found
// without regard to case.
TEST_F(ImageTest, AnHtmlHelpFileShowsInTheHelpWindow) {
  test::ScriptedUi ui;
  test::FakeHelp help;
  test::FakeOpenAction open;
  for (const char* name : {"Plant.htm", "tower.html"}) QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
  area(dir.filePath(QStringLiteral("plant.HTM@4")), QRect(0, 0, 50, 50));
  area(dir.filePath(QStringLiteral("tower.html@5")), QRect(50, 0, 50, 50));
  image->HandleHRef(QPoint(1, 1));
  image->HandleHRef(QPoint(60, 1));
  EXPECT_EQ(help.shown, (QStringList{QStringLiteral("Plant.htm"), QStringLiteral("tower.html")}));
  EXPECT_TRUE(open.opened().isEmpty());
  EXPECT_TRUE(ui.messages().empty());
}

TEST(AreaHelp, ExistsForTheFileOrItsRendition) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Manual")));
  QFile(dir.filePath(QStringLiteral("Manual/index.html"))).open(QIODevice::WriteOnly);
  QFile(dir.filePath(QStringLiteral("tower.chm"))).open(QIODevice::WriteOnly);
  EXPECT_TRUE(AreaHelpExists(dir.filePath(QStringLiteral("tower.chm"))));
  EXPECT_TRUE(AreaHelpExists(dir.filePath(QStringLiteral("manual.chm"))));  // only its rendition
  EXPECT_FALSE(AreaHelpExists(dir.filePath(QStringLiteral("gone.chm"))));
  EXPECT_FALSE(AreaHelpExists(QString()));
  EXPECT_FALSE(AreaHelpExists(QStringLiteral("\"\"")));
}

}  // namespace
}  // namespace pm
