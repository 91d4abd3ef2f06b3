#include "common/deckconstants.h"

#include "platform/textfile.h"
#include "support/testfiles.h"
#include "support/testpaths.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

const QString kPlantDeck = QStringLiteral(PELMARK_FIXTURES_DIR "/authoring/plant.pzd");

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
  return std::vector<std::string>(lines.begin(), lines.end());
}

TEST(ReadDeckConstants, FillsPEQListWithTheConstantsOfAPlenzoDeck) {
  ReadDeckConstants(kPlantDeck);
  ASSERT_TRUE(PEQList().has_value());
  struct Row {
    const char* name;
    const char* value;
    const char* description;
    const char* units;
    int counter;
  } expected[] = {
      // Names keep a blank before "=": tables refer to them as written.
      {"AREA ", " 12.5", "Collector area", "[m2]", 0},
      // Before any unit section the label is one blank.
      {"NMODE", "1", "No description available", " ", 0},
      {"TANKVOL", "0.3", "Tank volume", "[m3]", 0},
      {"HEIGHT", "1.5", "Tank height", "[m]", 0},
      {"NODES", "10", "Number of nodes", "[]", 0},
      {"TIN", "20", "Inlet temperature", "", 0},
      {"MFLOW", "1000", "No description available", "UNIT 12 CIRCULATING PUMP", 0},
      {"PRATED", "0.25", "No description available", "UNIT 12 CIRCULATING PUMP", 0},
      {"AREA", "8", "#Hidden area", "[m2]", 1},
      {"AREA1", "9", "Third area", "", 1},
  };
  const TConstList& list = *PEQList();
  ASSERT_EQ(list.size(), std::size(expected));
  for (size_t i = 0; i < list.size(); ++i) {
    const Row& r = expected[i];
    EXPECT_EQ(list[i].Name, r.name) << i;
    EXPECT_EQ(list[i].Value, r.value) << i;
    EXPECT_EQ(GetItemDescription(list[i]), r.description) << i;
    EXPECT_EQ(list[i].Units, r.units) << i;
    EXPECT_EQ(list[i].Counter, r.counter) << i;
  }
}

TEST(ReadDeckConstants, AMissingFileOrADeckWithoutConstantsLeavesNoList) {
  QTemporaryDir dir;
  const QString none = dir.filePath(QStringLiteral("none.pzd"));
  const QString equations = dir.filePath(QStringLiteral("equations.pzd"));
  test::WriteBytes(equations, "*PLENZO\r\nEQUATIONS 1\r\nA=1\r\n");
  ReadDeckConstants(kPlantDeck);
  ASSERT_TRUE(PEQList().has_value());
  ReadDeckConstants(none);
  EXPECT_FALSE(PEQList().has_value());
  ReadDeckConstants(kPlantDeck);
  ReadDeckConstants(equations);
  EXPECT_FALSE(PEQList().has_value());
  // A quoted name written on Windows finds the file.
  ReadDeckConstants(QStringLiteral("\"") + QStringLiteral(PELMARK_FIXTURES_DIR "/AUTHORING/Plant.PZD") +
                    QStringLiteral("\""));
  EXPECT_TRUE(PEQList().has_value());
}

TEST(ParseDeckConstants, RepeatedNamesAreNumbered) {
  const auto list = ParseDeckConstants(Lines({"CONSTANTS 2", "AREA=1", "LEN=2", "CONSTANTS 1", "AREA=3",
                                              "CONSTANTS 2", "AREA=4", "LEN=5"}));
  ASSERT_TRUE(list);
  std::vector<std::string> names;
  for (const TConstItem& c : *list) names.push_back(c.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"AREA", "LEN", "AREA1", "AREA2", "LEN1"}));
  EXPECT_EQ((*list)[0].Counter, 2);
  EXPECT_EQ((*list)[1].Counter, 1);
  EXPECT_EQ((*list)[3].Counter, 2);
}

TEST(ParseDeckConstants, BlankLinesAndCommentsDoNotUseUpAConstant) {
  const auto list = ParseDeckConstants(Lines({"CONSTANTS 3", "", "* first", "A=1", "", "B=2", "*|*", "  ", "C=3",
                                              "*|Third|K|K|0|1|0|9|", "D=4"}));
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 3u);
  EXPECT_EQ((*list)[2].Name, "C");
  EXPECT_EQ((*list)[2].Description, "Third");
  EXPECT_EQ((*list)[2].Units, "[K]");
}

TEST(ParseDeckConstants, EachUnitSectionLabelsItsUndescribedConstants) {
  const auto list = ParseDeckConstants(Lines({
      "*|*     ***** UNIT 3 TYPE 16 ROOM *****",
      "CONSTANTS 1",
      "VOL=3",
      "*|*     ***** UNIT 4 TYPE 30 PUMP *****",
      "CONSTANTS 2",
      "A=1",
      "*|Flow|kg/s|lb/hr|0|7936.6|0|10|",
      "B=2",
      "*|*     ***** UNIT 5 *****",
      "CONSTANTS 1",
      "C=1",
  }));
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 4u);
  EXPECT_EQ((*list)[0].Units, "UNIT 3 ROOM");
  // The SI unit whatever the unit system: the values are stored in it.
  EXPECT_EQ((*list)[1].Units, "[kg/s]");
  // A described constant before it does not lend its unit.
  EXPECT_EQ((*list)[2].Units, "UNIT 4 PUMP");
  EXPECT_EQ((*list)[3].Units, "UNIT 5 ");
}

TEST(ParseDeckConstants, ABlockCutShortByTheEndOfTheFileKeepsWhatItHolds) {
  const auto list = ParseDeckConstants(Lines({"CONSTANTS 5", "A=1", "*|Alpha", "B="}));
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 2u);
  EXPECT_EQ((*list)[0].Description, "Alpha");
  EXPECT_EQ((*list)[1].Value, "?");
  EXPECT_FALSE(ParseDeckConstants(Lines({"CONSTANTS"})) == std::nullopt);
  EXPECT_TRUE(ParseDeckConstants(Lines({"CONSTANTS"}))->empty());
}

TEST(SplitConstantLine, NameUpperCasedValueAsWritten) {
  struct Case {
    const char* line;
    const char* name;
    const char* value;
  } cases[] = {
      {"area=5", "AREA", "5"},
      {"  Area =  5 ", "AREA ", "  5 "},
      {"A=B=C", "A", "B=C"},
      {"A=", "A", "?"},
      {"LONELY", "LONELY", "?"},
  };
  for (const Case& c : cases) {
    std::string name, value;
    SplitConstantLine(c.line, &name, &value);
    EXPECT_EQ(name, c.name) << c.line;
    EXPECT_EQ(value, c.value) << c.line;
  }
}

}  // namespace
}  // namespace pm
