#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>
#include <ostream>
#include <utility>
#include <vector>

#include "common/lib1.h"
#include "common/textprint.h"
#include "common/ui/finddialogs.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/formtabbar.h"
#include "formtestsupport.h"
#include "platform/ui/fonts.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

constexpr char kDeck[] = "*PLENZO\r\n*|*Hello\r\n";

class FormSourceTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    savedSettings_ = DefaultSettings();
    deck = dir.filePath(QStringLiteral("plant.pzd"));
  }
  void TearDown() override {
    DefaultSettings() = savedSettings_;
    FormTest::TearDown();
  }
  // A deck opened the authoring way: Source tab, restore point, editor.
  void Open(const QByteArray& text = kDeck) {
    WriteBytes(deck, text);
    WriteBytes(dir.filePath(QStringLiteral("~temp.pzd")), text);
    form->ClearTabs();
    form->AddSourceTab();
    form->SetWorkingCopy(dir.filePath(QStringLiteral("~temp.pzd")));
    form->ReadDeck(deck);
    form->LoadEditor(deck);
    form->ShowTab(0);
    form->SourceSaved = true;  // as the opener leaves it
  }
  QPlainTextEdit* Editor() const { return form->Editor(); }
  bool Modified() const { return Editor()->document()->isModified(); }
  void ClickTab(int index) {
    QTabBar* bar = form->TabControl();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }
  // The deck file made a folder: every write to it fails.
  void MakeTheDeckUnwritable() {
    ASSERT_TRUE(QFile::remove(deck));
    ASSERT_TRUE(QDir().mkdir(deck));
  }
  // Types at the end of the text, as the user would.
  void TypeAtEnd(const QString& text) {
    QTextCursor cursor = Editor()->textCursor();
    cursor.movePosition(QTextCursor::End);
    Editor()->setTextCursor(cursor);
    Type(text);
  }
  // Keys for the text; a line break is the Return key.
  void Type(const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) QTest::keyClick(Editor(), Qt::Key_Return);
      QTest::keyClicks(Editor(), lines[i]);
    }
  }
  size_t Elements() const { return form->Model().Elements.OnPage(0).size(); }

  QTemporaryDir dir;
  QString deck;

 private:
  DefaultSettingsRecord savedSettings_;
};

// The formats of one line as the colouring left them in its layout.
QTextCharFormat LineFormat(const QPlainTextEdit* editor, int line) {
  const QList<QTextLayout::FormatRange> ranges =
      editor->document()->findBlockByNumber(line).layout()->formats();
  return ranges.size() == 1 ? ranges[0].format : QTextCharFormat();
}

