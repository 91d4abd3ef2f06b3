#include "common/commentlines.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace pm {
namespace {

struct CommentCase {
  const char* name;
  const char* text;
  int start;  // selection, as positions in the text
  int end;
  const char* after;
};

class CommentLinesTest : public ::testing::TestWithParam<CommentCase> {};

TEST_P(CommentLinesTest, CommentsOrUncommentsTheSelectedLines) {
  const CommentCase& c = GetParam();
  QTextDocument doc;
  doc.setPlainText(QString::fromLatin1(c.text));
  QTextCursor cursor(&doc);
  cursor.setPosition(c.start);
  cursor.setPosition(c.end, QTextCursor::KeepAnchor);
  CommentSelectedLines(&cursor);
  EXPECT_EQ(doc.toPlainText(), QString::fromLatin1(c.after));
  // One undo step takes it all back.
  doc.undo();
  EXPECT_EQ(doc.toPlainText(), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommentLinesTest,
    ::testing::Values(
        CommentCase{"AddsToEveryLine", "a\nb\nc\nd", 0, 4, "*\\a\n*\\b\n*\\c\nd"},
        CommentCase{"PartOfOneLine", "abc\ndef", 1, 2, "*\\abc\ndef"},
        // The first line commented: only the lines that have the prefix lose it.
        CommentCase{"RemovesWhereItIs", "*\\a\nb\n*\\c", 0, 8, "a\nb\nc"},
        // The first line not commented: a commented line gets a second prefix.
        CommentCase{"AddsASecondPrefix", "a\n*\\b", 0, 5, "*\\a\n*\\*\\b"},
        // A selection that ends at the start of a line takes that line too.
        CommentCase{"EndAtTheStartOfALine", "a\nb\nc", 0, 2, "*\\a\n*\\b\nc"},
        CommentCase{"EmptyLine", "a\n\nc", 2, 3, "a\n*\\\n*\\c"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(CommentLines, NothingWithoutASelection) {
  QTextDocument doc;
  doc.setPlainText(QStringLiteral("a\nb"));
  QTextCursor cursor(&doc);
  cursor.setPosition(1);
  CommentSelectedLines(&cursor);
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("a\nb"));
  EXPECT_FALSE(doc.isUndoAvailable());
}

TEST(CommentLines, TheSelectionCoversTheSameLinesAfterwards) {
  QTextDocument doc;
  doc.setPlainText(QStringLiteral("x\nab\ncd\ny"));
  QTextCursor cursor(&doc);
  cursor.setPosition(3);
  cursor.setPosition(6, QTextCursor::KeepAnchor);
  CommentSelectedLines(&cursor);
  EXPECT_EQ(cursor.selectedText(), QStringLiteral("*\\ab") + QChar(0x2029) + QStringLiteral("*\\cd"));
  EXPECT_TRUE(SelectionStartsCommented(cursor));
  CommentSelectedLines(&cursor);  // and a second command takes it back
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("x\nab\ncd\ny"));
}

TEST(CommentLines, SelectedLinesRunFromTheStartLineToTheEndLine) {
  QTextDocument doc;
  doc.setPlainText(QStringLiteral("a\nb\nc"));
  QTextCursor cursor(&doc);
  cursor.setPosition(4);
  cursor.setPosition(1, QTextCursor::KeepAnchor);  // selected backwards
  const SelectedLines lines = SelectedLinesOf(cursor);
  EXPECT_EQ(lines.first, 0);
  EXPECT_EQ(lines.last, 2);
}

}  // namespace
}  // namespace pm
