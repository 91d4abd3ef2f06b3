#include "authoring/componentfile.h"

#include "authoring/authoringtestsupport.h"
#include "support/scriptedui.h"

#include <QDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

using test::Crlf;
using test::MakeUnit;

std::vector<std::string> Names(const std::vector<TUnitItem>& items) {
  std::vector<std::string> out;
  for (const TUnitItem& i : items) out.push_back(i.Name);
  return out;
}

TEST(ValueDescriptionToMarkup, GivesTheTailOfANumericInputOrFails) {
  struct Case {
    const char* text;
    const char* tail;  // nullptr: fails
  } cases[] = {
      {"none 0 1", "|||0|1|0|1|"},
      {"None -5 5 words after", "|||0|1|-5|5|"},
      {"NONE 1 50", "|||0|1|1|50|"},
      {"C F 0 1 -50 100", "|C|F|0|1|-50|100|"},
      {"C F 32 1.8 -50 150 more words", "|C|F|32|1.8|-50|150|"},
      {" \tkg/hr\tlb/hr 0 2.20462 0 1E6 ", "|kg/hr|lb/hr|0|2.20462|0|1E6|"},
      {"C F 0 1 -50", nullptr},
      {"C F 0", nullptr},
      {"", nullptr},
      {"   ", nullptr},
      {"none 0", nullptr},
      {"NONE", nullptr},
      {"nOne 0 1", nullptr},
      // The written line must open as an input: numbers, a factor other
      // than 0, no "|" inside a word.
      {"C F a 1 0 1", nullptr},
      {"C F 0 x 0 1", nullptr},
      {"C F 0 0 0 1", nullptr},
      {"C F 0 1 lo 1", nullptr},
      {"none 0 max", nullptr},
      {"C|X F 0 1 0 1", nullptr},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(ValueDescriptionToMarkup(text), c.tail != nullptr) << c.text;
    EXPECT_EQ(text, c.tail ? c.tail : c.text) << c.text;
  }
}