TEST_F(FormSourceTest, TheTextIsColouredByTheSettings) {
  DefaultSettings().EditorColors[1] = 0x0000FF;
  DefaultSettings().EditorColors[3] = 0x008000;
  DefaultSettings().EditorColors[4] = 0xFF0000;
  DefaultSettings().EditorStyles[1] = 1;
  DefaultSettings().EditorStyles[4] = 3;
  DefaultSettings().SourceFontIndex = 1;
  DefaultSettings().SourceFontSize = 12;
  Open("*PLENZO\r\n*|*Hello\r\nCONSTANTS A = 1\r\n");
  EXPECT_EQ(LineFormat(Editor(), 0).foreground().color(), QColor(0, 128, 0));
  EXPECT_EQ(LineFormat(Editor(), 1).foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(LineFormat(Editor(), 1).fontWeight(), QFont::Bold);
  EXPECT_EQ(LineFormat(Editor(), 2).foreground().color(), QColor(0, 0, 255));
  EXPECT_TRUE(LineFormat(Editor(), 2).fontUnderline());
  EXPECT_EQ(Editor()->font().family(), QStringLiteral("Courier New"));
  EXPECT_EQ(Editor()->font().pixelSize(), PointsToPixels(12));
}

// Colouring and the font are no edit: entering the tab, also after the
// event loop ran, leaves the saved state and the modified mark alone.
TEST_F(FormSourceTest, EnteringTheTabIsNoEdit) {
  Open();
  for (const bool modifiedBefore : {false, true}) {
    form->SourceSaved = !modifiedBefore;
    Editor()->document()->setModified(modifiedBefore);
    DefaultSettings().EditorColors[1] = modifiedBefore ? 0x00FF00 : 0x0000FF;
    DefaultSettings().SourceFontSize = modifiedBefore ? 14 : 9;
    form->ShowTab(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->SourceSaved, !modifiedBefore);
    EXPECT_EQ(Modified(), modifiedBefore);
    EXPECT_FALSE(Editor()->document()->isUndoAvailable());
  }
}

TEST_F(FormSourceTest, AnEditClearsSourceSavedAndIsColouredAsTyped) {
  Open();
  TypeAtEnd(QStringLiteral("\n*|<X>"));
  EXPECT_FALSE(form->SourceSaved);
  EXPECT_TRUE(Modified());
  EXPECT_EQ(LineFormat(Editor(), 2).foreground().color(), ToQColor(DefaultSettings().EditorColors[1]));
}

// Without an edit the deck is not written; with one, each empty line is
// written as "*" and nothing is added after the last line.
TEST_F(FormSourceTest, RoundTripsAddNoLine) {
  const QByteArray text = "*PLENZO\r\n*|*Hello\r\n\r\nUNIT 1\n";
  Open(text);
  EXPECT_EQ(Editor()->document()->blockCount(), 4);
  ClickTab(1);
  EXPECT_EQ(form->TabControl()->currentIndex(), 1);
  EXPECT_EQ(ReadBytes(deck), text);
  ClickTab(0);
  TypeAtEnd(QStringLiteral("2"));
  ClickTab(1);
  EXPECT_EQ(ReadBytes(deck), "*PLENZO\r\n*|*Hello\r\n*\r\nUNIT 12\r\n");
  ClickTab(0);
  ClickTab(1);
  ClickTab(0);
  TypeAtEnd(QStringLiteral("3"));
  ClickTab(1);
  EXPECT_EQ(ReadBytes(deck), "*PLENZO\r\n*|*Hello\r\n*\r\nUNIT 123\r\n");
}

TEST_F(FormSourceTest, LeavingWithAGoodEditRebuildsTheForm) {
  Open();
  TypeAtEnd(QStringLiteral("\n*|*World"));
  ClickTab(1);
  EXPECT_EQ(ChildKindOf(form.get()), KindFormPages);
  ASSERT_EQ(Elements(), 2u);
  EXPECT_EQ(form->Model().Elements.OnPage(0)[1]->text, "World");
  EXPECT_EQ(ReadBytes(deck), "*PLENZO\r\n*|*Hello\r\n*|*World\r\n");
}

TEST_F(FormSourceTest, LeavingUnchangedTextKeepsTheFormAndRepeatsNoWarning) {
  const QString broken = QStringLiteral(PELMARK_FIXTURES_DIR "/decks/broken/");
  for (const char* name : {"small.bmp", "badcoords.map"})
    WriteBytes(dir.filePath(QLatin1String(name)), ReadBytes(broken + QLatin1String(name)));
  const QString saved = QDir::currentPath();
  QDir::setCurrent(dir.path());
  const QString warning = QStringLiteral("Syntax error in COORDS in badcoords.map");
  const auto warnings = [&] { return ui.texts().filter(warning).size(); };
  Open(ReadBytes(broken + QStringLiteral("img-coords.pzd")));
  EXPECT_EQ(warnings(), 1);
  const TFormElement* built = form->Model().Elements.OnPage(0).at(0);
  // Away right after opening, back and away again: the same form, no word.
  ClickTab(1);
  ClickTab(0);
  ClickTab(1);
  EXPECT_EQ(ChildKindOf(form.get()), KindFormPages);
  EXPECT_EQ(warnings(), 1);
  EXPECT_EQ(form->Model().Elements.OnPage(0).at(0), built);
  // Units the form was not built in read it again.
  ClickTab(0);
  DefaultSettings().UnitSystem = form->UnitSystem() == 1 ? 2 : 1;
  ClickTab(1);
  EXPECT_EQ(warnings(), 2);
  // And so does an edit.
  ClickTab(0);
  TypeAtEnd(QStringLiteral("\n*|*More"));
  ClickTab(1);
  EXPECT_EQ(warnings(), 3);
  EXPECT_EQ(form->Model().Elements.OnPage(0).back()->text, "More");
  QDir::setCurrent(saved);
}

// The deck that does not parse: its message, the restore point back in the
// file and the edits still in the editor.
TEST_F(FormSourceTest, LeavingWithABadEditKeepsTheEditsInTheEditor) {
  Open();
  TypeAtEnd(QStringLiteral("\n*|<FONT4> X"));
  ClickTab(1);
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("***Input Error***   *|<FONT4> X")});
  EXPECT_EQ(form->TabControl()->currentIndex(), 0);
  EXPECT_EQ(ReadBytes(deck), kDeck);
  EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("*PLENZO\n*|*Hello\n*|<FONT4> X"));
  EXPECT_TRUE(form->Model().ParseFailed);
}

