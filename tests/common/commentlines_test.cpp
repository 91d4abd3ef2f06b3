// Commenting and uncommenting the lines of a selection with "*\".
#include "common/commentlines.h"

#include <gtest/gtest.h>

#include <QTextDocument>

namespace pm {
namespace {

struct Case {
  const char* name;
  const char* text;
  int start, end;
  const char* result;
};

TEST(CommentLinesTest, AddsOrRemovesThePrefixByTheFirstLine) {
  const Case cases[] = {
      {"one line", "a\nb\nc", 0, 1, "*\\a\nb\nc"},
      {"two lines", "a\nb\nc", 0, 3, "*\\a\n*\\b\nc"},
      {"inside lines", "abc\ndef\nghi", 1, 9, "*\\abc\n*\\def\n*\\ghi"},
      // Lines that have the prefix get a second one when the first has none.
      {"second prefix", "a\n*\\b\nc", 0, 6, "*\\a\n*\\*\\b\n*\\c"},
      // Removing leaves lines without the prefix as they are.
      {"remove", "*\\a\nb\n*\\c", 0, 8, "a\nb\nc"},
      {"remove only from those", "*\\a\n*\\*\\b\nc", 0, 9, "a\n*\\b\nc"},
      // A selection that ends at the start of a line takes that line too.
      {"ends at a line start", "a\nb\nc", 0, 2, "*\\a\n*\\b\nc"},
      {"last line", "a\nb", 2, 3, "a\n*\\b"},
      {"empty line", "a\n\nb", 0, 2, "*\\a\n*\\\nb"},
      {"a lone star is no prefix", "*a\nb", 0, 3, "*\\*a\n*\\b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTextDocument doc(QString::fromUtf8(c.text));
    ToggleCommentLines(&doc, c.start, c.end);
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8(c.result));
  }
}

TEST(CommentLinesTest, TheLineAtAPositionAndOneUndoStep) {
  QTextDocument doc(QStringLiteral("a\n*\\b"));
  EXPECT_FALSE(LineAtIsCommented(doc, 1));
  EXPECT_TRUE(LineAtIsCommented(doc, 2));
  EXPECT_TRUE(LineAtIsCommented(doc, 5));
  ToggleCommentLines(&doc, 0, 4);
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("*\\a\n*\\*\\b"));
  doc.undo();
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("a\n*\\b"));
}

}  // namespace
}  // namespace pm
