#include "platform/rtfreader.h"

#include "support/testfiles.h"
#include "support/testpaths.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

#include <string>

namespace pm {
namespace {

// Units in the dumps: font sizes in points; indents, spacing and column
// widths in pixels at the dpi the document was read for (96 unless a test
// says otherwise); tab stops in pixels at 96 per inch.
QString Number(double value) { return QString::number(value, 'g', 6); }

QString CharAttributes(const QTextCharFormat& f) {
  QStringList out;
  if (f.fontWeight() >= QFont::Bold) out << QStringLiteral("b");
  if (f.fontItalic()) out << QStringLiteral("i");
  if (f.fontUnderline()) out << QStringLiteral("u");
  if (f.fontStrikeOut()) out << QStringLiteral("s");
  if (f.fontPointSize() != 12.0) out << Number(f.fontPointSize()) + QStringLiteral("pt");
  if (!f.fontFamilies().toStringList().isEmpty())
    out << QStringLiteral("f=") + f.fontFamilies().toStringList().join(QLatin1Char(','));
  if (f.hasProperty(QTextFormat::ForegroundBrush)) out << f.foreground().color().name();
  if (f.hasProperty(QTextFormat::BackgroundBrush))
    out << QStringLiteral("bg=") + f.background().color().name();
  if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) out << QStringLiteral("sup");
  if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) out << QStringLiteral("sub");
  return out.isEmpty() ? QString() : QLatin1Char('[') + out.join(QLatin1Char(' ')) + QLatin1Char(']');
}

QString BlockAttributes(const QTextBlockFormat& f) {
  QStringList out;
  const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
  if (a == Qt::AlignHCenter) out << QStringLiteral("=c");
  if (a == Qt::AlignRight) out << QStringLiteral("=r");
  if (a == Qt::AlignJustify) out << QStringLiteral("=j");
  if (f.leftMargin() != 0) out << QStringLiteral("li=") + Number(f.leftMargin());
  if (f.rightMargin() != 0) out << QStringLiteral("ri=") + Number(f.rightMargin());
  if (f.textIndent() != 0) out << QStringLiteral("fi=") + Number(f.textIndent());
  if (f.topMargin() != 0) out << QStringLiteral("sb=") + Number(f.topMargin());
  if (f.bottomMargin() != 0) out << QStringLiteral("sa=") + Number(f.bottomMargin());
  if (f.lineHeightType() != QTextBlockFormat::SingleHeight)
    out << QStringLiteral("line=") + Number(f.lineHeight()) + QLatin1Char('/') +
               QString::number(f.lineHeightType());
  QStringList tabs;
  for (const QTextOption::Tab& t : f.tabPositions()) {
    const char* kind = t.type == QTextOption::RightTab    ? "R"
                       : t.type == QTextOption::CenterTab ? "C"
                       : t.type == QTextOption::DelimiterTab ? "D"
                                                            : "L";
    tabs << Number(t.position) + QLatin1String(kind);
  }
  if (!tabs.isEmpty()) out << QStringLiteral("tabs=") + tabs.join(QLatin1Char(','));
  if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) out << QStringLiteral("pb");
  return out.join(QLatin1Char(' '));
}

