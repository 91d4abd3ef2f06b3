// File and Edit commands on a form window showing its Source tab, through
// the real main window.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>

#include "common/globals.h"
#include "common/lib1.h"
#include "common/ui/finddialogs.h"
#include "formdeck/ui/formtabbar.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/windowhelpers.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

class SourceCommandsTest : public ProgramFolderTest {
 protected:
  // A deck opened for editing; its window is the active child on the
  // Source tab.
  TPlenzoForm* OpenDeck(const QByteArray& text = "*PLENZO\r\n*|*Heading\r\n") {
    Begin();
    deck = folder_ + QStringLiteral("/plant.pzd");
    WriteBytes(deck, text);
    form_->ReadaFile(deck);
    QMdiSubWindow* child = form_->MdiArea()->subWindowList().value(0);
    EXPECT_NE(child, nullptr);
    if (!child) return nullptr;
    form_->SetActiveChild(child);
    EXPECT_EQ(KindOfChild(child), KindFormSource);
    return qobject_cast<TPlenzoForm*>(child->widget());
  }
  void TypeAtEnd(TPlenzoForm* plenzo, const QString& line) {
    QTextCursor cursor = plenzo->Editor()->textCursor();
    cursor.movePosition(QTextCursor::End);
    plenzo->Editor()->setTextCursor(cursor);
    QTest::keyClick(plenzo->Editor(), Qt::Key_Return);
    QTest::keyClicks(plenzo->Editor(), line);
  }
  QString deck;
};

TEST_F(SourceCommandsTest, FileSaveReadsTheDeckAgainAfterAParseError) {
  TPlenzoForm* plenzo = OpenDeck();
  ASSERT_TRUE(plenzo);
  TypeAtEnd(plenzo, QStringLiteral("*|<FONT4> X"));
  QTabBar* bar = plenzo->TabControl();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  ASSERT_EQ(G().ParseErrorState, 100);
  ASSERT_EQ(ReadBytes(deck), "*PLENZO\r\n*|*Heading\r\n");  // the restore point came back

  // Put right and saved: the form is whole again.
  QTextCursor line(plenzo->Editor()->document()->findBlockByNumber(2));
  line.select(QTextCursor::BlockUnderCursor);
  line.insertText(QStringLiteral("\n*|<FONT2> ARIAL 12\n*|*Fixed"));
  ui_.clear();
  form_->Save1Click();
  EXPECT_TRUE(ui_.messages().empty()) << ui_.texts().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(ReadBytes(deck), "*PLENZO\r\n*|*Heading\r\n*|<FONT2> ARIAL 12\r\n*|*Fixed\r\n");
  EXPECT_EQ(ReadBytes(folder_ + QStringLiteral("/~temp.pzd")), ReadBytes(deck));
  EXPECT_FALSE(plenzo->Model().ParseFailed);
  EXPECT_FALSE(plenzo->SubWindow()->isHidden());
  EXPECT_EQ(plenzo->TabCount(), 2);
  EXPECT_TRUE(plenzo->TabControl()->isVisibleTo(plenzo));
  EXPECT_FALSE(plenzo->isHidden());
  EXPECT_EQ(KindOfChild(plenzo->SubWindow()), KindFormSource);
  EXPECT_EQ(plenzo->Model().Elements.OnPage(0).size(), 2u);
  EXPECT_EQ(G().ParseErrorState, 0);
  EXPECT_FALSE(plenzo->Editor()->document()->isModified());
  EXPECT_TRUE(plenzo->SourceSaved);
}

TEST_F(SourceCommandsTest, AFailedFileSaveSaysSoAndKeepsTheEdit) {
  TPlenzoForm* plenzo = OpenDeck();
  ASSERT_TRUE(plenzo);
  TypeAtEnd(plenzo, QStringLiteral("*|*More"));
  ASSERT_TRUE(QFile::remove(deck));
  ASSERT_TRUE(QDir().mkdir(deck));
  form_->Save1Click();
  EXPECT_EQ(ui_.texts(), QStringList{SaveErrorMessage(EISDIR, deck)});
  EXPECT_TRUE(plenzo->Editor()->document()->isModified());
  EXPECT_FALSE(plenzo->SourceSaved);
  // The restore point keeps the text at opening.
  EXPECT_EQ(ReadBytes(folder_ + QStringLiteral("/~temp.pzd")), "*PLENZO\r\n*|*Heading\r\n");
}

