#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pm {

// One parameter or input of a component as its description file gives it.
// Texts are the deck's Windows-1252 bytes.
struct TUnitItem {
  std::string Name;
  std::string Units;  // the mark-up tail, e.g. "|C|F|0|1|0|100|"
  std::string Description;
  bool Selected = true;
};

// A named deck constant. Counter: for an entry that kept its name, how many
// later entries were named after it; for a numbered entry, its number.
struct TConstItem : TUnitItem {
  std::string Value;  // "?" when the deck gives none
  std::int32_t Counter = 0;
};

using TConstList = std::vector<TConstItem>;

const std::string& GetItemDescription(const TUnitItem& item);

// "NAME = value" split at the first "=": the name upper-cased without
// leading blanks (blanks before the "=" stay), the value all the text after
// the "=" ("?" when empty). A line without "=" is all name.
void SplitConstantLine(std::string_view line, std::string* name, std::string* value);

// Appends an entry to the deck's constants list. A name already held
// (exactly, first entry in list order) is numbered: the first entry's
// Counter goes up by one and the new entry is that name plus the counter.
// Tables store these names, so the rule stays exactly this.
void AppendNumberedConstant(TConstList& list, TConstItem item);

// The constants of the CONSTANTS blocks of a Plenzo deck; none when the
// deck has no CONSTANTS block. Each entry's Units is the text the table
// dialogs show under it: "[" + SI unit + "]" for a constant with a
// description line, else the label of its unit section ("UNIT 3 ROOM") or
// one blank.
std::optional<TConstList> ParseDeckConstants(const std::vector<std::string>& lines);

// The program-wide list read from the open deck for the table dialogs.
std::optional<TConstList>& PEQList();

// Replaces PEQList with the constants of the deck FileName; a deck that
// cannot be read leaves it empty (none), without a message.
void ReadDeckConstants(const QString& FileName);

}  // namespace pm