// One line per block: its table cell, its attributes, then its runs.
QString Dump(const QTextDocument& doc) {
  QStringList lines;
  QTextTable* lastTable = nullptr;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    QString line;
    QTextTable* table = QTextCursor(block).currentTable();
    if (table && table != lastTable) {
      QStringList widths;
      for (const QTextLength& w : table->format().columnWidthConstraints())
        widths << Number(w.rawValue());
      lines << QStringLiteral("table %1x%2 w=%3 border=%4")
                   .arg(table->rows())
                   .arg(table->columns())
                   .arg(widths.join(QLatin1Char(',')))
                   .arg(table->format().border()) +
                   (table->format().bottomMargin() > 0
                        ? QStringLiteral(" after=") + Number(table->format().bottomMargin())
                        : QString());
    }
    lastTable = table;
    if (table) {
      const QTextTableCell cell = table->cellAt(block.position());
      line += QStringLiteral("[%1,%2]").arg(cell.row()).arg(cell.column());
      // The border sides of a cell, at its first block.
      const QTextTableCellFormat f = cell.format().toTableCellFormat();
      QString sides;
      if (f.topBorder() > 0) sides += QLatin1Char('T');
      if (f.bottomBorder() > 0) sides += QLatin1Char('B');
      if (f.leftBorder() > 0) sides += QLatin1Char('L');
      if (f.rightBorder() > 0) sides += QLatin1Char('R');
      if (!sides.isEmpty() && block.position() == cell.firstPosition()) line += QLatin1Char('|') + sides;
    }
    const QString attributes = BlockAttributes(block.blockFormat());
    if (!attributes.isEmpty()) line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + attributes;
    line += QLatin1Char(':');
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      line += QStringLiteral(" \"") + fragment.text() + QLatin1Char('"') +
              CharAttributes(fragment.charFormat());
    }
    lines << line;
  }
  return lines.join(QLatin1Char('\n'));
}

// The text as blocks joined by line ends, without toPlainText's changes
// to special spaces.
QString BlockText(const QTextDocument& doc) {
  QStringList blocks;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) blocks << block.text();
  return blocks.join(QLatin1Char('\n'));
}

struct Case {
  const char* name;
  std::string rtf;
  QString text;
  QString runs;
};

