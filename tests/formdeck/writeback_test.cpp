#include "formdeck/writeback.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

using Lines = std::vector<std::string>;

WriteBackItem Item(int line, ElementKind kind, bool inGroup = false) {
  WriteBackItem item;
  item.lineNumber = line;
  item.kind = kind;
  item.inGroup = inGroup;
  return item;
}

WriteBackItem Rebuilt(int line, ElementKind kind, const std::string& text, bool inGroup = false) {
  WriteBackItem item = Item(line, kind, inGroup);
  item.keepLine = false;
  item.line = text;
  return item;
}

WriteBackItem Group(int line, bool shown) {
  WriteBackItem item = Item(line, ElementKind::VisualGroup, true);
  item.groupShown = shown;
  return item;
}

WriteBackItem Radio(int line, std::vector<bool> checked, bool inGroup = false) {
  WriteBackItem item = Item(line, ElementKind::RadioGroup, inGroup);
  item.itemsChecked = std::move(checked);
  return item;
}

TEST(WriteBackLines, ValueLinesAreReplacedAndEveryOtherLineKept) {
  const Lines held = {
      "*PLENZO", "FLOW = 12.5", "*|Flow|kg/s|lb/h|0|1|0|100.0|3", "", "X = 1 ! note //checked", "END"};
  const Lines out =
      WriteBackLines(held, {Rebuilt(2, ElementKind::NumericInput, "FLOW = 1.2500000000000E+01")});
  const Lines expected = {"*PLENZO", "FLOW = 1.2500000000000E+01", "*|Flow|kg/s|lb/h|0|1|0|100.0|3",
                          "*",       "X = 1 ! note //checked",     "END"};
  EXPECT_EQ(out, expected);
}

// An input found by its line number: an empty line between its deck line and
// its mark-up, or an element whose line is out of order, changes nothing for
// the others.
TEST(WriteBackLines, ElementsAreFoundByTheirLineNumbers) {
  const Lines held = {"A = 1", "", "*|A|-|-|0|1|0|9|0", "B = 2", "*|B|-|-|0|1|0|9|0"};
  const Lines out = WriteBackLines(held, {Rebuilt(4, ElementKind::NumericInput, "B = new"),
                                          Rebuilt(1, ElementKind::NumericInput, "A = new"),
                                          Rebuilt(1, ElementKind::NumericInput, "A = second")});
  // The empty line stays: as "*" it would be A's deck line at the next read.
  EXPECT_EQ(out, (Lines{"A = new", "", "*|A|-|-|0|1|0|9|0", "B = new", "*|B|-|-|0|1|0|9|0"}));
}

TEST(WriteBackLines, HiddenGroupLinesCarryThePrefix) {
  const Lines held = {"*|[G|Group",       "*|*Heading", "A = 1", "*|A|-|-|0|1|0|9|0",
                      "* engine comment", "*|]",        "B = 2"};
  const auto items = [](bool shown) {
    return std::vector<WriteBackItem>{Group(1, shown), Item(2, ElementKind::TextLine, true),
                                      Rebuilt(3, ElementKind::NumericInput, "A = 1.0", true)};
  };
  std::vector<WriteBackItem> hidden = items(false);
  hidden[1].neverHidden = true;  // a text line without an input
  EXPECT_EQ(WriteBackLines(held, hidden),
            (Lines{"*|#*|[G|Group", "*|*Heading", "*|#A = 1.0", "*|#*|A|-|-|0|1|0|9|0", "*|#* engine comment",
                   "*|#*|]", "B = 2"}));
  // Shown again: the prefixes of the last save go.
  const Lines saved = WriteBackLines(held, hidden);
  std::vector<WriteBackItem> shown = items(true);
  shown[1].neverHidden = true;
  EXPECT_EQ(WriteBackLines(saved, shown), (Lines{"*|[G|Group", "*|*Heading", "A = 1.0", "*|A|-|-|0|1|0|9|0",
                                                 "* engine comment", "*|]", "B = 2"}));
}

// A choice group inside a hidden visual group keeps its own lines free of
// the prefix (older readers take "*|#" on an item as part of its caption);
// the rest of the visual group stays hidden after its close.
TEST(WriteBackLines, ChoiceGroupLinesInAHiddenGroupHaveNoPrefix) {
  const Lines held = {"*|#*|[G|Group", "*|#*|{C|Choose", "*|#*|Log|L", "*|#1 pump|P", "** note",
                      "*|}",           "*|#Z = 1",       "*|#*|]"};
  const Lines out = WriteBackLines(held, {Group(1, false), Item(2, ElementKind::CheckBoxGroup, true)});
  EXPECT_EQ(out, (Lines{"*|#*|[G|Group", "*|{C|Choose", "*|Log|L", "*|#1 pump|P", "** note", "*|}",
                        "*|#Z = 1", "*|#*|]"}));
}

