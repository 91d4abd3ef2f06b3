// The "Select Project" dialog through the real main window: the list, the
// preview, the open of the chosen deck in each run mode, and help.
#include "shell/ui/indexdlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "formdeck/picturemarkup.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/runstate.h"
#include "shell/ui/documents.h"
#include "shellfixture.h"
#include "support/fakeopenaction.h"

namespace pm::test {
namespace {

QString PictureFixture(const char* name) {
  return QStringLiteral(PELMARK_FIXTURES_DIR "/pictures/") + QLatin1String(name);
}

class IndexDlgTest : public ProgramFolderTest {
 protected:
  // A project beside the program folder: decks, pictures, help files and
  // the index naming them.
  void SetUp() override {
    ProgramFolderTest::SetUp();
    project_ = folder_ + QStringLiteral("/project");
    CopyOpeningFixture("plant.pzd", project_ + QStringLiteral("/plant.pzd"));
    CopyOpeningFixture("plant.pzd", project_ + QStringLiteral("/Sub/Tower.pzd"));
    CopyOpeningFixture("plain.dck", project_ + QStringLiteral("/plain.dck"));
    WriteBytes(project_ + QStringLiteral("/small.bmp"), ReadBytes(PictureFixture("small.bmp")));
    WriteBytes(project_ + QStringLiteral("/Sub/tower.jpg"), ReadBytes(PictureFixture("my plant.jpg")));
    WriteBytes(project_ + QStringLiteral("/notes.txt"), "not a picture");
    WriteBytes(project_ + QStringLiteral("/plant.html"), "<html>plant</html>");
    WriteBytes(project_ + QStringLiteral("/tower.chm"), "");
    WriteBytes(project_ + QStringLiteral("/manual/index.html"), "<html>manual</html>");
    index_ = project_ + QStringLiteral("/project.idx");
    WriteBytes(index_,
               "Heating plants\r\nOffice building\r\nChoose a deck\r\n"
               "Plant\r\nplant.pzd,small.bmp,plant.html\r\n"                  // 0
               "Tower\r\nSUB\\TOWER.PZD  sub\\Tower.JPG  tower.chm\r\n"       // 1
               "Gone\r\ngone.pzd small.bmp plant.html\r\n"                   // 2
               "No picture\r\nplant.pzd notes.txt manual.chm\r\n"             // 3
               "Plain\r\nplain.dck\r\n");                                   // 4
  }

  std::unique_ptr<TIndexDlg> Dialog() {
    auto dialog = std::make_unique<TIndexDlg>(*form_);
    dialog->IndexFile = index_;
    dialog->show();
    return dialog;
  }