const Case kCases[] = {
    {"OneParagraph", R"({\rtf1\ansi Hello world\par})", QStringLiteral("Hello world"),
     QStringLiteral(": \"Hello world\"")},
    {"CharacterToggles", R"({\rtf1 a\b b\b0 c{\i d}e\ul f\ulnone g\strike h\strike0\ul0 i})",
     QStringLiteral("abcdefghi"),
     QStringLiteral(": \"a\" \"b\"[b] \"c\" \"d\"[i] \"e\" \"f\"[u] \"g\" \"h\"[s] \"i\"")},
    {"FontSizeInPoints", R"({\rtf1\fs20 small {\fs36 big} \fs23 odd})", QStringLiteral("small big odd"),
     QStringLiteral(": \"small \"[10pt] \"big\"[18pt] \" \"[10pt] \"odd\"[11.5pt]")},
    {"FontTableAndPlain",
     R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman Times New Roman;})"
     R"({\f2\fmodern{\*\panose 02070309020205020404}Courier New;}}A\f1 B\f2\b C\plain D})",
     QStringLiteral("ABCD"),
     QStringLiteral(": \"A\"[f=Arial] \"B\"[f=Times New Roman] \"C\"[b f=Courier New] \"D\"[f=Arial]")},
    {"FontTableWithoutGroups", R"({\rtf1{\fonttbl\f0\fnil Arial;\f1\fnil Courier New;}\f1 x})",
     QStringLiteral("x"), QStringLiteral(": \"x\"[f=Courier New]")},
    {"ColourTable",
     R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}x\cf1 red\cf2 blue\cf0 auto )"
     R"({\highlight1 hi}{\cb2 bg}})",
     QStringLiteral("xredblueauto hibg"),
     QStringLiteral(": \"x\" \"red\"[#ff0000] \"blue\"[#0000ff] \"auto \" \"hi\"[bg=#ff0000] "
                    "\"bg\"[bg=#0000ff]")},
    {"Alignment", R"({\rtf1\pard\qc Centre\par\pard\qr Right\par\pard\qj Just\par\pard Left\par})",
     QStringLiteral("Centre\nRight\nJust\nLeft"),
     QStringLiteral("=c: \"Centre\"\n=r: \"Right\"\n=j: \"Just\"\n: \"Left\"")},
    {"IndentsAndSpacingInPixels", R"({\rtf1\li720\ri1440\fi-360\sb120\sa240 Text\par})",
     QStringLiteral("Text"), QStringLiteral("li=48 ri=96 fi=-24 sb=8 sa=16: \"Text\"")},
    {"LineSpacing", R"({\rtf1\sl360\slmult1 a\par\pard\sl-300 b\par\pard\sl300 c})",
     QStringLiteral("a\nb\nc"),
     QStringLiteral("line=150/1: \"a\"\nline=20/2: \"b\"\nline=20/3: \"c\"")},
    {"TabStopsAndKinds",
     R"({\rtf1\tx1440\tqr\tx4320\tqdec\tx5760\tqc\tx7200 a\tab b\tab c\tab 1.5\tab d})",
     QStringLiteral("a\tb\tc\t1.5\td"),
     QStringLiteral("tabs=96L,288R,384D,480C: \"a\tb\tc\t1.5\td\"")},
    {"PardResetsTabsAndIndents", R"({\rtf1\li720\tx1000 a\par\pard b})", QStringLiteral("a\nb"),
     QStringLiteral("li=48 tabs=66.6667L: \"a\"\n: \"b\"")},
    {"SpecialCharacters",
     R"({\rtf1 a\~b\-c\_d\emdash e\endash f\bullet g\lquote h\rquote i\ldblquote j\rdblquote\{\}\\})",
     QStringLiteral("a\u00a0b\u00adc\u2011d\u2014e\u2013f\u2022g\u2018h\u2019i\u201cj\u201d{}\\"),
     QString()},
    {"HexEscapesAreWindows1252", R"({\rtf1 caf\'e9 \'80 \'b0C \'93q\'94})",
     QStringLiteral("caf\u00e9 \u20ac \u00b0C \u201cq\u201d"), QString()},
    {"RawHighBytesAreWindows1252", "{\\rtf1 25\xb0" "C \x80 \x93x\x94}",
     QStringLiteral("25\u00b0C \u20ac \u201cx\u201d"), QString()},
    {"UnicodeWithSkipCounts",
     R"({\rtf1\u8364?\u-10179?\u-8704? \uc2\u937ab c\uc1\u233\'e9 {\u252?})",
     QStringLiteral("\u20ac\U0001F600 \u03a9 c\u00e9 \u00fc"), QString()},
    {"LineBreakInsideParagraph", R"({\rtf1 one\line two\par three})", QStringLiteral("one\u2028two\nthree"),
     QString()},
    {"BackslashNewlineIsParagraph", "{\\rtf1 a\\\nb\\\r\nc}", QStringLiteral("a\nb\nc"), QString()},
    {"EmptyParagraphsKeptLastParAddsNone", R"({\rtf1 A\par\par B\par})", QStringLiteral("A\n\nB"),
     QString()},
    {"PageBreak", R"({\rtf1 A\page B})", QStringLiteral("A\nB"), QStringLiteral(": \"A\"\npb: \"B\"")},
    {"SkippedDestinations",
     R"({\rtf1{\info{\title T}{\author X}}{\stylesheet{\s0 Normal;}}{\*\generator Gen;})"
     R"({\header H}{\footer F}{\footnote N}{\*\bkmkstart b}{\pict\pngblip 89504e47})"
     R"({\object{\objdata 01}}{\listtable{\list x}}{\rsidtbl \rsid1}{\*\themedata 50})"
     R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}}{\field{\fldinst PAGE}{\fldrslt 1}} Body)"
     R"({\*\unknown hidden}})",
     QStringLiteral("Link1 Body"), QString()},
    {"UnknownWordsAndParametersRunningIntoText", R"({\rtf1 \foo A\charrsid8151840L2 \bar12x\zz-3y})",
     QStringLiteral("AL2 xy"), QString()},
    {"HiddenText", R"({\rtf1 shown{\v hidden} again\v gone\v0 !})", QStringLiteral("shown again!"),
     QString()},
    {"BinarySkipsItsBytes", R"({\rtf1 a{\pict\bin3 }}}}b})", QStringLiteral("ab"), QString()},
    {"SuperAndSubscript", R"({\rtf1 m{\super 2}H{\sub 2}O})", QStringLiteral("m2H2O"),
     QStringLiteral(": \"m\" \"2\"[sup] \"H\" \"2\"[sub] \"O\"")},
    // A warning line inserted into a template closes the group it stands
    // in; what follows the outermost group is read on.
    {"TextAfterTheOutermostGroup",
     R"({\rtf1\fs20 Warnings: w1\par }{\f1\fs22\insrsid8151840\charrsid8151840 \par End}})",
     QStringLiteral("Warnings: w1\n\nEnd"),
     QStringLiteral(": \"Warnings: w1\"[10pt]\n:\n: \"End\"[11pt]")},
    {"ExtraClosingBraces", R"({\rtf1 a}}}{\b b} c)", QStringLiteral("ab c"),
     QStringLiteral(": \"a\" \"b\"[b] \" c\"")},
    {"SimpleTable",
     R"({\rtf1 Intro\par\trowd\clbrdrt\brdrs\cellx1440\cellx3600\intbl A1\cell\qr B1\cell\row)"
     R"(\trowd\cellx1440\cellx3600\pard\intbl A2\cell B2\cell\row\pard After\par})",
     QStringLiteral("Intro\nA1\nB1\nA2\nB2\nAfter"),
     QStringLiteral(": \"Intro\"\ntable 2x2 w=96,144 border=0\n[0,0]|T: \"A1\"\n[0,1] =r: \"B1\"\n"
                    "[1,0]: \"A2\"\n[1,1]: \"B2\"\n: \"After\"")},
    // Each cell has the sides its own border words give, none without them.
    {"CellBordersFromTheirWords",
     R"({\rtf1\trowd\clbrdrb\brdrs\brdrw10\cellx1440\clbrdrl\brdrs\clbrdrr\brdrs\cellx2880)"
     R"(\clbrdrt\brdrnone\cellx4320\clbrdrt\clbrdrb\clbrdrl\clbrdrr\cellx5760)"
     R"(\intbl A\cell B\cell C\cell D\cell\row\trowd\cellx1440\intbl E\cell\row})",
     QStringLiteral("\nA\nB\nC\nD\nE\n\n\n\n"),
     QStringLiteral(":\ntable 2x4 w=96,96,96,96 border=0\n[0,0]|B: \"A\"\n[0,1]|LR: \"B\"\n[0,2]: \"C\"\n"
                    "[0,3]|TBLR: \"D\"\n[1,0]: \"E\"\n[1,1]:\n[1,2]:\n[1,3]:\n:")},
    // Qt drops the space before the first paragraph after a table: it
    // becomes the table's space after.
    {"SpaceBeforeTheParagraphAfterATable",
     R"({\rtf1\trowd\cellx1440\intbl A\cell\row\pard\sb300 After\par\pard\sb300 Next\par})",
     QStringLiteral("\nA\nAfter\nNext"),
     QStringLiteral(":\ntable 1x1 w=96 border=0 after=20\n[0,0]: \"A\"\nsb=20: \"After\"\nsb=20: \"Next\"")},
    {"TableRowWithoutIntblAndAWiderSecondRow",
     R"({\rtf1\trowd\cellx1000 X\cell\row\trowd\cellx1000\cellx2000 Y\cell\b Z\cell\row Next})",
     QStringLiteral("\nX\n\nY\nZ\nNext"),
     QStringLiteral(":\ntable 2x2 w=66.6667,66.6667 border=0\n[0,0]: \"X\"\n[0,1]:\n[1,0]: \"Y\"\n"
                    "[1,1]: \"Z\"[b]\n: \"Next\"[b]")},
    {"ParagraphsInsideACell", R"({\rtf1\trowd\cellx2000\intbl one\par two\cell\row})",
     QStringLiteral("\none\ntwo\n"),
     QStringLiteral(":\ntable 1x1 w=133.333 border=0\n[0,0]: \"one\"\n[0,0]: \"two\"\n:")},
    {"StrayCellAndRowOutsideATable", R"({\rtf1 a\cell b\row c\cellx100 d})", QStringLiteral("abcd"),
     QString()},
};

