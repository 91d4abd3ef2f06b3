#pragma once

#include "authoring/unitinfo.h"
#include "common/deckconstants.h"

#include <QString>

#include <string>
#include <string_view>

namespace pm {

// Component description files: "TYPE<n>.INF" in the INFO folder of the
// engine folder, one per component type, giving each parameter and input a
// name, a description and a value description.

// Replaces a value description ("u1 u2 add mult min max", or "none min
// max") by the mark-up tail of a numeric input ("|u1|u2|add|mult|min|max|",
// "|||0|1|min|max|"). False, with the text unchanged, when words are
// missing or the tail would not read back as a numeric input (a field that
// is no number, a factor of 0, a "|" in a word).
bool ValueDescriptionToMarkup(std::string& text);

// A label as it goes into an input's mark-up line: no leading blanks, "|"
// turned into "/", a blank in front of a first character that would make
// the line another kind of mark-up.
std::string CleanedLabel(std::string_view line);
// An item's description as it becomes the label of the input's mark-up
// line: CleanedLabel, at most 60 characters.
std::string ItemDescriptionLabel(std::string_view line);

// The description file of a type, found without regard to case.
QString ComponentFilePath(const QString& InfoFolder, const std::string& TypeText);

// Fills the unit's ParamItems and InputItems from its description file, or
// makes it a no-data unit (counts kept in NParamsRead/NInputsRead, items
// none, the no-data header) after one message. A file that cannot be
// opened leaves NoData false, so the unit keeps its values as they stand.
// ConstantsList holds the deck's constants read so far: a mode parameter
// may name one.
void ReadComponentData(TUnitInfo& unit, const QString& InfoFolder, const TConstList& ConstantsList);

}  // namespace pm
