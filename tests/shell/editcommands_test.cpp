// Every Edit command of the main window on every kind of child: the command
// reaches the window the active child names, and does nothing elsewhere.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <functional>

#include "common/globals.h"
#include "common/ui/finddialogs.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/input.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/documents.h"
#include "shell/ui/editform.h"
#include "shell/ui/viewform.h"
#include "shellfixture.h"
#include "tables/ui/tableform.h"
#include "tables/ui/tablegrid.h"

namespace pm::test {
namespace {

// What a command is checked on: the text it may change, and the find or
// replace dialog it may show.
struct Target {
  std::function<QString()> text;
  std::function<QString()> selected;
  std::function<bool()> dialogShown;
};

const QString kBefore = QStringLiteral("abc def x");

class EditCommandsTest : public ProgramFolderTest {
 public:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    form_->show();
    QApplication::clipboard()->setText(QStringLiteral("7"));
    // Both set, so either one being cleared shows.
    form_->FindFlag = true;
    form_->ReplaceFlag = true;
  }
  void TearDown() override {
    QApplication::clipboard()->clear();
    ProgramFolderTest::TearDown();
  }

  // "abc def" typed over with " x" (so one undo takes it back), "abc"
  // selected, and "def" the text of its find dialog.
  static void Prepare(QPlainTextEdit* editor, TFindDialog* find) {
    editor->setPlainText(QStringLiteral("abc def"));
    editor->moveCursor(QTextCursor::End);
    editor->insertPlainText(QStringLiteral(" x"));
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    find->SetFindText(QStringLiteral("def"));
  }
  static Target EditorTarget(QPlainTextEdit* editor, std::function<bool()> dialogShown) {
    return {[editor] { return editor->toPlainText(); }, [editor] { return editor->textCursor().selectedText(); },
            std::move(dialogShown)};
  }

  QString Path(const QString& name) const { return folder_ + QLatin1Char('/') + name; }