// The mark follows the checked item by its position, so two items with one
// caption keep the user's choice; outside radio groups "//checked" is text.
TEST(WriteBackLines, CheckedMarkFollowsTheCheckedRadioItem) {
  const Lines held = {
      "*|(Mode|Calculation", "*|Run|A|_B//checked", "** skipped", "*|no bar",        "*|Run|B|_A", "*|)",
      "*|{Opt|Options",      "*|Keep//checked|A",   "*|}",        "* note //checked"};
  const Lines out = WriteBackLines(held, {Radio(1, {false, true}), Item(7, ElementKind::CheckBoxGroup)});
  EXPECT_EQ(out, (Lines{"*|(Mode|Calculation", "*|Run|A|_B", "** skipped", "*|no bar", "*|Run|B|_A//checked",
                        "*|)", "*|{Opt|Options", "*|Keep//checked|A", "*|}", "* note //checked"}));
}

// A line hidden by hand outside any group stays hidden: without "*|#" the
// engine would read it.
TEST(WriteBackLines, HiddenLinesOutsideGroupsKeepThePrefix) {
  const Lines held = {"*|#ASSIGN old.dat 14",
                      "*|#X = 1",
                      "*|#*|X|-|-|0|1|0|9|0",
                      "*|[G|Group",
                      "*|#Y = 2",
                      "*|#*|Y|-|-|0|1|0|9|0",
                      "*|]",
                      "*|#* note"};
  const Lines out = WriteBackLines(held, {Rebuilt(2, ElementKind::NumericInput, "X = 1.0"), Group(4, true),
                                          Rebuilt(5, ElementKind::NumericInput, "Y = 2.0", true)});
  EXPECT_EQ(out, (Lines{"*|#ASSIGN old.dat 14", "*|#X = 1.0", "*|#*|X|-|-|0|1|0|9|0", "*|[G|Group", "Y = 2.0",
                        "*|Y|-|-|0|1|0|9|0", "*|]", "*|#* note"}));
}

TEST(WriteBackLines, ElementsInNoGroupEndAHiddenState) {
  // A deck cut off inside a hidden group: the next element outside any group
  // is shown again.
  const Lines held = {"*|[G|Group", "A = 1", "*|A|-|-|0|1|0|9|0", "B = 2", "*|B|-|-|0|1|0|9|0"};
  const Lines out =
      WriteBackLines(held, {Group(1, false), Rebuilt(2, ElementKind::NumericInput, "A = 1", true),
                            Rebuilt(4, ElementKind::NumericInput, "B = 2")});
  EXPECT_EQ(out, (Lines{"*|#*|[G|Group", "*|#A = 1", "*|#*|A|-|-|0|1|0|9|0", "B = 2", "*|B|-|-|0|1|0|9|0"}));
}

TEST(WriteBackLines, LongLinesAreNeverCut) {
  const std::string longLine = "* " + std::string(600, 'x');
  const std::string longValue = "NAME = " + std::string(300, '7');
  const Lines out = WriteBackLines({longLine, longValue, "*|N|-|-|0|1|0|9|0"},
                                   {Rebuilt(2, ElementKind::ListInput, longValue)});
  EXPECT_EQ(out, (Lines{longLine, longValue, "*|N|-|-|0|1|0|9|0"}));
}

TEST(WriteBackText, LinesInTheDeckGrammar) {
  EXPECT_EQ(NumericValueLine("FLOW ", 12.5L), "FLOW = 1.2500000000000E+01");
  EXPECT_EQ(NumericValueLine("T", -0.0015L), "T= -1.5000000000000E-03");
  EXPECT_EQ(ValueLine("PUMP ", "3"), "PUMP = 3");
  EXPECT_EQ(AssignLine("ASSIGN", "\"my file.dat\"", 12), "ASSIGN \"my file.dat\" 12");
  EXPECT_EQ(FreeTextLine("Plant", "new text", true, "7 "), "*|*Plant|new text|7 ");
  EXPECT_EQ(FreeTextLine("Plant", "", false, ""), "*|*Plant|");
}

TEST(WriteBackText, BackupNameCutsAtTheFirstDot) {
  EXPECT_EQ(BackupName(QStringLiteral("/d/plant.pzd")), QStringLiteral("/d/plant.BAK"));
  EXPECT_EQ(BackupName(QStringLiteral("/d/plant.v2.pzd")), QStringLiteral("/d/plant.BAK"));
  EXPECT_EQ(BackupName(QStringLiteral("/d.v1/HOUSE")), QStringLiteral("/d.v1/HOUSE.BAK"));
  EXPECT_EQ(BackupName(QStringLiteral("plant.pzd")), QStringLiteral("plant.BAK"));
}

TEST(WriteBackText, ConversionToSI) {
  EXPECT_EQ(ToSIUnits(220, 10, 2, 2), 100);
  EXPECT_EQ(ToSIUnits(220, 10, 2, 1), 220);
}

TEST(WriteBackText, FirstChangedElementLine) {
  const Lines held = {"A = 1", "*|A", "B = 2", "*|B"};
  EXPECT_EQ(FirstChangedElementLine(held, held, {1, 3}), 0);
  EXPECT_EQ(FirstChangedElementLine(held, {"A = 1", "*|A changed", "B = 9", "*|B"}, {1, 3}), 3);
  EXPECT_EQ(FirstChangedElementLine(held, {"A = 1", "*|A"}, {3, 1}), 3);
}

}  // namespace
}  // namespace pm