// Text that cannot be written keeps the window where it is, the form as it
// was built and the edits in the editor.
TEST_F(FormSourceTest, AFailedWriteRefusesTheTabChange) {
  Open();
  TypeAtEnd(QStringLiteral("\n*|*World"));
  MakeTheDeckUnwritable();
  ClickTab(1);
  EXPECT_EQ(ui.texts(), QStringList{SaveErrorMessage(EISDIR, deck)});
  EXPECT_EQ(form->TabControl()->currentIndex(), 0);
  EXPECT_EQ(ChildKindOf(form.get()), KindFormSource);
  EXPECT_EQ(Elements(), 1u);
  EXPECT_FALSE(form->Model().ParseFailed);
  EXPECT_TRUE(Modified());
  EXPECT_EQ(G().ParseErrorState, 0);
}

// A character with no Windows-1252 byte would be written as "?": the text
// is not written, the line is named and the tab change is refused.
TEST_F(FormSourceTest, ACharacterTheDeckCannotHoldKeepsTheTab) {
  Open();
  TypeAtEnd(QStringLiteral("\n*|*Flow "));
  Editor()->insertPlainText(QString(QChar(0x3BB)));  // no key for it
  ClickTab(1);
  EXPECT_EQ(ui.texts(), QStringList{UnencodableLineMessage(3, deck)});
  EXPECT_EQ(form->TabControl()->currentIndex(), 0);
  EXPECT_EQ(ReadBytes(deck), kDeck);
  EXPECT_FALSE(form->Save());
  EXPECT_TRUE(Modified());
  EXPECT_EQ(ReadBytes(deck), kDeck);
}

TEST_F(FormSourceTest, SaveWritesTheEditAndFreesTheForm) {
  Open();
  TypeAtEnd(QStringLiteral("\n\n*|*World"));
  EXPECT_TRUE(form->Save());
  EXPECT_EQ(ReadBytes(deck), "*PLENZO\r\n*|*Hello\r\n*\r\n*|*World\r\n");
  EXPECT_FALSE(Modified());
  EXPECT_EQ(Elements(), 0u);  // built again when the tab is left
  EXPECT_FALSE(form->DCKChanged());
  ClickTab(1);
  EXPECT_EQ(Elements(), 2u);
}

TEST_F(FormSourceTest, SaveWithoutAnEditWritesNothing) {
  Open();
  WriteBytes(deck, "changed elsewhere\r\n");
  EXPECT_TRUE(form->Save());
  EXPECT_EQ(ReadBytes(deck), "changed elsewhere\r\n");
  EXPECT_EQ(Elements(), 1u);
}

TEST_F(FormSourceTest, AFailedSaveKeepsTheModifiedMark) {
  Open();
  TypeAtEnd(QStringLiteral("\n*|*World"));
  MakeTheDeckUnwritable();
  EXPECT_FALSE(form->Save());
  EXPECT_EQ(ui.texts(), QStringList{SaveErrorMessage(EISDIR, deck)});
  EXPECT_EQ(ui.beeps(), 1);
  EXPECT_TRUE(Modified());
  EXPECT_EQ(Elements(), 1u);
}

// After a parse error the save reads the deck again; the window stays on
// its Source tab whatever the re-read finds.
TEST_F(FormSourceTest, SaveAfterAParseErrorReadsTheDeckAgain) {
  Open();
  TypeAtEnd(QStringLiteral("\n*|<FONT4> X"));
  ClickTab(1);
  ASSERT_EQ(G().ParseErrorState, 100);
  ui.clear();

  // Still wrong: the re-read's failure marks the form, and the file holds
  // what the author saved.
  TypeAtEnd(QStringLiteral("Y"));
  EXPECT_TRUE(form->Save());
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("***Input Error***   *|<FONT4> XY")});
  EXPECT_TRUE(form->Model().ParseFailed);
  EXPECT_EQ(G().ParseErrorState, 0);
  EXPECT_TRUE(form->Shown());
  EXPECT_EQ(ReadBytes(deck), "*PLENZO\r\n*|*Hello\r\n*|<FONT4> XY\r\n");

  // Put right: the form is read again and is whole, although the failed
  // re-read left no parse error pending.
  ASSERT_EQ(G().ParseErrorState, 0);
  Editor()->selectAll();
  Type(QStringLiteral("*PLENZO\n*|*Again"));
  EXPECT_TRUE(form->Save());
  EXPECT_FALSE(form->Model().ParseFailed);
  EXPECT_EQ(G().ParseErrorState, 0);
  EXPECT_TRUE(form->Shown());
  EXPECT_EQ(form->TabControl()->currentIndex(), 0);
  EXPECT_EQ(ChildKindOf(form.get()), KindFormSource);
  EXPECT_TRUE(Editor()->isVisibleTo(form.get()));
  EXPECT_EQ(form->TabCount(), 2);  // Source and Main
  ASSERT_EQ(Elements(), 1u);
  EXPECT_EQ(form->Model().Elements.OnPage(0)[0]->text, "Again");
}

