// The forward search and replace that the text editor and the Source view
// share, on a plain text document.
#include "common/textsearch.h"

#include <gtest/gtest.h>

#include <QTextDocument>

namespace pm {
namespace {

struct FindCase {
  const char* name;
  const char* text;
  const char* what;
  int from;
  SearchOptions options;
  int at;  // position of the match, -1 for none
};

TEST(TextSearchTest, FindsForwardByCaseAndWholeWordWithoutWrapping) {
  const FindCase cases[] = {
      {"any case", "abc Foo foo", "foo", 0, {false, false}, 4},
      {"match case", "abc Foo foo", "foo", 0, {true, false}, 8},
      {"from a position", "foo foo", "foo", 1, {false, false}, 4},
      {"at the position", "foo foo", "foo", 4, {false, false}, 4},
      {"no wrap", "foo bar", "foo", 1, {false, false}, -1},
      {"part of a word", "football foo", "foo", 0, {false, false}, 0},
      {"whole word", "football foo", "foo", 0, {false, true}, 9},
      {"whole word, no case", "football FOO", "foo", 0, {false, true}, 9},
      {"whole word and case", "Foo foo", "foo", 0, {true, true}, 4},
      {"next line", "one\ntwo foo", "FOO", 0, {false, false}, 8},
      {"empty find text", "foo", "", 0, {false, false}, -1},
      {"not there", "foo", "bar", 0, {false, false}, -1},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(c.name);
    QTextDocument doc(QString::fromUtf8(c.text));
    const QTextCursor found = FindForward(doc, QString::fromUtf8(c.what), c.from, c.options);
    if (c.at < 0) {
      EXPECT_TRUE(found.isNull());
      continue;
    }
    ASSERT_FALSE(found.isNull());
    EXPECT_EQ(found.selectionStart(), c.at);
    EXPECT_EQ(found.selectedText().size(), QString::fromUtf8(c.what).size());
  }
}

TEST(TextSearchTest, TheSelectionMatchesByTheMatchCaseOption) {
  EXPECT_TRUE(SameSearchText(QStringLiteral("Foo"), QStringLiteral("foo"), false));
  EXPECT_FALSE(SameSearchText(QStringLiteral("Foo"), QStringLiteral("foo"), true));
  EXPECT_TRUE(SameSearchText(QStringLiteral("foo"), QStringLiteral("foo"), true));
  EXPECT_FALSE(SameSearchText(QStringLiteral("fo"), QStringLiteral("foo"), false));
  EXPECT_FALSE(SameSearchText(QString(), QString(), false));
}

struct ReplaceCase {
  const char* name;
  const char* text;
  int anchor, position;  // the editor's selection; equal for a bare caret
  const char* what;
  const char* with;
  SearchOptions options;
  bool all;
  const char* result;
  int replaced;
  bool found;
  int selectedAt;  // the match left selected, or the caret when none
};

TEST(TextSearchTest, ReplaceAndReplaceAll) {
  const ReplaceCase cases[] = {
      // A matching selection is replaced, then the next match is only selected.
      {"single", "foo foo foo", 0, 3, "foo", "X", {}, false, "X foo foo", 1, true, 2},
      {"selection differs in case", "Foo foo", 0, 3, "foo", "X", {}, false, "X foo", 1, true, 2},
      {"selection with match case", "Foo foo", 0, 3, "foo", "X", {true, false}, false, "Foo foo", 0, true, 4},
      {"no selection selects", "a foo", 0, 0, "foo", "X", {}, false, "a foo", 0, true, 2},
      {"last match replaced", "a foo", 2, 5, "foo", "X", {}, false, "a X", 1, false, 3},
      {"nothing at all", "abc", 0, 0, "foo", "X", {}, false, "abc", 0, false, 0},
      // Replace All works from the caret on; matches before it stay.
      {"all from caret", "foo foo foo", 4, 4, "foo", "X", {}, true, "foo X X", 2, false, 7},
      {"all with selection", "foo foo foo", 4, 7, "foo", "X", {}, true, "foo X X", 2, false, 7},
      {"all, no occurrence", "abc", 0, 0, "foo", "X", {}, true, "abc", 0, false, 0},
      {"all, replacement holds the text", "a a", 0, 0, "a", "aa", {}, true, "aa aa", 2, false, 5},
      {"all, whole words", "foo food foo", 0, 0, "foo", "X", {false, true}, true, "X food X", 2, false, 8},
      {"all, match case", "foo Foo foo", 0, 0, "foo", "X", {true, false}, true, "X Foo X", 2, false, 7},
      {"all, over lines", "foo\nbar foo\nfoo", 0, 0, "foo", "X", {}, true, "X\nbar X\nX", 3, false, 9},
  };
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    QTextDocument doc(QString::fromUtf8(c.text));
    QTextCursor at(&doc);
    at.setPosition(c.anchor);
    at.setPosition(c.position, QTextCursor::KeepAnchor);
    const ReplaceOutcome outcome = ReplaceForward(
        &doc, at, {QString::fromUtf8(c.what), QString::fromUtf8(c.with), c.options, c.all});
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8(c.result));
    EXPECT_EQ(outcome.replaced, c.replaced);
    EXPECT_EQ(outcome.found, c.found);
    EXPECT_EQ(outcome.cursor.selectionStart(), c.selectedAt);
    EXPECT_EQ(outcome.cursor.hasSelection(), c.found);
  }
}

TEST(TextSearchTest, AReplaceAllIsOneUndoStep) {
  QTextDocument doc(QStringLiteral("foo foo foo"));
  doc.setUndoRedoEnabled(true);
  ReplaceForward(&doc, QTextCursor(&doc), {QStringLiteral("foo"), QStringLiteral("bar"), {}, true});
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("bar bar bar"));
  doc.undo();
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("foo foo foo"));
}

}  // namespace
}  // namespace pm
