#pragma once

#include "authoring/deckwriter.h"
#include "authoring/plaindeck.h"
#include "authoringtestsupport.h"
#include "platform/textfile.h"
#include "support/scriptedui.h"

#include <QDir>
#include <QString>

#include <string>
#include <vector>

namespace pm::test {

// A golden deck case: tests/fixtures/authoring/<case>/ holds "choices" (the
// plain deck, the engine folder, the ticks and the items chosen),
// expected.pzd, expected.messages and, for a deck that opens here,
// expected.dump.
inline QString WriterCaseFolder(const std::string& name) {
  return QStringLiteral(PELMARK_FIXTURES_DIR "/authoring/") + QString::fromStdString(name);
}

struct Choices {
  QString deck;
  QString engine = FixtureEngine();
  DeckIncludes includes;
  bool all = false;
  struct Pick {
    bool input;
    size_t unit;  // from 1
    size_t item;  // from 1
  };
  std::vector<Pick> picks;
};

// "deck FILE", "engine FOLDER" ("." is the case folder), "header 0|1",
// "card 0|1", "all", "parameter UNIT ITEM", "input UNIT ITEM".
inline Choices ReadChoices(const std::string& name) {
  const QString folder = WriterCaseFolder(name);
  Choices c;
  std::vector<std::string> lines;
  EXPECT_EQ(ReadTextLines(folder + QStringLiteral("/choices"), &lines), 0) << name;
  for (const std::string& l : lines) {
    const std::vector<std::string> w = Tokenize(l);
    if (w.empty()) continue;
    const QString arg = w.size() > 1 ? QString::fromStdString(w[1]) : QString();
    if (w[0] == "deck") c.deck = QDir::cleanPath(folder + u'/' + arg);
    if (w[0] == "engine") c.engine = arg == u'.' ? folder : QDir::cleanPath(folder + u'/' + arg);
    if (w[0] == "header") c.includes.Header = arg == u'1';
    if (w[0] == "card") c.includes.SimulationCard = arg == u'1';
    if (w[0] == "all") c.all = true;
    if ((w[0] == "parameter" || w[0] == "input") && w.size() == 3) {
      c.picks.push_back({w[0] == "input", static_cast<size_t>(std::stoul(w[1])), static_cast<size_t>(std::stoul(w[2]))});
    }
  }
  return c;
}

// Marks the chosen items as the dialog leaves them.
inline void ApplyChoices(const Choices& c, PlainDeck& deck) {
  for (TUnitInfo& u : deck.UnitsList) {
    for (TUnitItem& i : u.ParamItems) i.Selected = c.all;
    for (TUnitItem& i : u.InputItems) i.Selected = c.all;
  }
  for (const Choices::Pick& p : c.picks) {
    ASSERT_LE(p.unit, deck.UnitsList.size());
    std::vector<TUnitItem>& items =
        p.input ? deck.UnitsList[p.unit - 1].InputItems : deck.UnitsList[p.unit - 1].ParamItems;
    ASSERT_LE(p.item, items.size());
    items[p.item - 1].Selected = true;
  }
}

// One message a line, the fixtures' folder written <fixtures>.
inline std::string MessagesText(const ScriptedUi& ui) {
  std::string out;
  for (const ScriptedUi::Message& m : ui.messages()) {
    out += std::string("message") + (m.beepBefore ? " (beep)" : "") + ": " + m.text.toStdString() + "\n";
  }
  const std::string root = PELMARK_FIXTURES_DIR;
  for (size_t at = out.find(root); at != std::string::npos; at = out.find(root)) out.replace(at, root.size(), "<fixtures>");
  return out;
}

}  // namespace pm::test