  TEditForm* Editor(const char* file) {
    const QString path = Path(QLatin1String(file));
    WriteBytes(path, "");
    form_->ReadaFile(path);
    auto* editor = qobject_cast<TEditForm*>(Children().constLast()->widget());
    Prepare(editor->Editor(), editor->FindDialog);
    form_->SetActiveChild(editor->SubWindow());
    return editor;
  }
  Target EditorChild(const char* file) {
    TEditForm* editor = Editor(file);
    return EditorTarget(editor->Editor(), [editor] {
      return editor->FindDialog->isVisible() || editor->ReplaceDialog->isVisible();
    });
  }
  // A form deck with one value input, showing its page.
  TPlenzoForm* Form() {
    const QString deck = Path(QStringLiteral("plant.pzd"));
    WriteBytes(deck, "*PLENZO\r\nEQUATIONS 1\r\nFLOW = 2\r\n*|Flow rate|||0|1|0|10.0|0\r\nEND\r\n");
    form_->ReadaFile(deck);
    auto* plenzo = qobject_cast<TPlenzoForm*>(Children().constLast()->widget());
    form_->SetActiveChild(plenzo->SubWindow());
    return plenzo;
  }
  Target FormPage(bool listFocused) {
    TPlenzoForm* plenzo = Form();
    if (plenzo->IsSourceTabCurrent()) plenzo->ShowTab(1);
    auto* input = plenzo->findChild<TInput*>();
    input->setText(QStringLiteral("abc def"));
    input->end(false);
    input->insert(QStringLiteral(" x"));
    input->setFocus();
    if (listFocused) {
      auto* list = new TFileInput(input->parentWidget());
      list->show();
      list->setFocus();
    }
    input->setSelection(0, 3);
    form_->SetActiveChild(plenzo->SubWindow());
    return {[input] { return input->text(); }, [input] { return input->selectedText(); },
            [plenzo] { return plenzo->FindDialog->isVisible() || plenzo->ReplaceDialog->isVisible(); }};
  }
  Target FormSource() {
    TPlenzoForm* plenzo = Form();
    plenzo->ShowTab(0);
    Prepare(plenzo->Editor(), plenzo->FindDialog);
    form_->SetActiveChild(plenzo->SubWindow());
    return EditorTarget(plenzo->Editor(), [plenzo] {
      return plenzo->FindDialog->isVisible() || plenzo->ReplaceDialog->isVisible();
    });
  }
  Target Viewer(int kind) {
    auto* view = new TViewForm(form_.get());
    form_->MdiArea()->addSubWindow(view)->show();
    view->SetKind(kind);
    view->LoadBytes(kBefore.toLatin1());
    QTextEdit* text = view->Viewer();
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    view->Dialog()->SetFindText(QStringLiteral("def"));
    form_->SetActiveChild(view->SubWindow());
    return {[text] { return text->toPlainText(); }, [text] { return text->textCursor().selectedText(); },
            [view] { return view->Dialog()->isVisible(); }};
  }
  // One run of variables A and B; A's cell selected.
  Target Table() {
    TableModel table;
    table.Reset(1, {"A", "B"});
    table.SetValue(1, 1, 1.5L);
    table.SetValue(2, 1, 2.5L);
    auto* window = new TTableForm(std::move(table));
    form_->Documents().ShowTableWindow(window);
    window->Grid()->setCurrentIndex(window->GridModel()->index(0, 0));
    form_->SetActiveChild(window->SubWindow());
    return {[window] { return window->GetS(1, 1) + QLatin1Char('|') + window->GetS(2, 1); },
            [] { return QString(); }, [] { return false; }};
  }
  // A text editor that is not active, and a stand-in of `kind` that is (none
  // at all for kind 0).
  Target Inactive(int kind) {
    const Target target = EditorChild("other.dck");
    form_->SetActiveChild(kind ? AddChild(kind) : nullptr);
    return target;
  }
};

enum Acts : unsigned {
  kUndo = 1,
  kCut = 2,
  kCopy = 4,
  kPaste = 8,
  kFind = 16,     // its dialog
  kReplace = 32,  // its dialog and the flags
  kAgain = 64,
  kClear = 128,
  kFlags = 256,  // Find sets the flags
};

TEST_F(EditCommandsTest, EachCommandActsOnTheActiveChildByItsKind) {
  const unsigned kText = kUndo | kCut | kCopy | kPaste | kFind | kReplace | kAgain | kClear | kFlags;
  const unsigned kInput = kCut | kCopy | kPaste | kClear | kFlags;
  const unsigned kView = kCopy | kFind | kAgain | kFlags;
  struct Kind {
    const char* name;
    std::function<Target(EditCommandsTest&)> make;
    unsigned acts;
  } kinds[] = {
      {"1000", [](EditCommandsTest& t) { return t.EditorChild("a.dck"); }, kText},
      {"7000", [](EditCommandsTest& t) { return t.EditorChild("a.txt"); }, kText},
      {"2000 value input", [](EditCommandsTest& t) { return t.FormPage(false); }, kInput},
      {"2000 list input", [](EditCommandsTest& t) { return t.FormPage(true); }, kFlags},
      {"2100", [](EditCommandsTest& t) { return t.FormSource(); }, kText},
      {"3000", [](EditCommandsTest& t) { return t.Viewer(KindListing); }, kView},
      {"3500", [](EditCommandsTest& t) { return t.Viewer(KindLog); }, kView},
      {"6000", [](EditCommandsTest& t) { return t.Viewer(KindOutputViewer); }, kView},
      {"123", [](EditCommandsTest& t) { return t.Viewer(KindResultsReport); }, kFind | kAgain | kFlags},
      {"5000", [](EditCommandsTest& t) { return t.Table(); }, kCut | kCopy | kPaste | kClear | kFlags},
      {"4000", [](EditCommandsTest& t) { return t.Inactive(KindPlot); }, 0},
      {"8000", [](EditCommandsTest& t) { return t.Inactive(KindDiagram); }, 0},
      {"no child", [](EditCommandsTest& t) { return t.Inactive(0); }, 0},
  };
  struct Command {
    const char* name;
    void (TOSTRELFORM::*handler)();
    unsigned act;
  } commands[] = {
      {"Undo", &TOSTRELFORM::Undo1Click, kUndo},
      {"Cut", &TOSTRELFORM::Cut1Click, kCut},
      {"Copy", &TOSTRELFORM::Copy1Click, kCopy},
      {"Paste", &TOSTRELFORM::Paste1Click, kPaste},
      {"Find", &TOSTRELFORM::Find1Click, kFind},
      {"Replace", &TOSTRELFORM::Replace1Click, kReplace},
      {"Search Again", &TOSTRELFORM::SearchAgain1Click, kAgain},
      {"Clear", &TOSTRELFORM::Clear1Click, kClear},
  };
  for (const Kind& kind : kinds) {
    for (const Command& command : commands) {
      SCOPED_TRACE(std::string(kind.name) + " " + command.name);
      TearDown();
      SetUp();
      const Target target = kind.make(*this);
      const QString before = target.text();
      const bool table = QLatin1String(kind.name) == QLatin1String("5000");
      ui_.clear();
      (form_.get()->*command.handler)();
      const bool acts = (kind.acts & command.act) != 0;

      // Clipboard.
      QString clip = QStringLiteral("7");
      if (acts && (command.act == kCut || command.act == kCopy)) clip = table ? QStringLiteral("1.500") : QStringLiteral("abc");
      EXPECT_EQ(QApplication::clipboard()->text().trimmed(), clip);
      // Text.
      QString text = before;
      if (acts) {
        switch (command.act) {
          case kUndo:
            text = QStringLiteral("abc def");
            break;
          case kCut:
          case kClear:
            text = table ? QStringLiteral("Enter value|2.500") : QStringLiteral(" def x");
            break;
          case kPaste:
            text = table ? QStringLiteral("7.000|2.500") : QStringLiteral("7 def x");
            break;
          default:
            break;
        }
      }
      EXPECT_EQ(target.text(), text);
      // Search Again finds "def" where it acts; elsewhere "abc" stays selected.
      if (command.act == kAgain && !table) {
        EXPECT_EQ(target.selected(), acts ? QStringLiteral("def") : QStringLiteral("abc"));
      }
      EXPECT_EQ(target.dialogShown(), acts && (command.act == kFind || command.act == kReplace));
      // Flags.
      bool find = true;
      bool replace = true;
      if (command.act == kFind && (kind.acts & kFlags)) replace = false;
      if (command.act == kReplace && acts) find = false;
      EXPECT_EQ(form_->FindFlag, find);
      EXPECT_EQ(form_->ReplaceFlag, replace);
      EXPECT_EQ(ui_.beeps(), 0) << ui_.texts().join(QLatin1Char('|')).toStdString();
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace pm::test
