#include "authoring/plaindeck.h"

#include "authoring/authoringtestsupport.h"
#include "common/globals.h"
#include "support/scriptedui.h"

#include <QDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

const QString kFixtures = QStringLiteral(PELMARK_FIXTURES_DIR "/authoring/");

// Reads a deck given as lines into a fresh PlainDeck, with the fixture
// engine folder.
PlainDeck ReadLines(const QByteArray& text, test::ScriptedUi& ui) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("deck.dck"));
  test::WriteBytes(path, text);
  PlainDeck deck;
  EXPECT_TRUE(MakeDeck(path, test::FixtureEngine(), &deck)) << ui.texts().join(u'|').toStdString();
  return deck;
}

TEST(MakeDeck, ReadsAPlainDeckAsTheGoldenDumpSays) {
  const std::string root = PELMARK_FIXTURES_DIR;
  test::ScriptedUi ui;
  G().ParseErrorState = 0;
  PlainDeck deck;
  ASSERT_TRUE(MakeDeck(kFixtures + QStringLiteral("plant.dck"), test::FixtureEngine(), &deck));
  std::string dump = test::DumpPlainDeck(deck, ui);
  for (size_t at = dump.find(root); at != std::string::npos; at = dump.find(root)) {
    dump.replace(at, root.size(), "<fixtures>");
  }
  const QByteArray expected = test::ReadBytes(kFixtures + QStringLiteral("plant.expected"));
  EXPECT_EQ(dump, expected.toStdString());
  if (dump != expected.toStdString()) {
    test::WriteBytes(QDir::current().filePath(QStringLiteral("plant.actual")), QByteArray::fromStdString(dump));
  }
  // Making a deck leaves the form's parse state alone.
  EXPECT_EQ(G().ParseErrorState, 0);
}

TEST(MakeDeck, TheDemoDeckFindsAllItsComponents) {
  test::ScriptedUi ui;
  PlainDeck deck;
  ASSERT_TRUE(MakeDeck(QStringLiteral(PELMARK_SOURCE_DIR "/examples/demo/Plant.dck"),
                       QStringLiteral(PELMARK_SOURCE_DIR "/examples/demo/Quorvel"), &deck));
  EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(u'|').toStdString();
  ASSERT_EQ(deck.UnitsList.size(), 3u);
  for (const TUnitInfo& u : deck.UnitsList) {
    EXPECT_FALSE(u.NoData) << u.UnitLine;
    EXPECT_EQ(u.Header, u.UnitLine);
    EXPECT_EQ(u.ParamItems.size(), static_cast<size_t>(u.NParams)) << u.UnitLine;
    EXPECT_EQ(u.InputItems.size(), static_cast<size_t>(u.NInputs)) << u.UnitLine;
  }
  EXPECT_EQ(deck.AssignLines.size(), 2u);
}

TEST(MakeDeck, SortsEachLineByItsFirstWord) {
  struct Case {
    const char* line;
    const char* kind;  // simulation, assign, dropped or other
  } cases[] = {
      {"SIMULATION 0 8760 1", "simulation"},
      {"  sim 0 24 1", "simulation"},
      {"ASSIGN results.out 12", "assign"},
      {"Assign x 1", "assign"},
      {"END", "dropped"},
      {"end ! of the deck", "dropped"},
      {"END.", "other"},
      {"* Legend", "other"},
      {"* Simulation of a plant", "other"},
      {"* mass flow in kg/hr", "other"},
      {"*ASSIGN old.out 3", "other"},
      {"LABELS 1 Tend", "other"},
      {"WIDTH 72", "other"},
      {"", "other"},
  };
  for (const Case& c : cases) {
    test::ScriptedUi ui;
    const PlainDeck d = ReadLines(QByteArray(c.line) + "\r\n", ui);
    std::string kind = "dropped";
    if (!d.SimulationLine.empty()) kind = "simulation";
    if (!d.AssignLines.empty()) kind = "assign";
    if (!d.OtherLines.empty()) kind = "other";
    EXPECT_EQ(kind, c.kind) << c.line;
  }
  test::ScriptedUi ui;
  const PlainDeck d = ReadLines("SIMULATION 0 24 1\n* simple loop\nSIM 1 2 3\n", ui);
  EXPECT_EQ(d.SimulationLine, "SIM 1 2 3");
  EXPECT_EQ(d.OtherLines, std::vector<std::string>{"* simple loop"});
}

TEST(MakeDeck, TheLastLineWithoutALineEndIsReadToo) {
  test::ScriptedUi ui;
  const PlainDeck d = ReadLines("WIDTH 72\nASSIGN a.out 3", ui);
  EXPECT_EQ(d.AssignLines, std::vector<std::string>{"ASSIGN a.out 3"});
}

