#include "shell/ui/editform.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <csignal>

#include "common/globals.h"
#include "common/settings.h"
#include "common/textprint.h"
#include "common/ui/finddialogs.h"
#include "shellfixture.h"
#include "support/scriptedui.h"

namespace pm::test {
namespace {

// Files above `bytes` cannot be written while it lives (EFBIG, also for
// root, whom folder permissions do not stop).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

class EditFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    folder_ = dir_.path();
  }
  QString Copy(const char* fixture, const QString& as) {
    return CopyOpeningFixture(fixture, folder_ + QLatin1Char('/') + as);
  }

  // An editor holding text, the caret at `caret` (or the selection from
  // `caret` to `end`).
  void Load(TEditForm& editor, const QString& text, int caret = 0, int end = -1) {
    editor.Editor()->setPlainText(text);
    Select(editor, caret, end < 0 ? caret : end);
  }
  void Select(TEditForm& editor, int anchor, int position) {
    QTextCursor cursor = editor.Editor()->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor.Editor()->setTextCursor(cursor);
  }
  static QString Selected(const TEditForm& editor) { return editor.Editor()->textCursor().selectedText(); }
  static int SelectionStart(const TEditForm& editor) { return editor.Editor()->textCursor().selectionStart(); }
  // Types the find text and options into a dialog and presses a button.
  static void Press(TFindDialog* dialog, QPushButton* button, const QString& what, SearchOptions options) {
    dialog->FindEdit->clear();
    QTest::keyClicks(dialog->FindEdit, what);
    dialog->MatchCase->setChecked(options.matchCase);
    dialog->WholeWord->setChecked(options.wholeWord);
    QTest::mouseClick(button, Qt::LeftButton);
  }

  QTemporaryDir dir_;
  QString folder_;
  ScriptedUi ui_;
};

TEST_F(EditFormTest, TakesItsKindFromTheExtension) {
  struct Case {
    const char* as;
    int kind;
  } cases[] = {{"a.dck", KindTextEditor},
               {"b.DCK", KindTextEditor},
               {"c.DEK", KindOtherText},
               {"d.txt", KindOtherText},
               {"e", KindOtherText}};
  for (const Case& c : cases) {
    TEditForm editor;
    const QString path = Copy("plain.dck", QLatin1String(c.as));
    ASSERT_EQ(editor.Open(path), 0);
    EXPECT_EQ(editor.Kind(), c.kind) << c.as;
    EXPECT_EQ(editor.windowTitle(), path);
    EXPECT_FALSE(editor.Modified());
  }
  TEditForm fresh;
  fresh.FormCreate(3);
  EXPECT_EQ(fresh.FileName(), QStringLiteral("NoName3.DCK"));
  EXPECT_EQ(fresh.Kind(), KindTextEditor);
}

TEST_F(EditFormTest, SavesItsLinesWithCrLfInWindows1252) {
  const QString path = Copy("notes.txt", QStringLiteral("notes.txt"));
  const QByteArray original = ReadBytes(path);
  TEditForm editor;
  ASSERT_EQ(editor.Open(path), 0);
  EXPECT_EQ(editor.Text(), QStringLiteral("Notes: caf\u00e9 \u00a0 \u20ac 5\nsecond line"));
  editor.Editor()->moveCursor(QTextCursor::End);
  editor.Editor()->insertPlainText(QStringLiteral("\nthird \u00fc"));
  EXPECT_TRUE(editor.Modified());
  EXPECT_EQ(editor.Save(), 0);
  EXPECT_EQ(ReadBytes(path), original + QByteArray("third \xfc\r\n"));
  EXPECT_FALSE(editor.Modified());
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(EditFormTest, AFailedSaveIsReportedAndLeavesTheFileAsItWas) {
  const QString path = Copy("plain.dck", QStringLiteral("plain.dck"));
  const QByteArray original = ReadBytes(path);
  TEditForm editor;
  ASSERT_EQ(editor.Open(path), 0);
  editor.Editor()->appendPlainText(QString(200, QLatin1Char('x')));
  {
    FileSizeLimit limit(16);
    EXPECT_EQ(editor.Save(), EFBIG);
  }
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_TRUE(editor.Modified());
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].text,
            QStringLiteral("Error 27 was encountered while trying to write file ") + path);
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(ui_.messages()[0].beepBefore);
  // No leftover temporary file beside it.
  EXPECT_EQ(QDir(folder_).entryList(QDir::Files), QStringList{QStringLiteral("plain.dck")});
}