class RtfCases : public testing::TestWithParam<Case> {};

TEST_P(RtfCases, TextAndRuns) {
  const Case& c = GetParam();
  QTextDocument doc;
  ASSERT_TRUE(ReadRichText(QByteArray::fromStdString(c.rtf), &doc));
  EXPECT_EQ(BlockText(doc).toStdString(), c.text.toStdString());
  if (!c.runs.isEmpty()) {
    EXPECT_EQ(Dump(doc).toStdString(), c.runs.toStdString());
  }
}

INSTANTIATE_TEST_SUITE_P(Snippets, RtfCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

TEST(RtfReader, DefaultTabDistanceComesFromDeftab) {
  QTextDocument doc;
  ReadRichText(QByteArray(R"({\rtf1 a})"), &doc);
  EXPECT_DOUBLE_EQ(doc.defaultTextOption().tabStopDistance(), 48.0);  // 720 twips
  ReadRichText(QByteArray(R"({\rtf1\deftab360 a})"), &doc);
  EXPECT_DOUBLE_EQ(doc.defaultTextOption().tabStopDistance(), 24.0);
}

TEST(RtfReader, IndentsFollowTheLayoutResolutionTabStopsDoNot) {
  QTextDocument doc;
  ReadRichText(QByteArray(R"({\rtf1\li720\sa1440\tx1440 a\par})"), &doc);
  EXPECT_EQ(Dump(doc), QStringLiteral("li=48 sa=96 tabs=96L: \"a\""));
  ReadRichText(QByteArray(R"({\rtf1\li720\sa1440\tx1440 a\par})"), &doc, 300.0);
  EXPECT_EQ(Dump(doc), QStringLiteral("li=150 sa=300 tabs=96L: \"a\""));
}

TEST(RtfReader, PlainTextIsWindows1252Lines) {
  QTextDocument doc;
  EXPECT_FALSE(IsRichText(QByteArray("  {\\rtf1 x}")));
  EXPECT_TRUE(IsRichText(QByteArray("{\\rtf1 x}")));
  EXPECT_FALSE(ReadRichText(QByteArray("Listing\r\n25 \xb0" "C\rlast {\\b x}\n"), &doc));
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("Listing\n25 \u00b0C\nlast {\\b x}"));
}