TEST_F(FormSourceTest, ThePopUpMenuFollowsTheSelectionUndoAndClipboard) {
  Open("*PLENZO\r\n*\\old\r\nUNIT 1\r\n");
  QMenu* menu = form->PopupMenu1();
  auto item = [menu](const char* name) { return menu->findChild<QAction*>(QLatin1String(name)); };
  QGuiApplication::clipboard()->clear();
  form->PopupMenu1Popup();
  for (const char* name : {"Comment1", "Undo1", "Cut1", "Copy1", "Paste1"})
    EXPECT_FALSE(item(name)->isEnabled()) << name;
  EXPECT_TRUE(item("SelectAll1")->isEnabled());
  EXPECT_EQ(item("Comment1")->text(), QStringLiteral("Comment"));

  // A selection starting on a commented line offers to undo the comment.
  QTextCursor cursor(Editor()->document()->findBlockByNumber(1));
  cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor);
  Editor()->setTextCursor(cursor);
  form->PopupMenu1Popup();
  for (const char* name : {"Comment1", "Cut1", "Copy1"}) EXPECT_TRUE(item(name)->isEnabled()) << name;
  EXPECT_EQ(item("Comment1")->text(), QStringLiteral("Undo Comment"));
  item("Comment1")->trigger();
  EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("*PLENZO\nold\nUNIT 1"));
  EXPECT_FALSE(form->SourceSaved);

  item("Copy1")->trigger();
  form->PopupMenu1Popup();
  EXPECT_TRUE(item("Undo1")->isEnabled());
  EXPECT_TRUE(item("Paste1")->isEnabled());
  EXPECT_EQ(item("Comment1")->text(), QStringLiteral("Comment"));
  item("Undo1")->trigger();
  EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("*PLENZO\n*\\old\nUNIT 1"));
}

// The menu is the editor's alone: over a form page there is none.
TEST_F(FormSourceTest, OnlyTheEditorHasThePopUpMenu) {
  Open();
  EXPECT_EQ(Editor()->contextMenuPolicy(), Qt::CustomContextMenu);
  EXPECT_EQ(form->TabControl()->contextMenuPolicy(), Qt::DefaultContextMenu);
  EXPECT_EQ(form->contextMenuPolicy(), Qt::DefaultContextMenu);
  EXPECT_EQ(form->Page(0)->contextMenuPolicy(), Qt::DefaultContextMenu);
}

TEST_F(FormSourceTest, TheUndoItemFollowsTheEditor) {
  Open();
  host.undoEnabled = false;
  TypeAtEnd(QStringLiteral("x"));
  EXPECT_TRUE(host.undoEnabled);
  form->Undo1Click();
  EXPECT_FALSE(host.undoEnabled);
}