TEST(ItemDescriptionLabel, KeepsTheMarkupLineANumericInput) {
  struct Case {
    const char* line;
    const char* label;
  } cases[] = {
      {"   Tank volume", "Tank volume"},
      {"Loss | per surface", "Loss / per surface"},
      {"*Starred", " *Starred"},
      {"<list", " <list"},
      {"?file", " ?file"},
      {"[group", " [group"},
      {"]end", " ]end"},
      {"{check", " {check"},
      {"}x", " }x"},
      {"(radio", " (radio"},
      {")x", " )x"},
      {"#hidden", " #hidden"},
      {"|bar first", "/bar first"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ItemDescriptionLabel(c.line), c.label) << c.line;
  EXPECT_EQ(ItemDescriptionLabel(std::string(70, 'x')), std::string(60, 'x'));
  EXPECT_EQ(ItemDescriptionLabel("(" + std::string(70, 'x')).size(), 60u);
}

TEST(ReadComponentData, ReadsTheItemsOfAType) {
  test::ScriptedUi ui;
  TUnitInfo u = MakeUnit("UNIT 1 TYPE 16 STORAGE TANK", {"0.3", "1.5", "0.8", "NODES"}, 2);
  ReadComponentData(u, test::FixtureInfo(), {});
  EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(u'\n').toStdString();
  EXPECT_FALSE(u.NoData);
  EXPECT_EQ(u.Header, "UNIT 1 TYPE 16 STORAGE TANK");
  EXPECT_EQ(u.NParamsRead, 4);
  EXPECT_EQ(u.NInputsRead, 2);
  struct Item {
    const char* name;
    const char* description;
    const char* units;
  } expected[] = {
      {"TANKVOL", "Tank volume", "|m3|gal|0|264.172|0.01|1000|"},
      {"HEIGHT", "Tank height", "|m|ft|0|3.28084|0.1|50|"},
      {"ULOSS", "Heat loss coefficient / per tank surface", "|W/m2-K|Btu/hr-ft2-F|0|0.17611|0|100|"},
      {"NODES", "Number of nodes", "|||0|1|1|50|"},
      {"TIN", "Inlet temperature", "|C|F|32|1.8|-50|150|"},
      {"FLOW", "Inlet flow rate", "|kg/hr|lb/hr|0|2.20462|0|100000|"},
  };
  ASSERT_EQ(u.ParamItems.size(), 4u);
  ASSERT_EQ(u.InputItems.size(), 2u);
  for (size_t i = 0; i < std::size(expected); ++i) {
    const TUnitItem& item = i < 4 ? u.ParamItems[i] : u.InputItems[i - 4];
    EXPECT_EQ(item.Name, expected[i].name) << i;
    EXPECT_EQ(item.Description, expected[i].description) << i;
    EXPECT_EQ(item.Units, expected[i].units) << i;
    EXPECT_TRUE(item.Selected) << i;
  }
}

TEST(ReadComponentData, FindsTheFolderAndFileWithoutRegardToCase) {
  QTemporaryDir dir;
  const QByteArray file = test::ReadBytes(test::FixtureInfo() + QStringLiteral("/TYPE16.INF"));
  test::WriteBytes(dir.filePath(QStringLiteral("info/type16.inf")), file);
  test::ScriptedUi ui;
  TUnitInfo u = MakeUnit("UNIT 1 TYPE 16", {"1", "2", "3", "4"});
  ReadComponentData(u, dir.path() + QStringLiteral("/INFO"), {});
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(u.ParamItems.size(), 4u);
}

TEST(ReadComponentData, TheHeaderIsTheFirstTypeLineWithTheUnitsNumber) {
  QTemporaryDir dir;
  const QString info = dir.path();
  // Type 15 is copied as it stands by the deck reader; the file is read
  // here all the same.
  struct Case {
    QByteArray file;
    QString message;  // empty: read
  } cases[] = {
      {Crlf({"TYPE 150 PUMP", "free", "A", "a", "none 0 1"}), QStringLiteral("Type 15 can not be found")},
      {Crlf({"TYPE 150 PUMP", "TYPE 15 ROOM MODEL", "free", "A", "a", "none 0 1"}), QString()},
      {Crlf({"type 15: room", "free", "A", "a", "none 0 1"}), QString()},
      {Crlf({"TYPES 15", "free", "A", "a", "none 0 1"}), QString()},
      {Crlf({"MODEL 15 TYPE", "free", "A", "a", "none 0 1"}), QString()},
      {QByteArray(), QStringLiteral("Type 15 can not be found")},
  };
  for (const Case& c : cases) {
    test::WriteBytes(info + QStringLiteral("/TYPE15.INF"), c.file);
    test::ScriptedUi ui;
    TUnitInfo u = MakeUnit("UNIT 2 TYPE 15", {"1"});
    ReadComponentData(u, info, {});
    if (c.message.isEmpty()) {
      EXPECT_TRUE(ui.messages().empty()) << c.file.toStdString();
      EXPECT_EQ(Names(u.ParamItems), std::vector<std::string>{"A"}) << c.file.toStdString();
    } else {
      EXPECT_EQ(ui.texts(), QStringList{c.message}) << c.file.toStdString();
      EXPECT_TRUE(u.NoData);
    }
  }
}

TEST(ReadComponentData, AMissingFileGivesItsMessageAndLeavesTheValuesAsTheyAre) {
  struct Case {
    const char* unitLine;
    const char* header;
  } cases[] = {
      {"UNIT 12 TYPE 60", "UNIT 12 - NO DATA AVAILABLE"},
      // The unit's own number, whatever its width.
      {"UNIT 123 TYPE 60 BOILER", "UNIT 123 - NO DATA AVAILABLE"},
      {"UNIT 5 TYPE 60", "UNIT 5 - NO DATA AVAILABLE"},
  };
  for (const Case& c : cases) {
    test::ScriptedUi ui;
    TUnitInfo u = MakeUnit(c.unitLine, {"1", "2", "3"}, 2);
    ReadComponentData(u, test::FixtureInfo(), {});
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Error 2 was encountered while trying to open file ") +
                                         test::FixtureInfo() + QStringLiteral("/TYPE60.INF"));
    EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(ui.messages()[0].beepBefore);
    EXPECT_FALSE(u.NoData);
    EXPECT_EQ(u.Header, c.header);
    EXPECT_EQ(u.NParams, 0);
    EXPECT_EQ(u.NInputs, 0);
    EXPECT_EQ(u.NParamsRead, 3);
    EXPECT_EQ(u.NInputsRead, 2);
    EXPECT_TRUE(u.ParamItems.empty());
    EXPECT_EQ(u.ParamValues.size(), 3u);
  }
}

