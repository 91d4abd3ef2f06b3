// The Edit menu of the main window on text editors, through the real menu
// items and the scripted dialog service.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

#include "common/globals.h"
#include "common/ui/finddialogs.h"
#include "shell/ui/editform.h"
#include "shell/ui/menustate.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

class EditMenuTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    form_->show();
  }
  // A new editor through File/New, made the active child, holding text.
  TEditForm* NewEditor(const QString& text) {
    form_->Item(QStringLiteral("New1"))->trigger();
    QMdiSubWindow* child = form_->MdiArea()->subWindowList().constLast();
    auto* editor = qobject_cast<TEditForm*>(child->widget());
    editor->Editor()->setPlainText(text);
    Activate(editor);
    return editor;
  }
  void Activate(TEditForm* editor) {
    form_->SetActiveChild(editor->SubWindow());
    form_->UpdateMenu();
  }
  void Trigger(const char* item) {
    QAction* action = form_->Item(QLatin1String(item));
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(ItemUsable(action)) << item;
    action->trigger();
  }
  static void Type(TEditForm* editor, const QString& text) {
    editor->Editor()->moveCursor(QTextCursor::End);
    editor->Editor()->insertPlainText(text);
  }
};

TEST_F(EditMenuTest, UndoActsOnTheActiveEditorNotTheOneMadeLast) {
  TEditForm* first = NewEditor(QStringLiteral("first"));
  TEditForm* second = NewEditor(QStringLiteral("second"));
  Type(first, QStringLiteral(" typed"));
  Type(second, QStringLiteral(" typed"));
  Activate(first);
  Trigger("Undo1");
  EXPECT_EQ(first->Text(), QStringLiteral("first"));
  EXPECT_EQ(second->Text(), QStringLiteral("second typed"));
  // With the last editor closed, the reference is clear and Undo still
  // reaches the active one.
  ui_.answer(ModalResult::No);
  ASSERT_TRUE(second->SubWindow()->close());
  EXPECT_TRUE(EditForm().isNull());
  Type(first, QStringLiteral("!"));
  Activate(first);
  Trigger("Undo1");
  EXPECT_EQ(first->Text(), QStringLiteral("first"));
}

TEST_F(EditMenuTest, FindOpensTheActiveEditorsDialogAndSearchAgainRepeatsIt) {
  TEditForm* editor = NewEditor(QStringLiteral("a foo b foo"));
  Trigger("Find1");
  EXPECT_TRUE(form_->FindFlag);
  EXPECT_FALSE(form_->ReplaceFlag);
  EXPECT_TRUE(editor->FindDialog->isVisible());
  editor->FindDialog->SetFindText(QStringLiteral("foo"));
  Trigger("SearchAgain1");
  EXPECT_EQ(editor->Editor()->textCursor().selectionStart(), 2);
  Trigger("SearchAgain1");
  EXPECT_EQ(editor->Editor()->textCursor().selectionStart(), 8);
  Trigger("SearchAgain1");
  EXPECT_EQ(ui_.beeps(), 1);
  EXPECT_EQ(editor->Text(), QStringLiteral("a foo b foo"));
  editor->FindDialog->close();
}

TEST_F(EditMenuTest, SearchAgainAfterReplaceRepeatsTheReplacement) {
  TEditForm* editor = NewEditor(QStringLiteral("x x x"));
  Trigger("Replace1");
  EXPECT_FALSE(form_->FindFlag);
  EXPECT_TRUE(form_->ReplaceFlag);
  EXPECT_TRUE(editor->ReplaceDialog->isVisible());
  editor->ReplaceDialog->SetFindText(QStringLiteral("x"));
  editor->ReplaceDialog->SetReplaceText(QStringLiteral("y"));
  editor->Replace();  // selects the first x
  Trigger("SearchAgain1");
  Trigger("SearchAgain1");
  EXPECT_EQ(editor->Text(), QStringLiteral("y y x"));
  EXPECT_EQ(editor->Editor()->textCursor().selectedText(), QStringLiteral("x"));
  editor->ReplaceDialog->close();
}

TEST_F(EditMenuTest, CutCopyAndPasteGoToTheActiveEditor) {
  TEditForm* editor = NewEditor(QStringLiteral("abc def"));
  editor->Editor()->selectAll();
  Trigger("Copy1");
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("abc def"));
  Trigger("Cut1");
  EXPECT_EQ(editor->Text(), QString());
  Trigger("Paste1");
  Trigger("Paste1");
  EXPECT_EQ(editor->Text(), QStringLiteral("abc defabc def"));
  QApplication::clipboard()->clear();
}

TEST_F(EditMenuTest, EditCommandsWithoutATextEditorDoNothing) {
  TEditForm* editor = NewEditor(QStringLiteral("foo"));
  form_->SetActiveChild(AddChild(KindListing, QStringLiteral("/d/a.lst")));
  form_->FindFlag = false;
  form_->ReplaceFlag = true;
  form_->Replace1Click();
  form_->Undo1Click();
  form_->SearchAgain1Click();
  EXPECT_TRUE(form_->ReplaceFlag);
  EXPECT_FALSE(editor->ReplaceDialog->isVisible());
  EXPECT_EQ(editor->Text(), QStringLiteral("foo"));
  EXPECT_EQ(ui_.beeps(), 0);
}

}  // namespace
}  // namespace pm::test