TEST_F(FormSourceTest, TheHintNamesTheLineUnderTheMouse) {
  QByteArray text = "*PLENZO\r\n";
  for (int i = 2; i <= 60; ++i) text += "* line " + QByteArray::number(i) + "\r\n";
  Open(text);
  form->show();
  DefaultSettings().SourceFontSize = 20;  // lines of another height than 16 pixels
  form->ShowTab(0);
  Editor()->verticalScrollBar()->setValue(10);
  const QTextBlock block = Editor()->document()->findBlockByNumber(13);
  const QPoint pos = Editor()->cursorRect(QTextCursor(block)).center();
  QMouseEvent move(QEvent::MouseMove, pos, Editor()->viewport()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(Editor()->viewport(), &move);
  EXPECT_EQ(Editor()->viewport()->toolTip(), QStringLiteral("Line 14"));
}

// A label is drawn by the page or box it stands in; a right click on it
// still selects its line in the source, and a left click is the page's.
TEST_F(FormSourceTest, ARightClickOnALabelSelectsItsLine) {
  Open(
      "*PLENZO\r\nA = 1\r\n*|Tank volume|m3|gal|0|264.2|0|100|0\r\n*|[G|Group\r\n"
      "B = 2\r\n*|Head in the group|m|ft|0|3.28|0|100|0\r\n*|]\r\n");
  form->show();
  const std::vector<TFormElement*> elements = form->Model().Elements.OnPage(0);
  const struct {
    int index;
    int line;
    const char* text;
  } cases[] = {{0, 2, "A = 1"}, {2, 5, "B = 2"}};  // an input's line is its value's
  for (const auto& c : cases) {
    ASSERT_LT(static_cast<size_t>(c.index), elements.size());
    QWidget* label = elements[static_cast<size_t>(c.index)]->label;
    ASSERT_NE(label, nullptr);
    ClickTab(1);
    const QPoint at = label->geometry().center();
    QTest::mouseClick(label->parentWidget(), Qt::LeftButton, {}, at);
    EXPECT_EQ(form->TabControl()->currentIndex(), 1) << c.text;
    QTest::mouseClick(label->parentWidget(), Qt::RightButton, {}, at);
    EXPECT_EQ(form->TabControl()->currentIndex(), 0) << c.text;
    EXPECT_EQ(form->ErrorLine, c.line);
    EXPECT_EQ(Editor()->textCursor().selectedText(), QLatin1String(c.text));
  }
}

TEST_F(FormSourceTest, TheWheelScrollsAFormPageSixtyPixelsANotch) {
  Open();
  form->show();
  ClickTab(1);
  TFormPage* page = form->Page(0);
  page->SetRange(3000);
  QScrollBar* bar = page->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 200);
  const QPointF at(20, 20);
  QWheelEvent down(at, page->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(page->viewport(), &down);
  EXPECT_EQ(bar->value(), 60);
  QWheelEvent up(at, page->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(page->viewport(), &up);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(FormSourceTest, SettingsChangedTakeEffectOnTheSourceTabOnly) {
  Open();
  DefaultSettings().SourceFontIndex = 4;
  DefaultSettings().SourceFontSize = 16;
  DefaultSettings().EditorColors[3] = 0x00FFFF;
  form->FormPaint();
  EXPECT_EQ(Editor()->font().family(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(Editor()->font().pixelSize(), PointsToPixels(16));
  EXPECT_EQ(LineFormat(Editor(), 0).foreground().color(), QColor(255, 255, 0));
  EXPECT_FALSE(Modified());

  ClickTab(1);
  DefaultSettings().SourceFontIndex = 0;
  form->FormPaint();
  EXPECT_EQ(Editor()->font().family(), QStringLiteral("Times New Roman"));
  ClickTab(0);
  EXPECT_EQ(Editor()->font().family(), QStringLiteral("Arial"));
}

// Positions of the selection after a search: {start, end}; the caret
// alone gives {pos, pos}.
std::pair<int, int> Selected(const QPlainTextEdit* editor) {
  const QTextCursor c = editor->textCursor();
  return {c.selectionStart(), c.selectionEnd()};
}

struct FindCase {
  const char* name;
  const char* text;
  int caret;
  const char* what;
  bool matchCase;
  bool wholeWord;
  std::vector<std::pair<int, int>> hits;  // one per Find Next; {-1, -1}: a beep
};

void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }

class SourceFindTest : public FormSourceTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(SourceFindTest, FindNextSelectsEachMatchInTurn) {
  const FindCase& c = GetParam();
  // Positions count from the line after the marker line.
  constexpr int kOffset = 8;
  Open(QByteArray("*PLENZO\r\n") + c.text);
  QTextCursor caret = Editor()->textCursor();
  caret.setPosition(kOffset + c.caret);
  Editor()->setTextCursor(caret);
  form->FindDialog->SetFindText(QString::fromLatin1(c.what));
  form->FindDialog->SetOptions({c.matchCase, c.wholeWord});
  int beeps = 0;
  for (const auto& hit : c.hits) {
    const auto before = Selected(Editor());
    form->FindDialog->FindNext->click();
    if (hit.first < 0) {
      EXPECT_EQ(ui.beeps(), ++beeps);
      EXPECT_EQ(Selected(Editor()), before);  // nothing moves
    } else {
      EXPECT_EQ(Selected(Editor()), std::make_pair(kOffset + hit.first, kOffset + hit.second));
      EXPECT_EQ(form->FindDialogTag, 1);
    }
  }
  EXPECT_EQ(ui.beeps(), beeps);
  EXPECT_TRUE(ui.texts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SourceFindTest,
    ::testing::Values(
        // A match at the caret is found, also at the very start of the text.
        FindCase{"AtTheStart", "TANK tank\r\n", 0, "tank", false, false, {{0, 4}, {5, 9}, {-1, -1}}},
        FindCase{"RightAtTheCaret", "TANK tank\r\n", 5, "tank", false, false, {{5, 9}, {-1, -1}}},
        FindCase{"MatchCase", "TANK tank Tank\r\n", 0, "Tank", true, false, {{10, 14}, {-1, -1}}},
        FindCase{"WholeWord", "TANKS tank\r\n", 0, "tank", false, true, {{6, 10}}},
        // Overlapping matches: the next search starts one past the hit.
        FindCase{"Overlapping", "aaa\r\n", 0, "aa", false, false, {{0, 2}, {1, 3}, {-1, -1}}},
        FindCase{"OverLines", "* x\r\nTANK = 1\r\n", 1, "tank", false, false, {{4, 8}}},
        FindCase{"NotFound", "TANK\r\n", 0, "pump", false, false, {{-1, -1}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(FormSourceTest, ReplaceHonoursMatchCaseForTheSelection) {
  Open("*PLENZO\r\nTank tank\r\n");
  QTextCursor cursor = Editor()->textCursor();
  cursor.setPosition(8);
  cursor.setPosition(12, QTextCursor::KeepAnchor);  // "Tank"
  Editor()->setTextCursor(cursor);
  form->ReplaceDialog->SetFindText(QStringLiteral("tank"));
  form->ReplaceDialog->ReplaceEdit->setText(QStringLiteral("pump"));
  form->ReplaceDialog->SetOptions({true, false});
  form->ReplaceDialog->ReplaceButton->click();
  EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("*PLENZO\nTank tank"));  // the selection differs in case
  EXPECT_EQ(Selected(Editor()), std::make_pair(13, 17));
  form->ReplaceDialog->ReplaceButton->click();
  EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("*PLENZO\nTank pump"));
  EXPECT_EQ(ui.beeps(), 1);  // nothing after it
  EXPECT_FALSE(form->SourceSaved);
}

TEST_F(FormSourceTest, ReplaceAllReplacesFromTheCaretAndBeepsOnce) {
  Open("*PLENZO\r\ntank\r\ntank tank\r\n");
  QTextCursor cursor = Editor()->textCursor();
  cursor.setPosition(13);
  Editor()->setTextCursor(cursor);
  form->ReplaceDialog->SetFindText(QStringLiteral("tank"));
  form->ReplaceDialog->ReplaceEdit->setText(QStringLiteral("pump"));
  form->ReplaceDialog->ReplaceAllButton->click();
  EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("*PLENZO\ntank\npump pump"));
  EXPECT_EQ(ui.beeps(), 1);
  form->Undo1Click();  // one step
  EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("*PLENZO\ntank\ntank tank"));

  // With no occurrence left: one beep, nothing else.
  ui.clear();
  form->ReplaceDialog->SetFindText(QStringLiteral("valve"));
  form->ReplaceDialog->ReplaceAllButton->click();
  EXPECT_EQ(ui.beeps(), 1);
  EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("*PLENZO\ntank\ntank tank"));
}

// Without a find text the buttons are off: Replace All cannot loop.
TEST_F(FormSourceTest, TheDialogsNeedAFindText) {
  Open();
  form->ReplaceDialog->SetFindText(QString());
  EXPECT_FALSE(form->ReplaceDialog->ReplaceAllButton->isEnabled());
  EXPECT_FALSE(form->FindDialog->FindNext->isEnabled());
}

TEST_F(FormSourceTest, PrintingHandsTheLinesToThePrintJob) {
  Open("*PLENZO\r\n\tTANK = 1\r\n\r\nEND\r\n");
  QStringList printed;
  PrintTextLines() = [&printed](const QStringList& lines) { printed = lines; };
  form->SourcePrint();
  PrintTextLines() = nullptr;
  EXPECT_EQ(printed, (QStringList{QStringLiteral("*PLENZO"), QStringLiteral("\tTANK = 1"), QString(),
                                  QStringLiteral("END")}));
}

}  // namespace
}  // namespace pm::test