  QString project_;
  QString index_;
};

TEST_F(IndexDlgTest, ShowsTheTitlesAndEntriesWithOkOffAndHelpOn) {
  Begin();
  auto dialog = Dialog();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Project"));
  EXPECT_EQ(dialog->Label1->text(), QStringLiteral("Heating plants"));
  EXPECT_EQ(dialog->Label2->text(), QStringLiteral("Office building"));
  EXPECT_EQ(dialog->Label3->text(), QStringLiteral("Choose a deck"));
  QStringList texts;
  for (int i = 0; i < dialog->theList->count(); ++i) texts << dialog->theList->item(i)->text();
  EXPECT_EQ(texts, (QStringList{QStringLiteral("Plant"), QStringLiteral("Tower"), QStringLiteral("Gone"),
                                QStringLiteral("No picture"), QStringLiteral("Plain")}));
  EXPECT_FALSE(dialog->OKBtn->isEnabled());
  EXPECT_TRUE(dialog->HelpBtn->isEnabled());
  EXPECT_EQ(dialog->SelectedObject(), nullptr);
}

TEST_F(IndexDlgTest, SelectingAnEntryPreviewsItsPictureAndSetsOkAndHelp) {
  Begin();
  auto dialog = Dialog();
  struct Case {
    int row;
    QString picture;  // empty: the preview is cleared
    bool ok;
    bool help;
  };
  const Case cases[] = {
      {0, project_ + QStringLiteral("/small.bmp"), true, true},
      {1, project_ + QStringLiteral("/Sub/tower.jpg"), true, true},
      // A missing deck: OK off, no picture, Help left on.
      {2, QString(), false, true},
      // Not a picture; the help is the rendition folder named like it.
      {3, QString(), true, true},
      {4, QString(), true, false},
      {0, project_ + QStringLiteral("/small.bmp"), true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    dialog->theList->setCurrentRow(c.row);  // as the arrow keys select
    EXPECT_EQ(dialog->OKBtn->isEnabled(), c.ok);
    EXPECT_EQ(dialog->HelpBtn->isEnabled(), c.help);
    if (c.picture.isEmpty()) {
      EXPECT_TRUE(dialog->Picture().isNull());
      EXPECT_TRUE(dialog->Image1->pixmap().isNull());
    } else {
      const QImage expected = LoadPictureFile(c.picture);
      ASSERT_FALSE(expected.isNull());
      EXPECT_EQ(dialog->Picture(), expected);
      // 48 x 32 scaled into the preview area, proportions kept.
      EXPECT_EQ(dialog->Image1->pixmap().size(), QSize(240, 160));
    }
  }
  // A mouse click selects and previews as well.
  dialog->theList->setCurrentRow(2);
  const QRect row1 = dialog->theList->visualItemRect(dialog->theList->item(1));
  QTest::mouseClick(dialog->theList->viewport(), Qt::LeftButton, {}, row1.center());
  EXPECT_EQ(dialog->Picture(), LoadPictureFile(project_ + QStringLiteral("/Sub/tower.jpg")));
  EXPECT_TRUE(dialog->OKBtn->isEnabled());
}

TEST_F(IndexDlgTest, OkOrADoubleClickWithoutAnEntryDoesNothing) {
  Begin();
  auto dialog = Dialog();
  dialog->theListDblClick();
  dialog->OKBtnClick();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), 0);
  EXPECT_TRUE(ui_.messages().empty());
  EXPECT_TRUE(Children().isEmpty());
}

TEST_F(IndexDlgTest, AMissingDeckIsReportedOkKeepsTheDialogADoubleClickClosesIt) {
  Begin();
  auto dialog = Dialog();
  dialog->theList->setCurrentRow(2);
  dialog->OKBtnClick();
  ASSERT_EQ(ui_.texts(), QStringList{QStringLiteral("File gone.pzd was not found")});
  EXPECT_TRUE(ui_.messages()[0].beepBefore);
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), 0);
  // The index was read again after the message.
  EXPECT_EQ(dialog->SelectedObject(), nullptr);
  EXPECT_FALSE(dialog->OKBtn->isEnabled());

  const QRect gone = dialog->theList->visualItemRect(dialog->theList->item(2));
  // As a real double click comes: a click, then the second press.
  QTest::mouseClick(dialog->theList->viewport(), Qt::LeftButton, {}, gone.center());
  QTest::mouseDClick(dialog->theList->viewport(), Qt::LeftButton, {}, gone.center());
  QTest::mouseRelease(dialog->theList->viewport(), Qt::LeftButton, {}, gone.center());
  EXPECT_EQ(ui_.texts().size(), 2);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_TRUE(Children().isEmpty());
}

