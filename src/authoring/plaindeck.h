#pragma once

#include "authoring/linecursor.h"
#include "authoring/unitinfo.h"
#include "common/deckconstants.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace pm {

// What the deck maker reads from a plain engine deck. Lines are the deck's
// bytes; an empty line is kept as one blank.
struct PlainDeck {
  std::vector<TUnitInfo> UnitsList;
  TConstList ConstantsList;  // the deck's own constants first, then the units'
  std::vector<std::string> OtherLines;
  std::vector<std::string> AssignLines;
  std::string SimulationLine;  // empty when the deck has none
  QString InfoFolder;
};

// Component types whose UNIT blocks are copied as they stand.
bool IsVerbatimType(std::int32_t type);

// Adds a constant to the deck maker's list under a name no other entry has:
// names are compared trimmed and without regard to case, and a taken name
// X gets the first free X1, X2, ... (the first X's Counter follows). The
// new deck defines every one of them, so they must never clash.
void AppendUniqueConstant(TConstList& list, TConstItem item);

// Reads a UNIT block after its UNIT line: the PARAMETERS, INPUTS,
// DERIVATIVES and TRACE statements with their value lines. The first line
// after the block (upper-cased, without leading blanks) comes back in
// lookahead; none when the deck ended.
void ReadUnitBlock(const std::string& unitLine, LineCursor& deck, TUnitInfo* unit,
                   std::optional<std::string>* lookahead);

// Reads an EQUATIONS or CONSTANTS block starting with its first line into
// the other lines and the constants list. Returns the first line after it,
// none when the deck ended.
std::optional<std::string> ReadConstantBlock(const std::string& line, LineCursor& deck, PlainDeck& out);

// Reads the plain deck FileName: units with their component data from the
// INFO folder of EngineFolder, constants, ASSIGN lines, the SIMULATION line
// and every other line. A deck that cannot be read gives the open-error
// message and false.
bool MakeDeck(const QString& FileName, const QString& EngineFolder, PlainDeck* out);

}  // namespace pm
