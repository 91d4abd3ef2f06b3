#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "authoring/assigninput.h"
#include "authoring/groupinput.h"
#include "authoring/pictureinput.h"

namespace pm::test {
namespace {

using Lines = std::vector<std::string>;

Lines Numbered(int n) {
  Lines lines;
  for (int i = 0; i < n; ++i) lines.push_back("L" + std::to_string(i));
  return lines;
}

TEST(MakeGroup, WholeLinesAreEnclosed) {
  VectorSourceLines lines(Numbered(8));
  lines.Select(3, 6);  // lines 3 to 5 whole: the selection ends at the start of line 6
  ASSERT_EQ(WriteGroup(lines, "Tank", "Tank data", ""), GroupRefusal::None);
  EXPECT_EQ(lines.Lines(),
            (Lines{"L0", "L1", "L2", "*|[Tank|Tank data", "L3", "L4", "L5", "*|]", "L6", "L7"}));
}

TEST(MakeGroup, NothingSelectedGivesAnEmptyGroup) {
  VectorSourceLines lines(Numbered(3));
  lines.Select(1, 1);
  ASSERT_EQ(WriteGroup(lines, " A|b ", "x|y", "RGB(1,2,3)"), GroupRefusal::None);
  EXPECT_EQ(lines.Lines(), (Lines{"L0", "*|[ A/b |x/y|BACKGROUND=RGB(1,2,3)", "*|]", "L1", "L2"}));
}

TEST(MakeGroup, NestingAndTabWindowsAreRefused) {
  struct Case {
    Lines lines;
    int caret;
    int end;
    GroupRefusal refusal;
  } cases[] = {
      {{"*|[Outer|x", "L1", "L2"}, 1, 2, GroupRefusal::Nested},
      {{"*|#*|[Outer|x", "L1", "L2"}, 1, 2, GroupRefusal::Nested},
      {{"L0", "*|]", "L2"}, 0, 2, GroupRefusal::Nested},
      {{"L0", "*|[In|x", "L2"}, 0, 2, GroupRefusal::Nested},
      {{"L0", "*|<TABWINDOW NAME=\"P\">", "L2"}, 0, 2, GroupRefusal::TabWindow},
      {{"L0", "*|</TABWINDOW>", "L2"}, 0, 2, GroupRefusal::TabWindow},
      {{"*|[Closed|x", "*|]", "L2"}, 2, 3, GroupRefusal::None},
      {{"L0", "*|]", "L2"}, 0, 1, GroupRefusal::None},  // the end line stays outside
  };
  for (const Case& c : cases) {
    VectorSourceLines lines(c.lines);
    lines.Select(c.caret, c.end);
    EXPECT_EQ(WriteGroup(lines, "G", "", ""), c.refusal) << c.lines[1];
    if (c.refusal != GroupRefusal::None) {
      EXPECT_EQ(lines.Lines(), c.lines);
    }
  }
  EXPECT_EQ(GroupRefusalMessage(GroupRefusal::Nested), "A group cannot be placed inside another group.");
  EXPECT_EQ(GroupRefusalMessage(GroupRefusal::TabWindow), "A group cannot hold a tab window.");
}

const Lines kAssigns = {
    "ASSIGN \"weather.dat\" 12",                 // 0
    "*|?Weather file|4",                         // 1
    "ASSIGN loads.dat 13",                       // 2
    "*|*Loads",                                  // 3: text, no link
    "ASSIGN \"pumps a.dat\" 14",                 // 4
    "*|<Pump model|pumps.lst|1|2||APPLINK1|go",  // 5
    "ASSIGN out.txt 6",                          // 6
};

TEST(Assign, StatementsAndTheirLinks) {
  const VectorSourceLines lines(kAssigns);
  const std::vector<AssignStatement> s = ScanAssignStatements(lines);
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[0].unit, "12");
  EXPECT_EQ(s[0].index, -1);
  EXPECT_EQ(s[1].index, 3);
  EXPECT_EQ(s[2].index, -5);
  EXPECT_EQ(s[3].index, 7);
  AssignFields f;
  std::string bad;
  ASSERT_TRUE(LoadAssign(lines, s[0], &f, &bad));
  EXPECT_EQ(f.fileName, "weather.dat");
  EXPECT_EQ(f.link, AssignLink::OpenFile);
  EXPECT_EQ(f.description, "Weather file");
  EXPECT_EQ(f.help, 4);
  ASSERT_TRUE(LoadAssign(lines, s[2], &f, &bad));
  EXPECT_EQ(f.fileName, "pumps a.dat");
  EXPECT_EQ(f.link, AssignLink::FileReference);
  EXPECT_EQ(f.listFile, "pumps.lst");
  EXPECT_EQ(f.displayColumn, 1);
  EXPECT_EQ(f.fileColumn, 2);
  EXPECT_EQ(f.help, 0);
  EXPECT_EQ(f.tail, "|APPLINK1|go");
  ASSERT_TRUE(LoadAssign(lines, s[1], &f, &bad));
  EXPECT_EQ(f.link, AssignLink::NotLinked);
}

TEST(Assign, Rewrites) {
  struct Case {
    int item;
    AssignLink link;
    const char* file;
    Lines expected;
  } cases[] = {
      // A statement without a link gets an open-file link after it.
      {1,
       AssignLink::OpenFile,
       "new loads.dat",
       {"ASSIGN \"weather.dat\" 12", "*|?Weather file|4", "ASSIGN \"new loads.dat\" 13", "*|?Desc|9",
        "*|*Loads", "ASSIGN \"pumps a.dat\" 14", "*|<Pump model|pumps.lst|1|2||APPLINK1|go",
        "ASSIGN out.txt 6"}},
      // Not linked: the link goes, the line after it stays.
      {0,
       AssignLink::NotLinked,
       "weather.dat",
       {"ASSIGN \"weather.dat\" 12", "ASSIGN loads.dat 13", "*|*Loads", "ASSIGN \"pumps a.dat\" 14",
        "*|<Pump model|pumps.lst|1|2||APPLINK1|go", "ASSIGN out.txt 6"}},
      // A rewritten file reference keeps its own list file.
      {2,
       AssignLink::FileReference,
       "pumps b.dat",
       {"ASSIGN \"weather.dat\" 12", "*|?Weather file|4", "ASSIGN loads.dat 13", "*|*Loads",
        "ASSIGN \"pumps b.dat\" 14", "*|<Desc|pumps.lst|1|2|9|APPLINK1|go", "ASSIGN out.txt 6"}},
      // A new file reference at the end of the text.
      {3,
       AssignLink::FileReference,
       "out.txt",
       {"ASSIGN \"weather.dat\" 12", "*|?Weather file|4", "ASSIGN loads.dat 13", "*|*Loads",
        "ASSIGN \"pumps a.dat\" 14", "*|<Pump model|pumps.lst|1|2||APPLINK1|go", "ASSIGN \"out.txt\" 6",
        "*|<Desc|out.txt|3|4|9"}},
  };
  for (const Case& c : cases) {
    VectorSourceLines lines(kAssigns);
    const AssignStatement s = ScanAssignStatements(lines)[static_cast<size_t>(c.item)];
    AssignFields f;
    std::string bad;
    ASSERT_TRUE(LoadAssign(lines, s, &f, &bad));
    f.fileName = c.file;
    f.link = c.link;
    f.description = "Desc";
    f.help = 9;
    if (c.item == 3) {
      f.displayColumn = 3;
      f.fileColumn = 4;
    }
    ASSERT_EQ(WriteAssign(lines, s, f), AssignField::None) << c.item;
    EXPECT_EQ(lines.Lines(), c.expected) << c.item;
  }
}

TEST(Assign, RefusalsWriteNothing) {
  struct Case {
    const char* file;
    const char* description;
    AssignLink link;
    AssignField fault;
  } cases[] = {
      {"", "Desc", AssignLink::NotLinked, AssignField::FileName},
      {"  ", "Desc", AssignLink::OpenFile, AssignField::FileName},
      {"a\"b", "Desc", AssignLink::OpenFile, AssignField::FileName},
      {"a|b.dat", "Desc", AssignLink::FileReference, AssignField::FileName},
      {"a.dat", "FONT2> x", AssignLink::FileReference, AssignField::Description},
  };
  for (const Case& c : cases) {
    VectorSourceLines lines(kAssigns);
    const AssignStatement s = ScanAssignStatements(lines)[3];
    AssignFields f;
    f.fileName = c.file;
    f.description = c.description;
    f.link = c.link;
    EXPECT_EQ(WriteAssign(lines, s, f), c.fault) << c.file;
    EXPECT_EQ(lines.Lines(), kAssigns);
  }
  VectorSourceLines lines(Lines{"ASSIGN a.dat 3", "*|<List|l.dat|x|2|0"});
  AssignFields f;
  std::string bad;
  EXPECT_FALSE(LoadAssign(lines, ScanAssignStatements(lines)[0], &f, &bad));
  EXPECT_EQ(bad, "x");
}

TEST(Picture, LinesAndRefusals) {
  struct Case {
    const char* file;
    const char* justification;
    const char* line;  // null: refused
  } cases[] = {
      {"plant.bmp", "Center", "*|<PICTURE> plant.bmp Center"},
      {"/home/a b/plant.bmp", "Left", "*|<PICTURE> \"/home/a b/plant.bmp\" Left"},
      {"plant.bmp", "", "*|<PICTURE> plant.bmp "},
      {"", "Left", nullptr},
      {"a\"b.bmp", "Left", nullptr},
  };
  for (const Case& c : cases) {
    VectorSourceLines lines(Lines{"L0", "L1"});
    lines.Select(1, 1);
    EXPECT_EQ(WritePicture(lines, c.file, c.justification), c.line != nullptr) << c.file;
    if (c.line) {
      EXPECT_EQ(lines.Lines(), (Lines{"L0", c.line, "L1"}));
    } else {
      EXPECT_EQ(lines.Count(), 2);
    }
  }
}

TEST(BackgroundColour, TextsAndColours) {
  EXPECT_EQ(ColorOfText("RED"), 0x0000FFu);
  EXPECT_EQ(RgbText(ColorOfText("RED")), "RGB(255,0,0)");
  EXPECT_EQ(RgbText(ColorOfText("rgb(1, 2,3)")), "RGB(1,2,3)");
  EXPECT_EQ(ColorOfText("CRIMSON"), 0xFFFFFFu);
  EXPECT_EQ(ColorOfText("RGB(1,2"), 0xFFFFFFu);  // malformed: white, and no message
}

}  // namespace
}  // namespace pm::test