TEST(MakeDeck, VerbatimTypesAreCopiedWithTheirLines) {
  test::ScriptedUi ui;
  const PlainDeck d = ReadLines("UNIT 7 TYPE 25 PRINTER\nPARAMETERS 1\n24\nUNIT 8 TYPE 104 NEW\nPARAMETERS 1\n3\n", ui);
  EXPECT_EQ(d.OtherLines, (std::vector<std::string>{"  ", "UNIT 7 TYPE 25 PRINTER", "PARAMETERS 1", "24"}));
  ASSERT_EQ(d.UnitsList.size(), 1u);
  EXPECT_EQ(d.UnitsList[0].UnitLine, "UNIT 8 TYPE 104 NEW");
  for (int t : {9, 14, 15, 17, 19, 24, 25, 26, 27, 28, 29, 40, 41, 55, 56, 65}) EXPECT_TRUE(IsVerbatimType(t)) << t;
  for (int t : {4, 16, 30, 66, 104, 115}) EXPECT_FALSE(IsVerbatimType(t)) << t;
}

TEST(MakeDeck, ADeckThatCannotBeReadGivesTheOpenError) {
  test::ScriptedUi ui;
  PlainDeck deck;
  deck.OtherLines.push_back("stale");
  const QString path = kFixtures + QStringLiteral("no such deck.dck");
  EXPECT_FALSE(MakeDeck(QStringLiteral("\"") + path + QStringLiteral("\""), test::FixtureEngine(), &deck));
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Error 2 was encountered while trying to open file ") + path);
  EXPECT_TRUE(ui.messages()[0].beepBefore);
  EXPECT_TRUE(deck.OtherLines.empty());
}

// One UNIT block read alone.
struct BlockResult {
  TUnitInfo unit;
  std::optional<std::string> lookahead;
  QStringList messages;
};

BlockResult ReadBlock(const char* unitLine, std::vector<std::string> lines) {
  test::ScriptedUi ui;
  BlockResult r;
  LineCursor cursor(lines);
  ReadUnitBlock(unitLine, cursor, &r.unit, &r.lookahead);
  r.messages = ui.texts();
  return r;
}

std::vector<std::string> Texts(const std::vector<Word>& words) {
  std::vector<std::string> out;
  for (const Word& w : words) out.push_back(w.text);
  return out;
}

std::vector<bool> Marks(const std::vector<Word>& words) {
  std::vector<bool> out;
  for (const Word& w : words) out.push_back(w.eligible);
  return out;
}

TEST(ReadUnitBlock, MarksTheInputsThatCanBecomeConstants) {
  const BlockResult r = ReadBlock("unit 4 type 16 tank",
                                  {"INPUTS 5", "0,0 3, 1 -1,0", "0,0 0,0", "20 0 5 TAMB 1e", "TRACE 1 2", "UNIT 5"});
  EXPECT_TRUE(r.messages.isEmpty());
  EXPECT_EQ(r.unit.UnitLine, "UNIT 4 TYPE 16 TANK");
  EXPECT_EQ(Texts(r.unit.InputConnections), (std::vector<std::string>{"0,0", "3,1", "-1,0", "0,0", "0,0"}));
  EXPECT_EQ(Marks(r.unit.InputConnections), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(r.unit.ConnectionsLines, (std::vector<std::string>{"0,0 3, 1 -1,0", "0,0 0,0"}));
  EXPECT_EQ(r.unit.TraceLine, "TRACE 1 2");
  EXPECT_EQ(r.lookahead, "UNIT 5");
}

TEST(ReadUnitBlock, CountsAndValueLines) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::vector<std::string> params;
    std::vector<std::string> derivatives;
    int nParams;
    int nInputs;
    const char* message;  // nullptr: none
    bool noData;
    std::optional<std::string> lookahead;
  } cases[] = {
      {"values over lines and comments", {"PARAMETERS 3", "* c", "", "1", "  2\t3", "UNIT 2"}, {"1", "2", "3"}, {}, 3,
       0, nullptr, false, "UNIT 2"},
      {"repeated statement", {"PARAMETERS 1", "1", "PARAMETERS 2", "2 3", "END"}, {"1", "2", "3"}, {}, 3, 0, nullptr,
       false, "END"},
      {"too many words", {"PARAMETERS 3", "1 2", "3 4", "INPUTS 0", "X"}, {"1", "2", "3"}, {}, 3, 0,
       " The parameters number for unit 60 is not defined correctly", true, "X"},
      {"the deck ends in the values", {"PARAMETERS 3", "1 2"}, {"1", "2"}, {}, 3, 0,
       " The parameters number for unit 60 is not defined correctly", true, std::nullopt},
      {"the deck ends in the inputs", {"INPUTS 2", "0,0 0,0", "* only a comment"}, {}, {}, 0, 2,
       " The inputs number for unit 60 is not defined correctly", true, std::nullopt},
      {"too many connections", {"INPUTS 1", "0,0 0,0", "1 2", "X"}, {}, {}, 0, 1,
       " The inputs number for unit 60 is not defined correctly", true, "X"},
      // A count of 0 reads no values, and the unit goes on.
      {"count 0", {"PARAMETERS 0", "INPUTS 0", "DERIVATIVES 0", "TRACE 0 1", "X"}, {}, {}, 0, 0, nullptr, false,
       "X"},
      // Every derivative word is kept for the write-back.
      {"surplus derivatives", {"PARAMETERS 1", "5", "DERIVATIVES 2", "20 21 22", "X"}, {"5"}, {"20", "21", "22"}, 1,
       0, nullptr, false, "X"},
      {"derivatives over lines", {"DERIVATIVES 3", "1", "2 3 4"}, {}, {"1", "2", "3", "4"}, 0, 0, nullptr, false,
       std::nullopt},
      // Statements out of order end the block; the deck reader gets them.
      {"inputs before parameters", {"INPUTS 0", "PARAMETERS 1", "1"}, {}, {}, 0, 0, nullptr, false, "PARAMETERS 1"},
      {"labels", {"PARAMETERS 1", "1", "LABELS 1 Tend", "TRACE 1"}, {"1"}, {}, 1, 0, nullptr, false,
       "LABELS 1 TEND"},
  };
  for (const Case& c : cases) {
    const BlockResult r = ReadBlock("UNIT 3 TYPE 60", c.lines);
    EXPECT_EQ(Texts(r.unit.ParamValues), c.params) << c.what;
    EXPECT_EQ(Texts(r.unit.DerivativeValues), c.derivatives) << c.what;
    EXPECT_EQ(r.unit.NParams, c.nParams) << c.what;
    EXPECT_EQ(r.unit.NInputs, c.nInputs) << c.what;
    EXPECT_EQ(r.messages, c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList()) << c.what;
    EXPECT_EQ(r.unit.NoData, c.noData) << c.what;
    EXPECT_EQ(r.lookahead, c.lookahead) << c.what;
  }
  const BlockResult zero = ReadBlock("UNIT 3 TYPE 60", {"PARAMETERS 0", "INPUTS 0", "DERIVATIVES 0"});
  EXPECT_TRUE(zero.unit.HasParameters && zero.unit.HasInputs && zero.unit.HasDerivatives);
  const BlockResult none = ReadBlock("UNIT 3 TYPE 60", {"TRACE 1"});
  EXPECT_FALSE(none.unit.HasParameters || none.unit.HasInputs || none.unit.HasDerivatives);
}