// Save as writes the text under the new name even when it was not edited.
TEST_F(SourceCommandsTest, SaveAsWritesTheUneditedText) {
  TPlenzoForm* plenzo = OpenDeck("*PLENZO\r\n\r\n*|*Heading\r\n");
  ASSERT_TRUE(plenzo);
  const QString target = folder_ + QStringLiteral("/copy.pzd");
  ui_.answerFile(target);
  form_->Saveas1Click();
  EXPECT_EQ(ReadBytes(target), "*PLENZO\r\n*\r\n*|*Heading\r\n");
  EXPECT_EQ(plenzo->FileName(), target);
  EXPECT_EQ(form_->InputFileName, target);
}

TEST_F(SourceCommandsTest, TheEditMenuActsOnTheSourceEditor) {
  TPlenzoForm* plenzo = OpenDeck();
  ASSERT_TRUE(plenzo);
  QPlainTextEdit* editor = plenzo->Editor();
  QTextCursor cursor(editor->document()->findBlockByNumber(1));
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  editor->setTextCursor(cursor);
  form_->Copy1Click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("*|*Heading"));
  form_->Cut1Click();
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("*PLENZO\n"));
  form_->Paste1Click();
  form_->Paste1Click();
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("*PLENZO\n*|*Heading*|*Heading"));
  form_->Undo1Click();
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("*PLENZO\n*|*Heading"));

  // On a form page the Source editor is out of reach.
  plenzo->ShowTab(1);
  ASSERT_EQ(KindOfChild(plenzo->SubWindow()), KindFormPages);
  form_->Paste1Click();
  form_->Undo1Click();
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("*PLENZO\n*|*Heading"));
}

TEST_F(SourceCommandsTest, FindReplaceAndSearchAgainUseTheFormsDialogs) {
  TPlenzoForm* plenzo = OpenDeck("*PLENZO\r\nTANK = 1\r\nTANK = 2\r\nTANK = 3\r\n");
  ASSERT_TRUE(plenzo);
  QPlainTextEdit* editor = plenzo->Editor();
  form_->Find1Click();
  EXPECT_TRUE(plenzo->FindDialog->isVisible());
  EXPECT_EQ(plenzo->FindDialogTag, 0);
  EXPECT_TRUE(form_->FindFlag);
  plenzo->FindDialog->SetFindText(QStringLiteral("tank"));
  form_->SearchAgain1Click();
  EXPECT_EQ(editor->textCursor().selectionStart(), 8);
  form_->SearchAgain1Click();
  EXPECT_EQ(editor->textCursor().selectionStart(), 17);
  EXPECT_EQ(plenzo->FindDialogTag, 1);

  // Search Again after Replace repeats the replacement.
  form_->Replace1Click();
  EXPECT_TRUE(plenzo->ReplaceDialog->isVisible());
  EXPECT_TRUE(form_->ReplaceFlag);
  EXPECT_FALSE(form_->FindFlag);
  plenzo->ReplaceDialog->SetFindText(QStringLiteral("tank"));
  plenzo->ReplaceDialog->ReplaceEdit->setText(QStringLiteral("PUMP"));
  form_->SearchAgain1Click();
  EXPECT_EQ(editor->toPlainText(), QStringLiteral("*PLENZO\nTANK = 1\nPUMP = 2\nTANK = 3"));
  EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("TANK"));
  EXPECT_EQ(editor->textCursor().selectionStart(), 26);

  // On a form page Replace ends with the flags as they were.
  plenzo->ShowTab(1);
  form_->Find1Click();
  form_->Replace1Click();
  EXPECT_TRUE(form_->FindFlag);
  EXPECT_FALSE(form_->ReplaceFlag);
}

}  // namespace
}  // namespace pm::test
