#pragma once

#include "authoring/plaindeck.h"
#include "authoring/unitinfo.h"
#include "common/deckconstants.h"

#include <QString>

#include <string>
#include <vector>

namespace pm {

// The Plenzo deck the deck maker writes from a plain deck: every chosen
// parameter and input (Selected and eligible) becomes a named constant with
// an input line. Lines are bytes, without line ends.

// What the user ticked beside the units.
struct DeckIncludes {
  bool Header = false;
  bool SimulationCard = false;
};

// Makes the unit's constants from its chosen items, appending them to
// ConstantsList under names no entry has, and puts each constant's name in
// place of the value it was made from. Items that are not eligible lose
// their choice. Nothing for a no-data unit.
void MakeConstants(TUnitInfo& unit, TConstList& ConstantsList);

// "NAME=value", then the constant's input line: its description padded to
// the description field, then its units tail.
void WriteConstant(const TConstItem& item, std::vector<std::string>& out);

// The unit's section: its banner, its CONSTANTS blocks, then the UNIT
// statement rebuilt with the constants' names.
void WriteUnitSection(const TUnitInfo& unit, const TConstList& ConstantsList, std::vector<std::string>& out);

// The standard simulation card that stands in for the deck's SIMULATION line.
void WriteSimulationCard(std::vector<std::string>& out);

// "Header.txt" of the engine folder as text lines of the form. A file that
// cannot be read gives its message and no lines.
void CopyHeaderFile(const QString& EngineFolder, std::vector<std::string>& out);

// Makes the constants of every unit, then gives the whole new deck.
std::vector<std::string> MakePlenzoDeck(PlainDeck& deck, const QString& EngineFolder, const DeckIncludes& includes);

// Writes the new deck to path (Windows-1252, CR LF, all or nothing).
// Returns 0 or an errno; the caller shows the message.
int WritePlenzoDeck(const QString& path, PlainDeck& deck, const QString& EngineFolder,
                    const DeckIncludes& includes);

}  // namespace pm