TEST(ReadComponentData, AModeLineChoosesTheSectionByAParameterValue) {
  TConstList constants(3);
  constants[0].Name = "NMODE";
  constants[0].Value = "2";
  constants[1].Name = "DAY";
  constants[1].Value = "MONTH/24+DAY1";
  constants[2].Name = "NPOS";
  constants[2].Value = " 1 ";
  struct Case {
    const char* value;
    const char* firstDescription;  // nullptr: message
    const char* message;
  } cases[] = {
      {"0", "Flow rate", nullptr},
      {"0.7", "Flow rate", nullptr},
      {"-3", "Flow rate", nullptr},
      {"1", "Rated flow rate", nullptr},
      {"NMODE", "Rated flow rate", nullptr},
      {"NPOS", "Rated flow rate", nullptr},
      {"NOSUCH", nullptr, "  Error in Type 30 ! MODE 2-NOSUCH can not be found"},
      {"DAY", nullptr, "  Error in Type 30 ! MODE 2-DAY can not be found"},
  };
  for (const Case& c : cases) {
    test::ScriptedUi ui;
    TUnitInfo u = MakeUnit("UNIT 3 TYPE 30 PUMP", {"1000", c.value, "0.25"}, 2);
    ReadComponentData(u, test::FixtureInfo(), constants);
    if (c.firstDescription) {
      EXPECT_TRUE(ui.messages().empty()) << c.value;
      ASSERT_EQ(u.ParamItems.size(), 3u) << c.value;
      EXPECT_EQ(u.ParamItems[0].Description, c.firstDescription) << c.value;
      EXPECT_EQ(u.InputItems.size(), 2u) << c.value;
    } else {
      EXPECT_EQ(ui.texts(), QStringList{QString::fromLatin1(c.message)}) << c.value;
      EXPECT_TRUE(u.NoData);
      EXPECT_EQ(u.Header, "UNIT 3 - NO DATA AVAILABLE");
    }
  }
}

TEST(ReadComponentData, ANumberedSectionIsTakenWholeNotAsThePrefixOfAnother) {
  QTemporaryDir dir;
  test::WriteBytes(dir.filePath(QStringLiteral("TYPE31.INF")),
                   Crlf({"TYPE 31 VALVE", "PARMOD 3", "MODE 3-125 wide", "free", "WIDE", "w", "none 0 1",
                         "MODE 3-12", "PARMOD 1", "MODE 1-4", "free", "NARROW4", "n", "none 0 1", "MODE 1-0",
                         "free", "NARROW0", "n", "none 0 1", "MODE 3-2 POS", "free", "SMALL", "s", "none 0 1"}));
  struct Case {
    const char* p1;
    const char* p3;
    const char* item;  // nullptr: message
    const char* message;
  } cases[] = {
      {"4", "12.9", "NARROW4", nullptr},
      {"0", "12", "NARROW0", nullptr},
      {"4", "125", "WIDE", nullptr},
      {"4", "2", "SMALL", nullptr},
      {"4", "7", nullptr, "  Error in Type 31 ! MODE 3-7 can not be found"},
      {"4", "-12", nullptr, "  Error in Type 31 ! MODE 3--12 can not be found"},
      {"9", "12", nullptr, "  Error in Type 31 ! MODE 1-9 can not be found"},
      // Too large for an integer: no section can have it.
      {"4", "1E30", nullptr, "  Error in Type 31 ! MODE 3-1E30 can not be found"},
  };
  for (const Case& c : cases) {
    test::ScriptedUi ui;
    TUnitInfo u = MakeUnit("UNIT 1 TYPE 31", {c.p1, "0"});
    u.ParamValues.push_back({c.p3, true});
    u.NParams = 1;  // one item per section
    ReadComponentData(u, dir.path(), {});
    if (c.item) {
      EXPECT_TRUE(ui.messages().empty()) << c.p3 << " " << ui.texts().join(u'|').toStdString();
      EXPECT_EQ(Names(u.ParamItems), std::vector<std::string>{c.item}) << c.p3;
    } else {
      EXPECT_EQ(ui.texts(), QStringList{QString::fromLatin1(c.message)}) << c.p3;
      EXPECT_TRUE(u.NoData);
    }
  }
}

TEST(ReadComponentData, AModeLineNamingAMissingParameterIsRefused) {
  QTemporaryDir dir;
  for (const char* mode : {"PARMOD 4", "PARMOD 0", "PARMOD x"}) {
    test::WriteBytes(dir.filePath(QStringLiteral("TYPE31.INF")),
                     Crlf({"TYPE 31 VALVE", mode, "MODE 4-1", "free", "A", "a", "none 0 1"}));
    test::ScriptedUi ui;
    TUnitInfo u = MakeUnit("UNIT 1 TYPE 31", {"1", "1", "1"});
    ReadComponentData(u, dir.path(), {});
    ASSERT_EQ(ui.messages().size(), 1u) << mode;
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Incorrect number of parameters"));
    EXPECT_TRUE(ui.messages()[0].beepBefore);
    EXPECT_TRUE(u.NoData);
  }
}

