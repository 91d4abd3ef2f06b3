#pragma once

#include <string>

#include "authoring/markuplines.h"
#include "authoring/slotsettings.h"

namespace pm {

// The fields of a numeric input's mark-up line as the value dialog shows
// them. prefix is a "*|#" the line had (a hidden input keeps it); tail is
// any text after the help field, its "|" included (an application link).
struct ValueFields {
  std::string label;
  std::string primaryUnit;
  std::string secondaryUnit;
  std::string offset = "0";
  std::string factor = "1";
  std::string minimum;
  std::string maximum;
  int help = 0;
  std::string prefix;
  std::string tail;
};

// The label font (slot 2) and value colour (slot 3) in force at the
// equation of the item with that index: the lines above the equation.
struct ValueFont {
  SlotSettings label;
  std::string valueColor = "Blue";
};
ValueFont CurrentValueFont(const SourceLines& lines, int index);

// The fields of the item's existing input line (index -k), or the fields of
// a new one. False, with badInteger set, for a help number that is no
// integer (an empty one reads 0).
bool LoadValueLine(const SourceLines& lines, int index, ValueFields* fields, std::string* badInteger);

struct ValueInput {
  ValueFields fields;
  std::string fontName;  // the boxes of the label font
  int fontSize = 10;
  std::string fontStyle;
  std::string fontColor;
  std::string valueColor;
  bool sameFont = true;  // keep the new font for the items that follow
};

enum class ValueField { None, Label, PrimaryUnit, SecondaryUnit, Offset, Factor, Minimum, Maximum };

// Writes the item's input line with the font lines it needs; nothing when a
// field would not read back (the field at fault is returned).
ValueField WriteValueInput(SourceLines& lines, int index, const ValueInput& input);

// The input line the fields make: labels cleaned, "|" in the units turned
// into "/", an empty offset "0" and an empty factor "1".
std::string ValueLine(const ValueFields& fields);

}  // namespace pm