// The deck opens from the index's folder whatever the current folder; in
// authoring mode a ".PZD" opens for editing, with its Source tab.
TEST_F(IndexDlgTest, OkOpensTheDeckFromTheIndexFolderByRunMode) {
  struct Case {
    const char* program;
    int row;
    QString deck;
    bool source;
  };
  const Case cases[] = {
      {"mivaro", 0, QStringLiteral("/plant.pzd"), true},
      {"mivaro", 1, QStringLiteral("/Sub/Tower.pzd"), true},
      {"demo", 1, QStringLiteral("/Sub/Tower.pzd"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + std::to_string(c.row));
    Begin(QLatin1String(c.program));
    QDir::setCurrent(folder_);
    auto dialog = Dialog();
    dialog->theList->setCurrentRow(c.row);
    dialog->OKBtnClick();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    auto* plenzo = Only<TPlenzoForm>();
    ASSERT_NE(plenzo, nullptr);
    EXPECT_EQ(plenzo->FileName(), project_ + c.deck);
    EXPECT_EQ(plenzo->HasSourceTab(), c.source);
    EXPECT_EQ(dialog->Busy, 0);
  }
  EXPECT_TRUE(ui_.messages().empty());
}

// File/Open shows the dialog for any ".IDX", in either run mode; Cancel
// leaves everything as it was.
TEST_F(IndexDlgTest, FileOpenShowsTheDialogForAnIndex) {
  for (const char* program : {"mivaro", "demo"}) {
    SCOPED_TRACE(program);
    Begin(QLatin1String(program));
    QString shown;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<TIndexDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      shown = dialog->IndexFile + QLatin1Char(' ') + dialog->Label1->text();
      dialog->CancelBtn->click();
    });
    ui_.answerFile(index_);
    form_->Open1Click();
    EXPECT_EQ(shown, index_ + QStringLiteral(" Heating plants"));
    EXPECT_TRUE(Children().isEmpty());
    EXPECT_TRUE(quits_.empty());
  }
}

// In dedicated mode a deck that is no ".PZD" ends the program, once the
// modal dialog has closed.
TEST_F(IndexDlgTest, DedicatedModeEndsOnAnEntryThatIsNoPlenzoDeckOnceTheDialogHasClosed) {
  Begin(QStringLiteral("demo"));
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TIndexDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->theList->setCurrentRow(4);
    dialog->OKBtn->click();
  });
  form_->OpenProjectIndex(index_);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(quits_.empty());
  EXPECT_EQ(ui_.texts(), QStringList{project_ + QStringLiteral("/plain.dck is not a Plenzo file.")});
  ASSERT_TRUE(QTest::qWaitFor([&] { return !quits_.empty(); }));
  EXPECT_EQ(quits_, std::vector<int>{1});
  EXPECT_TRUE(Children().isEmpty());
}

// Cancel at a close question keeps what was open and the dialog with it;
// so does the refused restore point of an open form.
TEST_F(IndexDlgTest, CancelAtACloseQuestionOrARefusedWorkingCopyKeepsTheDialogOpen) {
  Begin(QStringLiteral("demo"));
  const QString first = CopyOpeningFixture("plant.pzd", folder_ + QStringLiteral("/first.pzd"));
  form_->ReadaFile(first);
  TPlenzoForm* plenzo = Only<TPlenzoForm>();
  ASSERT_NE(plenzo, nullptr);
  plenzo->Model().Changed = true;  // the user changed a value
  auto dialog = Dialog();
  ui_.clear();
  ui_.answer(ModalResult::Cancel);
  dialog->theList->setCurrentRow(0);
  dialog->OKBtnClick();
  EXPECT_EQ(ui_.texts(), QStringList{first + QStringLiteral(" has been changed.  Save it?")});
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), 0);
  EXPECT_EQ(Only<TPlenzoForm>(), plenzo);
  EXPECT_EQ(dialog->Busy, 0);

  // An index naming the open form's restore point.
  WriteBytes(index_, "A\r\nB\r\nC\r\nCopy\r\n..\\~temp.pzd\r\n");
  dialog->FormActivate();
  ui_.clear();
  dialog->theList->setCurrentRow(0);
  ASSERT_TRUE(dialog->OKBtn->isEnabled());
  dialog->theListDblClick();
  ASSERT_EQ(ui_.texts().size(), 1);
  EXPECT_TRUE(ui_.texts()[0].contains(QStringLiteral("is the working copy of")));
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(Only<TPlenzoForm>(), plenzo);
  EXPECT_TRUE(quits_.empty());
}

