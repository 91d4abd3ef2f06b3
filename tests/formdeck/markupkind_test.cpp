#include "formdeck/markupkind.h"

#include <gtest/gtest.h>

namespace pm::test {
namespace {

TEST(MarkupKind, EachLineHasTheKindTheParserActsOn) {
  struct Case {
    const char* line;
    MarkupKind kind;
  } cases[] = {
      {"*|{Pumps|Pumps used", MarkupKind::CheckBoxGroup},
      {"*|(Mode|Operating mode", MarkupKind::RadioGroup},
      {"*|[Tank|Tank data", MarkupKind::OpenGroup},
      {"*|]", MarkupKind::CloseGroup},
      {"*|#*|]", MarkupKind::CloseGroup},  // column 4
      {"*|<FONT2> \"Times\" 12", MarkupKind::Font},
      {"*|<font1> arial", MarkupKind::Font},
      {"*|<FONT2", MarkupKind::Input},  // no arguments: the parser's ">" flag
      {"*|<TABWINDOW NAME=\"Pumps\">", MarkupKind::OpenTabWindow},
      {"*|</TABWINDOW>", MarkupKind::CloseTabWindow},
      {"*|<ALIGN1> CENTER", MarkupKind::Align},
      {"*|<TAB2> 3CM", MarkupKind::Tab},
      {"*|<SIZE2> 12", MarkupKind::Size},
      {"*|<STYLE2> BOLD", MarkupKind::Style},
      {"*|<COLOR3> RED", MarkupKind::Color},
      {"*|<APPLINK1> plant.bmp", MarkupKind::AppLink},
      {"*|<IMG SRC=\"a.bmp\">", MarkupKind::Img},
      {"*|<PICTURE> plant.bmp Center", MarkupKind::Picture},
      {"*|*Some text", MarkupKind::TextLine},
      {"*|<BACKGROUND> WHITE", MarkupKind::Background},
      {"*|<BEFORE> a.exe", MarkupKind::Before},
      {"*|<AFTER> a.exe", MarkupKind::After},
      {"*|<BEFORE1> a.exe", MarkupKind::Before1},
      {"*|<AFTER1> a.exe", MarkupKind::After1},
      {"*|<WINDOWSIZE>", MarkupKind::WindowSize},
      // List inputs whose labels begin like commands but carry no ">".
      {"*|<Size of tank|sizes.dat|1|2|0", MarkupKind::Input},
      {"*|<Tabulated loads|loads.dat|1|2|0", MarkupKind::Input},
      {"*|Tank volume|m3|ft3|0|35.31|0|100|", MarkupKind::Input},
      {"*|?Weather file|12", MarkupKind::Input},
      // "Contains" tests: a label holding a group opener is a group.
      {"*|Label *|{ x|m|ft|0|1|0|1|0", MarkupKind::CheckBoxGroup},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyMarkupLine(c.line), c.kind) << c.line;
}

TEST(MarkupKind, SlotDigitsStandWhereTheParserReadsThem) {
  EXPECT_EQ(SlotColumnOf(MarkupKind::Font), 8);
  EXPECT_EQ(SlotColumnOf(MarkupKind::Size), 8);
  EXPECT_EQ(SlotColumnOf(MarkupKind::Style), 9);
  EXPECT_EQ(SlotColumnOf(MarkupKind::Color), 9);
  EXPECT_EQ(SlotColumnOf(MarkupKind::Align), 9);
  EXPECT_EQ(SlotColumnOf(MarkupKind::Tab), 7);
  EXPECT_EQ(SlotColumnOf(MarkupKind::Input), 0);
  EXPECT_EQ(WithoutHiddenPrefix("*|#*|<FONT2> x"), "*|<FONT2> x");
  EXPECT_EQ(WithoutHiddenPrefix("*|<FONT2> x"), "*|<FONT2> x");
}

}  // namespace
}  // namespace pm::test
