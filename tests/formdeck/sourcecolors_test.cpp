#include "formdeck/sourcecolors.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QAbstractTextDocumentLayout>
#include <QTextLayout>
#include <ostream>

#include <gtest/gtest.h>

namespace pm {
namespace {

struct LookCase {
  const char* line;
  int color;
  int style;
};

void PrintTo(const LookCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class SourceLineLookTest : public ::testing::TestWithParam<LookCase> {};

TEST_P(SourceLineLookTest, TakesTheEntryOfItsKind) {
  const LookCase& c = GetParam();
  const SourceLineLook look = SourceLineLookOf(QString::fromLatin1(c.line));
  EXPECT_EQ(look.color, c.color) << c.line;
  EXPECT_EQ(look.style, c.style) << c.line;
}

INSTANTIATE_TEST_SUITE_P(Lines, SourceLineLookTest,
                         ::testing::Values(LookCase{"*|#<Flow|kg/s>", 2, 2},  // hidden mark-up
                                           LookCase{"*|<Flow|kg/s>", 1, 1},   // mark-up
                                           LookCase{"*|", 1, 1},
                                           LookCase{"*\\ commented", 3, 3},   // comments
                                           LookCase{"*", 3, 3},
                                           LookCase{"CONSTANTS FLOW = 2", 4, 4},
                                           LookCase{"constants", 4, 4},       // by its upper case
                                           LookCase{"EQUATIONS 3", 4, 2},     // the disabled style
                                           LookCase{"Equations", 4, 2},
                                           LookCase{"UNIT 1 TYPE 3", 4, 0},   // any other engine line
                                           LookCase{" CONSTANTS", 4, 0},      // only at the start
                                           LookCase{"CONSTANT", 4, 0},
                                           LookCase{"", 0, 0}));              // not coloured

TEST(StyleFromIndex, NoneBoldItalicUnderlineAndNoneOtherwise) {
  struct Case {
    int index;
    bool bold, italic, underline;
  };
  for (const Case& c : {Case{0, false, false, false}, Case{1, true, false, false}, Case{2, false, true, false},
                        Case{3, false, false, true}, Case{4, false, false, false}, Case{-1, false, false, false}}) {
    const QTextCharFormat f = StyleFromIndex(c.index);
    EXPECT_EQ(f.fontWeight() == QFont::Bold, c.bold) << c.index;
    EXPECT_EQ(f.fontItalic(), c.italic) << c.index;
    EXPECT_EQ(f.fontUnderline(), c.underline) << c.index;
  }
}

// The formats a highlighter leaves in a block's layout (none in the text).
QTextCharFormat FormatOfLine(const QTextDocument& doc, int line) {
  const QTextBlock block = doc.findBlockByNumber(line);
  const QList<QTextLayout::FormatRange> ranges = block.layout()->formats();
  if (ranges.size() != 1 || ranges[0].start != 0 || ranges[0].length != block.length() - 1) return {};
  return ranges[0].format;
}

TEST(SourceHighlighter, ColoursEachLineByTheSettingsEntries) {
  QTextDocument doc;
  doc.documentLayout();  // as in an editor: changes are announced only to a laid-out document
  SourceHighlighter highlighter(&doc);
  SourceStyles styles;
  styles.colors = {0x0000FF, 0x00FF00, 0xFF0000, 0x808080};  // red, green, blue, grey
  styles.styles = {1, 3, 2, 1};
  highlighter.SetStyles(styles);
  doc.setPlainText(QStringLiteral("*|<X>\n*|#<Y>\n* note\nCONSTANTS A\nEQUATIONS 1\nUNIT 1\n\nLAST"));
  // Colouring again changes neither the modified mark nor the undo steps.
  doc.setModified(false);
  highlighter.rehighlight();
  struct Expect {
    int line;
    QColor color;
    bool bold, italic, underline;
  };
  const Expect expects[] = {
      {0, QColor(255, 0, 0), true, false, false},      // entry 1: bold
      {1, QColor(0, 255, 0), false, false, true},      // entry 2: underline
      {2, QColor(0, 0, 255), false, true, false},      // entry 3: italic
      {3, QColor(128, 128, 128), true, false, false},  // colour 4, style 4
      {4, QColor(128, 128, 128), false, false, true},  // colour 4, style of entry 2
      {5, QColor(128, 128, 128), false, false, false},
      {7, QColor(128, 128, 128), false, false, false},
  };
  for (const Expect& e : expects) {
    const QTextCharFormat f = FormatOfLine(doc, e.line);
    EXPECT_EQ(f.foreground().color(), e.color) << e.line;
    EXPECT_EQ(f.fontWeight() == QFont::Bold, e.bold) << e.line;
    EXPECT_EQ(f.fontItalic(), e.italic) << e.line;
    EXPECT_EQ(f.fontUnderline(), e.underline) << e.line;
  }
  EXPECT_TRUE(doc.findBlockByNumber(6).layout()->formats().isEmpty());  // the empty line
  EXPECT_FALSE(doc.isModified());
  EXPECT_FALSE(doc.isUndoAvailable());
}

}  // namespace
}  // namespace pm