TEST(ReadComponentData, ARepeatMarkerStandsForTheRemainingItems) {
  QTemporaryDir dir;
  test::WriteBytes(dir.filePath(QStringLiteral("TYPE33.INF")),
                   Crlf({"TYPE 33 COIL", "free", "A", "a", "none 0 1", "B", "b", "none 0 1", "REP", "C", "c",
                         "none 0 1", "INPUTS", "X", "x", "none 0 1", "repeat", "Y", "y", "none 0 1"}));
  test::ScriptedUi ui;
  TUnitInfo u = MakeUnit("UNIT 1 TYPE 33", std::vector<std::string>(10, "1"), 4);
  ReadComponentData(u, dir.path(), {});
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(Names(u.ParamItems), (std::vector<std::string>{"A", "B", "C", "C", "C", "C", "C", "C", "C", "C"}));
  EXPECT_EQ(Names(u.InputItems), (std::vector<std::string>{"X", "Y", "Y", "Y"}));
  // Each parameter keeps its own choice.
  u.ParamItems[3].Selected = false;
  EXPECT_TRUE(u.ParamItems[4].Selected);

  // The repeat marker of the fixture type stands for both inputs.
  TUnitInfo array = MakeUnit("UNIT 5 TYPE 32", {"0.7", "500", "450"}, 2);
  ReadComponentData(array, test::FixtureInfo(), {});
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(Names(array.ParamItems), (std::vector<std::string>{"EFF", "UA", "UA"}));
  EXPECT_EQ(Names(array.InputItems), (std::vector<std::string>{"TIN", "TIN"}));
}

TEST(ReadComponentData, FaultyItemsMakeANoDataUnitAfterOneMessage) {
  QTemporaryDir dir;
  struct Case {
    const char* what;
    QByteArray file;
    int params;
    int inputs;
    const char* message;
  } cases[] = {
      {"INP in a parameter name", Crlf({"TYPE 34", "f", "A", "a", "none 0 1", "INPUT_MODE", "b", "none 0 1"}), 2, 0,
       "Parameter 2 for type 34 isn't defined correctly"},
      {"five words", Crlf({"TYPE 34", "f", "A", "a", "C F 0 1 -50"}), 1, 0,
       "Parameter 1 for type 34 isn't defined correctly"},
      {"add no number", Crlf({"TYPE 34", "f", "A", "a", "C F zero 1 0 1"}), 1, 0,
       "Parameter 1 for type 34 isn't defined correctly"},
      {"factor 0", Crlf({"TYPE 34", "f", "A", "a", "C F 0 0 0 1"}), 1, 0,
       "Parameter 1 for type 34 isn't defined correctly"},
      {"bad repeated item", Crlf({"TYPE 34", "f", "REP", "A", "a", "none 0"}), 3, 0,
       "Parameter 1 for type 34 isn't defined correctly"},
      {"file ends in parameters", Crlf({"TYPE 34", "f", "A", "a", "none 0 1", "B", "b"}), 2, 0,
       "Parameter 2 for type 34 isn't defined correctly"},
      {"file ends at the header", Crlf({"TYPE 34"}), 1, 0, "Parameter 1 for type 34 isn't defined correctly"},
      {"no INP line", Crlf({"TYPE 34", "f", "A", "a", "none 0 1"}), 1, 1,
       "Input 1 for type 34 isn't defined correctly"},
      {"bad input", Crlf({"TYPE 34", "f", "INPUTS", "X", "x", "none 0 1", "Y", "y", "F 0 1 2 3"}), 0, 2,
       "Input 2 for type 34 isn't defined correctly"},
      {"file ends in inputs", Crlf({"TYPE 34", "f", "INPUTS", "X", "x", "none 0 1", "Y"}), 0, 2,
       "Input 2 for type 34 isn't defined correctly"},
      {"no header", Crlf({"TYPE 35", "f"}), 1, 0, "Type 34 can not be found"},
  };
  for (const Case& c : cases) {
    test::WriteBytes(dir.filePath(QStringLiteral("TYPE34.INF")), c.file);
    test::ScriptedUi ui;
    TUnitInfo u = MakeUnit("UNIT 9 TYPE 34", std::vector<std::string>(static_cast<size_t>(c.params), "1"), c.inputs);
    ReadComponentData(u, dir.path(), {});
    EXPECT_EQ(ui.texts(), QStringList{QString::fromLatin1(c.message)}) << c.what;
    EXPECT_FALSE(ui.messages().empty() || ui.messages()[0].beepBefore) << c.what;
    EXPECT_TRUE(u.NoData) << c.what;
    EXPECT_EQ(u.Header, "UNIT 9 - NO DATA AVAILABLE") << c.what;
    EXPECT_TRUE(u.ParamItems.empty() && u.InputItems.empty()) << c.what;
    EXPECT_EQ(u.NParams, 0) << c.what;
    EXPECT_EQ(u.NParamsRead, c.params) << c.what;
    EXPECT_EQ(u.NInputsRead, c.inputs) << c.what;
  }
}

