#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "authoring/equationscan.h"
#include "authoring/listinput.h"
#include "authoring/textinput.h"
#include "authoring/valueinput.h"

namespace pm::test {
namespace {

using Lines = std::vector<std::string>;

// The Part's own example: A without an input, a comment, B with one.
const Lines kTwoVariables = {
    "EQUATIONS 2", "A = 1", "* a comment", "B=2", "*|Flow rate|kg/s|lb/h|0|7936.6|0|100|120",
};

std::vector<std::pair<std::string, int>> Items(const EquationScan& scan) {
  std::vector<std::pair<std::string, int>> items;
  for (const EquationVariable& v : scan.variables) items.emplace_back(v.name, v.index);
  return items;
}

TEST(EquationScan, NewAndExistingInputLines) {
  const VectorSourceLines lines(kTwoVariables);
  const EquationScan scan = ScanEquations(lines, EquationInput::Numeric);
  EXPECT_EQ(Items(scan), (std::vector<std::pair<std::string, int>>{{"A", 2}, {"B", -4}}));
  ValueFields f;
  std::string bad;
  ASSERT_TRUE(LoadValueLine(lines, -4, &f, &bad));
  EXPECT_EQ(f.label, "Flow rate");
  EXPECT_EQ(f.primaryUnit, "kg/s");
  EXPECT_EQ(f.secondaryUnit, "lb/h");
  EXPECT_EQ(f.offset, "0");
  EXPECT_EQ(f.factor, "7936.6");
  EXPECT_EQ(f.minimum, "0");
  EXPECT_EQ(f.maximum, "100");
  EXPECT_EQ(f.help, 120);  // beyond a spin box's default 99
  EXPECT_EQ(f.tail, "");
}

// Only a line the parser reads as an input is a variable's input line; any
// other mark-up after an equation stays where it is.
TEST(EquationScan, WhatFollowsTheEquationDecidesTheItem) {
  struct Case {
    const char* next;
    int valueIndex;  // 0: left out
    int listIndex;
  } cases[] = {
      {"*|*", 2, 2},  // the separator after every block of the deck maker
      {"*|*Some text", 2, 2},
      {"*|]", 2, 2},
      {"*|[Tank|Tank", 2, 2},
      {"*|<FONT2> \"Arial\" 10", 2, 2},
      {"*|<SIZE2> 12", 2, 2},
      {"*|Volume|m3|ft3|0|35.31|0|100|", -2, 0},
      {"*|#*|Volume|m3|ft3|0|35.31|0|100|", -2, 0},
      {"*|<Size of tank|sizes.dat|1|2|0", 0, -2},
      {"*|<Tabulated loads|loads.dat|1|2|0", 0, -2},
      {"*|?Weather file|0", 0, 0},
      {"Q = 2", 2, 2},
  };
  for (const Case& c : cases) {
    const VectorSourceLines lines(Lines{"EQUATIONS 1", "X=1", c.next});
    const EquationScan value = ScanEquations(lines, EquationInput::Numeric);
    const EquationScan list = ScanEquations(lines, EquationInput::List);
    ASSERT_EQ(value.variables.size(), c.valueIndex == 0 ? 0u : 1u) << c.next;
    ASSERT_EQ(list.variables.size(), c.listIndex == 0 ? 0u : 1u) << c.next;
    if (c.valueIndex != 0) {
      EXPECT_EQ(value.variables[0].index, c.valueIndex) << c.next;
    }
    if (c.listIndex != 0) {
      EXPECT_EQ(list.variables[0].index, c.listIndex) << c.next;
    }
  }
}

TEST(EquationScan, CountsSortingAndTheEnd) {
  // A count larger than the lines left ends with the text; comments do not count.
  const VectorSourceLines lines(Lines{"equations 2", "zeta=1", "*", "Alpha=2", "EQUATIONS 0", "skipped=1",
                                      "EQUATIONS 1", "  beta = 3"});
  const EquationScan scan = ScanEquations(lines, EquationInput::Numeric);
  EXPECT_EQ(Items(scan), (std::vector<std::pair<std::string, int>>{{"Alpha", 4}, {"beta", 8}, {"zeta", 2}}));
  EXPECT_TRUE(scan.badCount.empty());
}

TEST(EquationScan, ACountThatIsNoIntegerStopsTheScan) {
  const VectorSourceLines lines(Lines{"EQUATIONS 1", "A=1", "EQUATIONS two", "B=1", "EQUATIONS 1", "C=1"});
  const EquationScan scan = ScanEquations(lines, EquationInput::Numeric);
  EXPECT_EQ(scan.badCount, "two");
  EXPECT_EQ(Items(scan), (std::vector<std::pair<std::string, int>>{{"A", 2}}));
}

TEST(ValueLoad, EmptyHelpTailAndBadHelp) {
  const VectorSourceLines lines(
      Lines{"EQUATIONS 3", "A=1", "*|Tank volume                                  |m3|ft3|0|35.31|0|100|",
            "B=1", "*|Pump|kW|hp|0|1.341|0|50|7|APPLINK2|-x \"a|b\"", "C=1", "*|Bad|m|ft|0|1|0|1|x7"});
  ValueFields f;
  std::string bad;
  ASSERT_TRUE(LoadValueLine(lines, -2, &f, &bad));
  EXPECT_EQ(f.help, 0);  // the deck maker's lines end in "|"
  EXPECT_EQ(f.label, "Tank volume                                  ");
  ASSERT_TRUE(LoadValueLine(lines, -4, &f, &bad));
  EXPECT_EQ(f.help, 7);
  EXPECT_EQ(f.tail, "|APPLINK2|-x \"a|b\"");
  EXPECT_FALSE(LoadValueLine(lines, -6, &f, &bad));
  EXPECT_EQ(bad, "x7");
  // A new item: label and units cleared, offset 0, factor 1.
  ASSERT_TRUE(LoadValueLine(lines, 2, &f, &bad));
  EXPECT_EQ(f.offset, "0");
  EXPECT_EQ(f.factor, "1");
  EXPECT_EQ(f.label, "");
}

TEST(ValueFont, OnlyTheLinesAboveTheEquationCount) {
  const VectorSourceLines lines(Lines{
      "*|<FONT2> \"Times New Roman\" 12 BOLD RED", "*|<COLOR3> GREEN", "*|#*|<SIZE2> 14",
      "*|<STYLE1> ITALIC",  // another slot
      "EQUATIONS 1", "A=1",
      "*|<FONT2> \"Courier New\" 8",  // after the equation: not yet in force
  });
  const ValueFont font = CurrentValueFont(lines, 6);
  EXPECT_EQ(font.label.font, "TIMES NEW ROMAN");
  EXPECT_EQ(font.label.size, "14");
  EXPECT_EQ(font.label.style, "BOLD");
  EXPECT_EQ(font.label.color, "RED");
  EXPECT_EQ(font.valueColor, "GREEN");
  const ValueFont none = CurrentValueFont(VectorSourceLines(Lines{"EQUATIONS 1", "A=1"}), 2);
  EXPECT_EQ(none.label.font, "Arial");
  EXPECT_EQ(none.label.size, "10");
  EXPECT_EQ(none.label.style, "NONE");
  EXPECT_EQ(none.label.color, "Black");
  EXPECT_EQ(none.valueColor, "Blue");
}

ValueInput Input(const char* fontName, int size, const char* style, const char* color,
                 const char* valueColor) {
  ValueInput in;
  in.fields.label = "Flow";
  in.fields.primaryUnit = "kg/s";
  in.fields.secondaryUnit = "lb/h";
  in.fields.minimum = "0";
  in.fields.maximum = "10.0";
  in.fontName = fontName;
  in.fontSize = size;
  in.fontStyle = style;
  in.fontColor = color;
  in.valueColor = valueColor;
  return in;
}

TEST(ValueWrite, SettingsAsInForceGiveOneLine) {
  VectorSourceLines lines(
      Lines{"*|<FONT2> \"Arial\" 10 NONE BLACK", "*|<COLOR3> BLUE", "EQUATIONS 1", "A=1", "END"});
  ASSERT_EQ(WriteValueInput(lines, 4, Input("Arial", 10, "None", "BLACK", "BLUE")), ValueField::None);
  EXPECT_EQ(lines.Lines(), (Lines{"*|<FONT2> \"Arial\" 10 NONE BLACK", "*|<COLOR3> BLUE", "EQUATIONS 1",
                                  "A=1", "*|Flow|kg/s|lb/h|0|1|0|10.0|0", "END"}));
}

TEST(ValueWrite, ChangedFontAndColourRestoredAfterTheItem) {
  VectorSourceLines lines(kTwoVariables);
  ValueInput in = Input("Times", 12, "None", "RED", "PURPLE ");
  in.sameFont = false;
  ASSERT_EQ(WriteValueInput(lines, -4, in), ValueField::None);
  EXPECT_EQ(lines.Lines(), (Lines{"EQUATIONS 2", "A = 1", "* a comment", "*|<FONT2> \"Times\" 12 None RED",
                                  "*|<COLOR3> PURPLE", "B=2", "*|Flow|kg/s|lb/h|0|1|0|10.0|0",
                                  "*|<COLOR3> Blue", "*|<FONT2> \"Arial\" 10 NONE Black"}));
}

TEST(ValueWrite, AStyleGoesIntoItsOwnLineBesideTheFont) {
  VectorSourceLines lines(
      Lines{"*|<FONT2> \"ARIAL\" 10 NONE BLACK", "*|<COLOR3> BLUE", "EQUATIONS 1", "A=1"});
  ValueInput in = Input("Arial", 10, "Bold", "BLACK", "BLUE");
  in.sameFont = false;
  ASSERT_EQ(WriteValueInput(lines, 4, in), ValueField::None);
  EXPECT_EQ(lines.Lines(),
            (Lines{"*|<FONT2> \"ARIAL\" 10 NONE BLACK", "*|<COLOR3> BLUE", "EQUATIONS 1",
                   "*|<FONT2> \"Arial\" 10 Bold BLACK", "*|<STYLE2> Bold", "A=1",
                   "*|Flow|kg/s|lb/h|0|1|0|10.0|0", "*|<FONT2> \"ARIAL\" 10 NONE BLACK", "*|<STYLE2> NONE"}));
}

TEST(ValueWrite, TailPrefixAndCleanedTexts) {
  VectorSourceLines lines(Lines{"*|<FONT2> \"ARIAL\" 10 NONE BLACK", "*|<COLOR3> BLUE", "EQUATIONS 1", "A=1",
                                "*|#*|Old|m|ft|0|1|0|1|5|APPLINK1|run.exe|x"});
  ValueFields f;
  std::string bad;
  ASSERT_TRUE(LoadValueLine(lines, -4, &f, &bad));
  ValueInput in = Input("ARIAL", 10, "NONE", "BLACK", "BLUE");
  in.fields.prefix = f.prefix;
  in.fields.tail = f.tail;
  in.fields.label = "  [in|out]";
  in.fields.primaryUnit = "m|s";
  in.fields.offset = "";
  in.fields.factor = " ";
  in.fields.help = f.help;
  ASSERT_EQ(WriteValueInput(lines, -4, in), ValueField::None);
  EXPECT_EQ(lines.Get(4), "*|#*| [in/out]|m/s|lb/h|0|1|0|10.0|5|APPLINK1|run.exe|x");
}

TEST(ValueWrite, FieldsThatWouldNotReadBackAreRefused) {
  struct Case {
    const char* label;
    const char* offset;
    const char* factor;
    const char* minimum;
    const char* maximum;
    ValueField fault;
  } cases[] = {
      {"Flow", "0", "1", " ", "1", ValueField::Minimum},  {"Flow", "0", "1", "0", "", ValueField::Maximum},
      {"Flow", "1,5", "1", "0", "1", ValueField::Offset}, {"Flow", "0", "0", "0", "1", ValueField::Factor},
      {"Flow", "0", "x", "0", "1", ValueField::Factor},   {"Flow", "0", "1", "low", "1", ValueField::Minimum},
      {"Flow", "0", "1", "0", "1e", ValueField::Maximum},
  };
  for (const Case& c : cases) {
    VectorSourceLines lines(Lines{"EQUATIONS 1", "A=1"});
    ValueInput in = Input("Arial", 10, "None", "BLACK", "BLUE");
    in.fields.label = c.label;
    in.fields.offset = c.offset;
    in.fields.factor = c.factor;
    in.fields.minimum = c.minimum;
    in.fields.maximum = c.maximum;
    EXPECT_EQ(WriteValueInput(lines, 2, in), c.fault) << c.label << " " << c.minimum;
    EXPECT_EQ(lines.Count(), 2) << "nothing written";
  }
  // Texts that would make another command lose their "|" instead.
  VectorSourceLines lines(Lines{"EQUATIONS 1", "A=1"});
  ValueInput in = Input("ARIAL", 10, "NONE", "Black", "Blue");
  in.fontName = "Arial";
  in.fields.label = "Flow *|{ x";
  in.fields.secondaryUnit = "*|[x";
  ASSERT_EQ(WriteValueInput(lines, 2, in), ValueField::None);
  EXPECT_EQ(lines.Get(4), "*|Flow */{ x|kg/s|*/[x|0|1|0|10.0|0");
}

TEST(ListInput, LoadAndWrite) {
  VectorSourceLines lines(
      Lines{"EQUATIONS 2", "SIZE=1", "*|<Size of tank|\"sizes.dat\"|1|2||APPLINK1|a", "B=1"});
  EXPECT_EQ(Items(ScanEquations(lines, EquationInput::List)),
            (std::vector<std::pair<std::string, int>>{{"B", 4}, {"SIZE", -2}}));
  ListFields f;
  std::string bad;
  ASSERT_TRUE(LoadListLine(lines, -2, &f, &bad));
  EXPECT_EQ(f.label, "Size of tank");
  EXPECT_EQ(f.fileName, "sizes.dat");
  EXPECT_EQ(f.displayColumn, 1);
  EXPECT_EQ(f.valueColumn, 2);
  EXPECT_EQ(f.help, 0);
  EXPECT_EQ(f.tail, "|APPLINK1|a");
  f.valueColumn = 3;
  f.help = 120;
  ASSERT_EQ(WriteListInput(lines, -2, f), ListField::None);
  EXPECT_EQ(lines.Get(2), "*|<Size of tank|\"sizes.dat\"|1|3|120|APPLINK1|a");
  ListFields fresh;
  fresh.label = "Loads";
  fresh.fileName = "/home/a b/loads.dat";
  ASSERT_EQ(WriteListInput(lines, 4, fresh), ListField::None);
  EXPECT_EQ(lines.Lines().back(), "*|<Loads|\"/home/a b/loads.dat\"|0|0|0");
}

TEST(ListInput, RefusalsAndBadColumns) {
  struct Case {
    const char* label;
    const char* file;
    ListField fault;
  } cases[] = {
      {"Loads", "", ListField::FileName},
      {"Loads", "a|b.dat", ListField::FileName},
      {"FONT2> x", "loads.dat", ListField::Label},
  };
  for (const Case& c : cases) {
    VectorSourceLines lines(Lines{"EQUATIONS 1", "A=1"});
    ListFields f;
    f.label = c.label;
    f.fileName = c.file;
    EXPECT_EQ(WriteListInput(lines, 2, f), c.fault) << c.label;
    EXPECT_EQ(lines.Count(), 2);
  }
  VectorSourceLines lines(Lines{"EQUATIONS 1", "A=1", "*|<Loads|loads.dat|one|2|0"});
  ListFields f;
  std::string bad;
  EXPECT_FALSE(LoadListLine(lines, -2, &f, &bad));
  EXPECT_EQ(bad, "one");
}

TEST(TextInput, NoSettingsGiveColourAlignmentAndText) {
  VectorSourceLines lines(Lines{"EQUATIONS 1", "A=1"});
  TextItem item{"Tank data", "Arial", 10, "None", "RED", "Center"};
  ASSERT_TRUE(WriteTextItem(lines, 0, item));
  EXPECT_EQ(lines.Lines(),
            (Lines{"*|<COLOR1> RED", "*|<ALIGN1> Center", "*|*Tank data", "EQUATIONS 1", "A=1"}));
}

TEST(TextInput, SettingsInForceAndFontNames) {
  VectorSourceLines lines(Lines{"*|<FONT1> \"Courier New\" 12", "*|<STYLE1> BOLD", "*|<COLOR1> RED",
                                "*|<ALIGN1> LEFT", "*|<FONT1> Times 8"});
  // The caret line's own settings come after the new lines.
  const SlotSettings s = CurrentTextSettings(lines, 4);
  EXPECT_EQ(s.font, "COURIER NEW");
  EXPECT_EQ(s.size, "12");
  EXPECT_EQ(s.style, "BOLD");
  EXPECT_EQ(s.color, "RED");
  EXPECT_EQ(s.align, "LEFT");
  TextItem same{"x", "Courier New", 12, "Bold", "Red", "Left"};
  ASSERT_TRUE(WriteTextItem(lines, 4, same));
  EXPECT_EQ(lines.Get(4), "*|*x");
  TextItem other{"y", "Times New Roman", 12, "Bold", "RED", "LEFT"};
  ASSERT_TRUE(WriteTextItem(lines, 0, other));
  EXPECT_EQ(lines.Get(0), "*|<FONT1> \"Times New Roman\" 12");
  // An old unquoted name of two words reads as the parser reads it.
  EXPECT_EQ(CurrentTextSettings(VectorSourceLines(Lines{"*|<FONT1> Courier New 10"}), 1).font, "NEW");
  VectorSourceLines cleaned(Lines{"A"});
  ASSERT_TRUE(WriteTextItem(cleaned, 0, TextItem{"a *|{ b", "Arial", 10, "NONE", "Black", "Left"}));
  EXPECT_EQ(cleaned.Get(2), "*|*a */{ b");
}

}  // namespace
}  // namespace pm::test