TEST_F(EditFormTest, AFileThatIsNoTextIsShownReadOnlyAndNeverWritten) {
  const QString path = Copy("picture.dat", QStringLiteral("picture.wmf"));
  const QByteArray original = ReadBytes(path);
  TEditForm editor;
  ASSERT_EQ(editor.Open(path), 0);
  EXPECT_TRUE(editor.IsReadOnly());
  EXPECT_TRUE(editor.Editor()->isReadOnly());
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("The file ") + path +
                                     QStringLiteral(" is not a text file; it is shown read-only.")});
  editor.SetModified(true);
  EXPECT_EQ(editor.Save(), 0);
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(EditFormTest, CloseQuestionCancelKeepsTheTextYesSavesNoDiscards) {
  const QString path = Copy("plain.dck", QStringLiteral("plain.dck"));
  const QByteArray original = ReadBytes(path);
  struct Case {
    ModalResult answer;
    bool closes;
    bool written;
  } cases[] = {
      {ModalResult::Cancel, false, false}, {ModalResult::No, true, false}, {ModalResult::Yes, true, true}};
  for (const Case& c : cases) {
    WriteBytes(path, original);
    TEditForm editor;
    ASSERT_EQ(editor.Open(path), 0);
    editor.Editor()->appendPlainText(QStringLiteral("EXTRA"));
    ui_.clear();
    ui_.answer(c.answer);
    EXPECT_EQ(editor.FormCloseQuery(), c.closes);
    ASSERT_EQ(ui_.messages().size(), 1u);
    EXPECT_EQ(ui_.messages()[0].text, path + QStringLiteral(" has been changed.  Save it?"));
    EXPECT_EQ(ui_.messages()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(ReadBytes(path) != original, c.written);
    EXPECT_TRUE(editor.Text().endsWith(QStringLiteral("EXTRA")));
  }
}

// ---- find and replace ---------------------------------------------------------

TEST_F(EditFormTest, FindNextSearchesForwardFromTheSelectionEndAndBeepsAtTheEnd) {
  struct Case {
    const char* name;
    int anchor, position;
    const char* what;
    SearchOptions options;
    int foundAt;  // -1: not found, beep
  } cases[] = {
      {"from the caret", 0, 0, "foo", {}, 4},
      {"after a selection", 4, 7, "foo", {}, 8},
      {"match case", 0, 0, "foo", {true, false}, 8},
      {"whole word", 5, 5, "foo", {false, true}, 14},
      {"whole word and case", 0, 0, "foo", {true, true}, 14},
      {"no wrap to the start", 15, 15, "foo", {}, -1},
      {"only before the caret", 16, 16, "a", {}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditForm editor;
    Load(editor, QStringLiteral("a b Foo foods foo"), c.anchor, c.position);
    ui_.clear();
    Press(editor.FindDialog, editor.FindDialog->FindNext, QLatin1String(c.what), c.options);
    if (c.foundAt < 0) {
      EXPECT_EQ(ui_.beeps(), 1);
      EXPECT_EQ(SelectionStart(editor), std::min(c.anchor, c.position));
    } else {
      EXPECT_EQ(ui_.beeps(), 0);
      EXPECT_EQ(SelectionStart(editor), c.foundAt);
      EXPECT_EQ(Selected(editor).toLower(), QLatin1String(c.what));
    }
    // The find text goes to both dialogs.
    EXPECT_EQ(editor.ReplaceDialog->FindText(), QLatin1String(c.what));
  }
}

TEST_F(EditFormTest, TheFindDialogMovesAsideFromTheTextItFound) {
  TEditForm editor;
  editor.setGeometry(100, 100, 500, 400);
  editor.show();
  QString text;
  for (int i = 0; i < 30; ++i) text += (i == 3 || i == 15 ? QStringLiteral("target\n") : QStringLiteral("line\n"));
  Load(editor, text);
  editor.FindDialog->SetFindText(QStringLiteral("target"));
  editor.FindDialog->Execute();
  for (int hit = 0; hit < 2; ++hit) {
    // Put the dialog right over the line the next hit lies on.
    QTextCursor next = editor.Editor()->document()->find(QStringLiteral("target"), editor.Editor()->textCursor());
    ASSERT_FALSE(next.isNull());
    editor.FindDialog->move(FoundTextRect(*editor.Editor(), next).topLeft() - QPoint(10, 5));
    ASSERT_TRUE(editor.FindDialog->frameGeometry().intersects(FoundTextRect(*editor.Editor(), next)));
    editor.Find(editor.FindDialog);
    ASSERT_EQ(Selected(editor), QStringLiteral("target"));
    const QRect found = FoundTextRect(*editor.Editor(), editor.Editor()->textCursor());
    EXPECT_FALSE(editor.FindDialog->frameGeometry().intersects(found)) << hit;
  }
}

TEST_F(EditFormTest, FindRightAfterAHitFindsTheNextOne) {
  TEditForm editor;
  Load(editor, QStringLiteral("x x x"));
  editor.FindDialog->SetFindText(QStringLiteral("x"));
  std::vector<int> hits;
  for (int i = 0; i < 4; ++i) {
    editor.Find(editor.FindDialog);
    hits.push_back(SelectionStart(editor));
  }
  EXPECT_EQ(hits, (std::vector<int>{0, 2, 4, 4}));
  EXPECT_EQ(ui_.beeps(), 1);
}

TEST_F(EditFormTest, ReplaceHonoursMatchCaseForTheSelectionThenSelectsTheNextMatch) {
  struct Case {
    const char* name;
    SearchOptions options;
    const char* text;
    const char* selected;
    int beeps;
  } cases[] = {
      // Without Match case a selection differing in case is replaced.
      {"any case", {}, "X foo", "foo", 0},
      // With it the selection stays and the next exact match is selected.
      {"match case", {true, false}, "Foo foo", "foo", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditForm editor;
    Load(editor, QStringLiteral("Foo foo"), 0, 3);
    ui_.clear();
    editor.ReplaceDialog->SetReplaceText(QStringLiteral("X"));
    Press(editor.ReplaceDialog, editor.ReplaceDialog->ReplaceButton, QStringLiteral("foo"), c.options);
    EXPECT_EQ(editor.Text(), QLatin1String(c.text));
    EXPECT_EQ(Selected(editor), QLatin1String(c.selected));
    EXPECT_EQ(ui_.beeps(), c.beeps);
  }
}

TEST_F(EditFormTest, ReplaceAllReplacesFromTheCaretToTheEndAndBeepsOnce) {
  TEditForm editor;
  Load(editor, QStringLiteral("foo\nfoo foo\nbar foo"), 4);
  editor.ReplaceDialog->SetReplaceText(QStringLiteral("baz"));
  Press(editor.ReplaceDialog, editor.ReplaceDialog->ReplaceAllButton, QStringLiteral("foo"), {});
  EXPECT_EQ(editor.Text(), QStringLiteral("foo\nbaz baz\nbar baz"));
  EXPECT_EQ(ui_.beeps(), 1);
  EXPECT_TRUE(editor.Modified());
  // No occurrence at all: one beep and no change.
  Press(editor.ReplaceDialog, editor.ReplaceDialog->ReplaceAllButton, QStringLiteral("nothing"), {});
  EXPECT_EQ(ui_.beeps(), 2);
  EXPECT_EQ(editor.Text(), QStringLiteral("foo\nbaz baz\nbar baz"));
  // One Undo takes the whole Replace All back.
  editor.Undo1Click();
  EXPECT_EQ(editor.Text(), QStringLiteral("foo\nfoo foo\nbar foo"));
}

TEST_F(EditFormTest, AnEditedLineIsTheOnlyChangeInASavedWindows1252File) {
  const QString path = folder_ + QStringLiteral("/mixed.dck");
  WriteBytes(path, ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/editor/mixed.dck")));
  const QByteArray original = ReadBytes(path);
  TEditForm editor;
  ASSERT_EQ(editor.Open(path), 0);
  editor.ReplaceDialog->SetReplaceText(QStringLiteral("bar"));
  Press(editor.ReplaceDialog, editor.ReplaceDialog->ReplaceAllButton, QStringLiteral("foo"), {true, true});
  ASSERT_EQ(editor.Save(), 0);
  QByteArray expected = original;
  expected.replace("PUMP foo Foo", "PUMP bar Foo");
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_FALSE(editor.Modified());
}

TEST_F(EditFormTest, ACharacterWithNoWindows1252ByteRefusesTheSave) {
  const QString path = Copy("plain.dck", QStringLiteral("plain.dck"));
  const QByteArray original = ReadBytes(path);
  TEditForm editor;
  ASSERT_EQ(editor.Open(path), 0);
  QTextCursor cursor(editor.Editor()->document()->findBlockByNumber(1));
  cursor.insertText(QStringLiteral("\u0142"));
  EXPECT_EQ(editor.Save(), EILSEQ);
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_TRUE(editor.Modified());
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].text, QStringLiteral("Line 2 of ") + path +
                                        QStringLiteral(" holds a character that a Windows-1252 file cannot "
                                                       "hold; the file was not saved."));
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
}

// ---- comment command and pop-up menu ----------------------------------------

TEST_F(EditFormTest, TheCommentItemCommentsAndUncommentsTheSelectedLines) {
  TEditForm editor;
  Load(editor, QStringLiteral("one\ntwo\nthree"), 1, 5);
  editor.PopupMenu1Popup();
  ASSERT_TRUE(editor.Comment1->isEnabled());
  EXPECT_EQ(editor.Comment1->text(), QStringLiteral("Comment"));
  editor.Comment1->trigger();
  EXPECT_EQ(editor.Text(), QStringLiteral("*\\one\n*\\two\nthree"));
  Select(editor, 0, 6);
  editor.PopupMenu1Popup();
  EXPECT_EQ(editor.Comment1->text(), QStringLiteral("Undo Comment"));
  editor.Comment1->trigger();
  EXPECT_EQ(editor.Text(), QStringLiteral("one\ntwo\nthree"));
  editor.Undo1->trigger();
  EXPECT_EQ(editor.Text(), QStringLiteral("*\\one\n*\\two\nthree"));
}

TEST_F(EditFormTest, ThePopUpEnablesItsItemsByTheSelectionClipboardAndUndo) {
  struct Case {
    const char* name;
    bool select;
    bool clipboardText;
    bool edited;
    bool readOnly;
    // Comment, Undo, Cut, Copy, Paste
    std::vector<bool> enabled;
  } cases[] = {
      {"nothing", false, false, false, false, {false, false, false, false, false}},
      {"selection", true, false, false, false, {true, false, true, true, false}},
      {"clipboard", false, true, false, false, {false, false, false, false, true}},
      {"edited", false, false, true, false, {false, true, false, false, false}},
      {"read-only", true, true, false, true, {false, false, false, true, false}},
  };
  QClipboard* clipboard = QApplication::clipboard();
  const QStringList names = {QStringLiteral("Comment1"), QStringLiteral("Undo1"), QStringLiteral("Cut1"),
                             QStringLiteral("Copy1"), QStringLiteral("Paste1")};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditForm editor;
    Load(editor, QStringLiteral("abc\ndef"));
    if (c.edited) editor.Editor()->insertPlainText(QStringLiteral("x"));
    if (c.select) Select(editor, 0, 2);
    if (c.clipboardText) {
      clipboard->setText(QStringLiteral("clip"));
    } else {
      clipboard->clear();
    }
    editor.SetReadOnly(c.readOnly);
    editor.PopupMenu1Popup();
    std::vector<bool> enabled;
    for (const QString& name : names) {
      auto* item = editor.PopupMenu1->findChild<QAction*>(name);
      ASSERT_NE(item, nullptr) << name.toStdString();
      enabled.push_back(item->isEnabled());
    }
    EXPECT_EQ(enabled, c.enabled);
  }
  clipboard->clear();
}

TEST_F(EditFormTest, ThePopUpItemsAreInTheirOrder) {
  TEditForm editor;
  QStringList items;
  for (QAction* a : editor.PopupMenu1->actions()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
  EXPECT_EQ(items, (QStringList{QStringLiteral("Comment"), QStringLiteral("-"), QStringLiteral("Undo"),
                                QStringLiteral("-"), QStringLiteral("Cut"), QStringLiteral("Copy"),
                                QStringLiteral("Paste"), QStringLiteral("-"), QStringLiteral("Select All")}));
}

TEST_F(EditFormTest, CutCopyPasteAndSelectAllWorkOnTheEditor) {
  TEditForm editor;
  Load(editor, QStringLiteral("abc def"), 0, 4);
  editor.Cut1Click();
  EXPECT_EQ(editor.Text(), QStringLiteral("def"));
  editor.Editor()->moveCursor(QTextCursor::End);
  editor.Paste1Click();
  EXPECT_EQ(editor.Text(), QStringLiteral("defabc "));
  editor.SelectAll1Click();
  EXPECT_EQ(Selected(editor), QStringLiteral("defabc "));
  editor.Copy1Click();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("defabc "));
  QApplication::clipboard()->clear();
}

// ---- font and printing ------------------------------------------------------------

TEST_F(EditFormTest, TheEditorTakesTheSourceFontOfTheSettingsWhenShown) {
  DefaultSettingsRecord& s = DefaultSettings();
  const DefaultSettingsRecord saved = s;
  struct Case {
    int size;
    int index;
    const char* family;
    int pixels;
  } cases[] = {{14, 0, "Arial", 19}, {0, 1, "Courier New", 13}, {9, 4, "Times New Roman", 12}};
  for (const Case& c : cases) {
    s.SourceFontSize = static_cast<std::int16_t>(c.size);
    s.SourceFontIndex = static_cast<std::int16_t>(c.index);
    TEditForm editor;
    editor.show();
    EXPECT_EQ(editor.Editor()->font().family(), QLatin1String(c.family));
    EXPECT_EQ(editor.Editor()->font().pixelSize(), c.pixels);
  }
  // A change of the settings reaches a shown editor through FormPaint.
  TEditForm editor;
  editor.show();
  s.SourceFontSize = 20;
  editor.FormPaint();
  EXPECT_EQ(editor.Editor()->font().pixelSize(), 27);
  s = saved;
}

TEST_F(EditFormTest, PrintHandsTheLinesToThePrintingRoutine) {
  TEditForm editor;
  Load(editor, QStringLiteral("one\n\tTAB\n\nlast"));
  editor.Print();  // nothing installed: nothing happens
  QStringList printed;
  PrintTextLines() = [&printed](const QStringList& lines) { printed = lines; };
  editor.Print();
  PrintTextLines() = nullptr;
  EXPECT_EQ(printed, (QStringList{QStringLiteral("one"), QStringLiteral("\tTAB"), QString(), QStringLiteral("last")}));
}

}  // namespace
}  // namespace pm::test