TEST_F(IndexDlgTest, NothingOpensWhileAProgramIsWaitedForOrADeckIsBeingOpened) {
  Begin();
  auto dialog = Dialog();
  dialog->theList->setCurrentRow(0);
  {
    RunGuard busy(form_->Runs);
    dialog->OKBtnClick();
    dialog->theListDblClick();
  }
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), 0);
  EXPECT_TRUE(Children().isEmpty());
  EXPECT_TRUE(ui_.messages().empty());

  // While busy the index is not read again.
  dialog->Busy = 1;
  WriteBytes(index_, "New\r\ntitles\r\nhere\r\n");
  dialog->FormActivate();
  EXPECT_EQ(dialog->Label1->text(), QStringLiteral("Heating plants"));
  EXPECT_EQ(dialog->theList->count(), 5);
  dialog->OKBtnClick();
  EXPECT_TRUE(Children().isEmpty());
  dialog->Busy = 0;
  dialog->FormActivate();
  EXPECT_EQ(dialog->Label1->text(), QStringLiteral("New"));
  EXPECT_EQ(dialog->theList->count(), 0);
}

TEST_F(IndexDlgTest, AMissingIndexGivesAnEmptyDialogWithoutAMessage) {
  Begin();
  auto dialog = std::make_unique<TIndexDlg>(*form_);
  dialog->IndexFile = project_ + QStringLiteral("/none.idx");
  dialog->show();
  EXPECT_TRUE(dialog->Label1->text().isEmpty());
  EXPECT_EQ(dialog->theList->count(), 0);
  EXPECT_TRUE(ui_.messages().empty());
}

// Help shows the entry's help file by the rule of the pictures' areas; with
// no entry chosen, the program's main topic.
TEST_F(IndexDlgTest, HelpShowsTheEntrysHelpFileOrTheMainTopic) {
  WriteBytes(folder_ + QStringLiteral("/help/index.html"), "<html>main</html>");
  LoadHelpControl(folder_);
  Begin();
  FakeHelp help;
  FakeOpenAction open;
  auto dialog = Dialog();
  struct Case {
    int row;  // -1: none chosen
    QString page;
    QString opened;
  };
  const Case cases[] = {
      {-1, folder_ + QStringLiteral("/help/index.html"), QString()},
      {0, project_ + QStringLiteral("/plant.html"), QString()},
      {3, project_ + QStringLiteral("/manual/index.html"), QString()},
      {1, QString(), project_ + QStringLiteral("/tower.chm")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    help.paths.clear();
    if (c.row >= 0) dialog->theList->setCurrentRow(c.row);
    dialog->HelpBtn->click();
    EXPECT_EQ(help.paths, c.page.isEmpty() ? QStringList() : QStringList{c.page});
    EXPECT_EQ(open.opened(), c.opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl::fromLocalFile(c.opened)});
  }
  UnloadHelpControl();
}

// The demo's own index: every entry previews its picture and opens its
// deck as a form in the dedicated demo program.
TEST_F(IndexDlgTest, EveryEntryOfTheDemoIndexPreviewsAndOpens) {
  const QDir demo(QStringLiteral(PELMARK_SOURCE_DIR "/examples/demo"));
  for (const QString& name : demo.entryList(QDir::Files)) {
    WriteBytes(folder_ + QLatin1Char('/') + name, ReadBytes(demo.filePath(name)));
  }
  for (const QString& name : QDir(demo.filePath(QStringLiteral("help"))).entryList(QDir::Files)) {
    WriteBytes(folder_ + QStringLiteral("/help/") + name, ReadBytes(demo.filePath(QStringLiteral("help/") + name)));
  }
  Begin(QStringLiteral("demo"));
  const QString index = folder_ + QStringLiteral("/demo.idx");
  const int count = static_cast<int>(ReadProjectIndex(index).Entries.size());
  ASSERT_GE(count, 2);
  for (int row = 0; row < count; ++row) {
    SCOPED_TRACE(row);
    TIndexDlg dialog(*form_);
    dialog.IndexFile = index;
    dialog.show();
    dialog.theList->setCurrentRow(row);
    EXPECT_FALSE(dialog.Picture().isNull());
    EXPECT_TRUE(dialog.HelpBtn->isEnabled());
    ASSERT_TRUE(dialog.OKBtn->isEnabled());
    dialog.OKBtnClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    auto* plenzo = Only<TPlenzoForm>();
    ASSERT_NE(plenzo, nullptr);
    EXPECT_FALSE(plenzo->Model().ParseFailed);
    EXPECT_FALSE(plenzo->HasSourceTab());
  }
  EXPECT_TRUE(ui_.messages().empty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace pm::test