// A type-4 file: 23 parameter items P1..P23, then two inputs.
QByteArray Type4File(const char* secondInput = "none 0 1") {
  QByteArray f = "TYPE 4 MULTI-NODE STORAGE\r\nfree\r\n";
  for (int k = 1; k <= 23; ++k) f += "P" + QByteArray::number(k) + "\r\nitem\r\nnone 0 1\r\n";
  f += "INPUTS\r\nX1\r\nx\r\nnone 0 1\r\nX2\r\nx\r\n" + QByteArray(secondInput) + "\r\n";
  return f;
}


TEST(ReadComponentData, TypeFourTakesItsItemsByThreeParametersAndTheDerivatives) {
  QTemporaryDir dir;
  test::WriteBytes(dir.filePath(QStringLiteral("TYPE4.INF")), Type4File());
  std::vector<std::pair<int, int>> spec = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 5}};
  for (int k = 7; k <= 22; ++k) spec.push_back({k, 1});
  spec.push_back({23, 5});
  std::vector<std::string> full;
  for (auto [item, times] : spec) {
    for (int t = 0; t < times; ++t) full.push_back("P" + std::to_string(item));
  }
  std::vector<std::string> plain;
  for (int k = 1; k <= 20; ++k) plain.push_back("P" + std::to_string(k));
  struct Case {
    std::vector<std::string> params;
    int derivatives;
    std::vector<std::string> names;  // empty: the message
    const char* message;
  } cases[] = {
      {{"3", "0", "0", "0", "-1", "2"}, 5, full, nullptr},
      {{"1", "0", "0", "0", "1", "0"}, 1, plain, nullptr},
      {{"1", "0", "0", "0", "-1", "2"}, 1, plain, nullptr},
      // The items must pair with the values one to one.
      {{"1", "0", "0", "0", "1", "0"}, 1, {}, "Parameter 21 for type 4 isn't defined correctly"},
      {{"3", "0", "0", "0", "-1", "2"}, 5, {}, "Parameter 26 for type 4 isn't defined correctly"},
      {{"3", "0", "0", "0", "1"}, 1, {}, "Incorrect number of parameters"},
      {{"1", "0", "0", "0", "XX", "0"}, 1, {}, "Parameter 5 for type 4 isn't defined correctly"},
  };
  for (Case& c : cases) {
    std::vector<std::string> params = c.params;
    const size_t count = c.names.empty() ? (c.derivatives == 5 ? 25 : 22) : c.names.size();
    if (params.size() >= 6) params.resize(count, "0");
    test::ScriptedUi ui;
    TUnitInfo u = MakeUnit("UNIT 8 TYPE 4", params, 2, c.derivatives);
    ReadComponentData(u, dir.path(), {});
    if (c.message) {
      EXPECT_EQ(ui.texts(), QStringList{QString::fromLatin1(c.message)});
      EXPECT_TRUE(u.NoData);
    } else {
      EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(u'|').toStdString();
      EXPECT_EQ(Names(u.ParamItems), c.names);
      EXPECT_EQ(Names(u.InputItems), (std::vector<std::string>{"X1", "X2"}));
    }
  }
}

TEST(ReadComponentData, TypeFourInputsHaveTheirOwnMessage) {
  QTemporaryDir dir;
  std::vector<std::string> params(20, "0");
  params[0] = "1";
  struct Case {
    QByteArray file;
    const char* message;
  } cases[] = {
      {Type4File("none 0"), "Input 2 for Type 4 isn't defined correctly "},
      {Type4File().left(Type4File().indexOf("INPUTS")), "Input 1 for Type 4 isn't defined correctly "},
  };
  for (const Case& c : cases) {
    test::WriteBytes(dir.filePath(QStringLiteral("TYPE4.INF")), c.file);
    test::ScriptedUi ui;
    TUnitInfo u = MakeUnit("UNIT 8 TYPE 4", params, 2, 1);
    ReadComponentData(u, dir.path(), {});
    EXPECT_EQ(ui.texts(), QStringList{QString::fromLatin1(c.message)});
    EXPECT_TRUE(u.NoData);
  }
}

}  // namespace
}  // namespace pm