TEST(ReadUnitBlock, ParameterValuesThatAreNumbersAreEligible) {
  const BlockResult r = ReadBlock("UNIT 1 TYPE 16", {"PARAMETERS 6", "0.3 -1.5E2 NODES 1,0 .5 4."});
  EXPECT_EQ(Marks(r.unit.ParamValues), (std::vector<bool>{true, true, false, false, true, true}));
}

TEST(ReadConstantBlock, KeepsEveryLineAndNamesEachConstantOnce) {
  test::ScriptedUi ui;
  PlainDeck deck;
  deck.ConstantsList.push_back({});
  deck.ConstantsList.back().Name = "AREA1";
  deck.ConstantsList.back().Value = "?";
  std::vector<std::string> lines = {"* first", "", "AREA =5", "area=6", "AREA= 7", "* after", "UNIT 1 TYPE 16"};
  LineCursor cursor(lines);
  const auto next = ReadConstantBlock("CONSTANTS 3", cursor, deck);
  EXPECT_EQ(next, "UNIT 1 TYPE 16");
  EXPECT_EQ(deck.OtherLines, (std::vector<std::string>{"CONSTANTS 3", "* first", " ", "AREA =5", "area=6", "AREA= 7",
                                                       "* after", "*|*"}));
  std::vector<std::string> names;
  for (const TConstItem& c : deck.ConstantsList) names.push_back(c.Name + "=" + c.Value);
  EXPECT_EQ(names, (std::vector<std::string>{"AREA1=?", "AREA=5", "AREA2=6", "AREA3= 7"}));
  EXPECT_EQ(deck.ConstantsList[1].Counter, 3);

  std::vector<std::string> shortBlock = {"A=1"};
  LineCursor end(shortBlock);
  PlainDeck cut;
  EXPECT_EQ(ReadConstantBlock("EQUATIONS 2", end, cut), std::nullopt);
  EXPECT_EQ(cut.ConstantsList.size(), 1u);
  EXPECT_EQ(cut.OtherLines.back(), "*|*");
}

TEST(AppendUniqueConstant, NewNamesNeverClash) {
  struct Case {
    std::vector<const char*> added;
    std::vector<const char*> names;
  } cases[] = {
      {{"AREA", "AREA", "AREA"}, {"AREA", "AREA1", "AREA2"}},
      {{"AREA1", "AREA", "AREA"}, {"AREA1", "AREA", "AREA2"}},
      {{"AREA ", "AREA", " area"}, {"AREA", "AREA1", "area2"}},
      {{"A", "A1", "A", "A"}, {"A", "A1", "A2", "A3"}},
  };
  for (const Case& c : cases) {
    TConstList list;
    for (const char* n : c.added) {
      TConstItem item;
      item.Name = n;
      AppendUniqueConstant(list, item);
    }
    std::vector<std::string> got;
    for (const TConstItem& i : list) got.push_back(i.Name);
    EXPECT_EQ(got, std::vector<std::string>(c.names.begin(), c.names.end())) << c.added[0];
  }
}

}  // namespace
}  // namespace pm