TEST(RtfReader, ReadingAgainReplacesTheContent) {
  QTextDocument doc;
  ReadRichText(QByteArray(R"({\rtf1\trowd\cellx100 a\cell\row})"), &doc);
  ReadRichText(QByteArray(R"({\rtf1 fresh})"), &doc);
  EXPECT_EQ(BlockText(doc), QStringLiteral("fresh"));
  EXPECT_FALSE(doc.isUndoAvailable());
}

TEST(RtfReader, TemplateFixtureReads) {
  QTextDocument doc;
  const QByteArray bytes = test::ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/rtf/report.rtf"));
  ASSERT_FALSE(bytes.isEmpty());
  ASSERT_TRUE(ReadRichText(bytes, &doc));
  const QString text = BlockText(doc);
  EXPECT_TRUE(text.startsWith(QStringLiteral("Plant report"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Supply temperature\t%%1\t\u00b0C"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("Normal"))) << "the style sheet shows";
  EXPECT_FALSE(text.contains(QStringLiteral("Author"))) << "the info group shows";
}

// Damaged input loads without a crash or a hang, and keeps what it can.
struct Broken {
  const char* name;
  std::string rtf;
  QString text;  // empty: only that it loads
};

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

const Broken kBroken[] = {
    {"UnclosedGroups", R"({\rtf1 {\b open {\i deeper)", QStringLiteral("open deeper")},
    {"EscapeCutAtTheEnd", R"({\rtf1 a\')", QStringLiteral("a")},
    {"EscapeWithOneDigitAtTheEnd", R"({\rtf1 a\'4)", QStringLiteral("a")},
    {"EscapeWithABadDigit", R"({\rtf1 a\'4zb})", QStringLiteral("azb")},
    {"BackslashAtTheEnd", "{\\rtf1 a\\", QStringLiteral("a")},
    {"HugeFontSize", R"({\rtf1\fs99999999999999999999 x})", QStringLiteral("x")},
    {"NegativeAndHugeParameters", R"({\rtf1\li-99999999999\fi99999999999\u-99999999\uc99999 x\tx-5 y})",
     QString()},
    {"HugeBinaryCount", R"({\rtf1 a\bin999999999 bcd})", QStringLiteral("a")},
    {"DeepNesting", "{\\rtf1 " + Repeat("{", 200000) + "deep" + Repeat("}", 100), QStringLiteral("deep")},
    {"DeepNestingClosed", "{\\rtf1 " + Repeat("{\\b ", 5000) + "x" + Repeat("}", 5001) + " y",
     QStringLiteral("x y")},
    {"ManyExtraClosingBraces", "{\\rtf1 a" + Repeat("}", 100000) + "b", QStringLiteral("ab")},
    {"LongControlWord", "{\\rtf1 \\" + std::string(100000, 'x') + " z}", QStringLiteral("z")},
    {"ManyCellsNoRow", "{\\rtf1\\trowd" + Repeat("\\cellx100", 500) + Repeat("c\\cell", 500) + "}",
     QString()},
    {"ManyTabStops", "{\\rtf1" + Repeat("\\tx100\\tx", 2000) + " t}", QStringLiteral("t")},
    {"ColourIndexOutOfRange", R"({\rtf1{\colortbl;\red999\green-5\blue3;}\cf77\highlight-3 x\cf1 y})",
     QStringLiteral("xy")},
    {"FontTableNeverClosed", R"({\rtf1{\fonttbl{\f0 Arial)", QString()},
    {"NulBytes", std::string("{\\rtf1 a\0b}", 11), QStringLiteral("ab")},
};

class RtfBroken : public testing::TestWithParam<Broken> {};

TEST_P(RtfBroken, LoadsWithoutCrashOrHang) {
  const Broken& c = GetParam();
  QTextDocument doc;
  ReadRichText(QByteArray::fromStdString(c.rtf), &doc);
  if (!c.text.isEmpty()) {
    EXPECT_EQ(BlockText(doc).toStdString(), c.text.toStdString());
  }
  // Laying it out must end too.
  doc.setTextWidth(600);
  EXPECT_GT(doc.size().height(), 0);
}

INSTANTIATE_TEST_SUITE_P(Malformed, RtfBroken, testing::ValuesIn(kBroken),
                         [](const testing::TestParamInfo<Broken>& param) { return std::string(param.param.name); });

TEST(RtfReader, ALongTableIsOneTableWithEveryRow) {
  std::string rtf = "{\\rtf1 before\\par";
  for (int i = 0; i < 3000; ++i)
    rtf += "\\trowd\\cellx1000\\cellx2000\\pard\\intbl r" + std::to_string(i) + "\\cell\\b x\\b0\\cell\\row";
  rtf += "\\pard after}";
  QTextDocument doc;
  ReadRichText(QByteArray::fromStdString(rtf), &doc);
  QTextTable* table = nullptr;
  for (QTextBlock b = doc.begin(); b.isValid() && !table; b = b.next()) table = QTextCursor(b).currentTable();
  ASSERT_TRUE(table);
  EXPECT_EQ(table->rows(), 3000);
  EXPECT_EQ(table->columns(), 2);
  EXPECT_EQ(table->cellAt(2999, 0).firstCursorPosition().block().text(), QStringLiteral("r2999"));
  EXPECT_TRUE(table->cellAt(2999, 1).firstCursorPosition().charFormat().fontWeight() >= QFont::Bold);
  EXPECT_EQ(doc.lastBlock().text(), QStringLiteral("after"));
}

TEST(RtfReader, HugeFontSizeIsClamped) {
  QTextDocument doc;
  ReadRichText(QByteArray(R"({\rtf1\fs99999999999999999999 x})"), &doc);
  EXPECT_EQ(Dump(doc), QStringLiteral(": \"x\"[1638pt]"));
}

}  // namespace
}  // namespace pm
