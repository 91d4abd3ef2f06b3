#pragma once

#include <string>

#include "authoring/markuplines.h"

namespace pm {

// The fields of a list input's mark-up line as the list dialog shows them;
// prefix and tail as for ValueFields.
struct ListFields {
  std::string label;
  std::string fileName;  // without its enclosing double quotes
  int displayColumn = 0;
  int valueColumn = 0;
  int help = 0;
  std::string prefix;
  std::string tail;
};

// The fields of the item's existing list line (index -k), or empty fields.
// False, with badInteger set, for a column or help number that is no
// integer (an empty help number reads 0).
bool LoadListLine(const SourceLines& lines, int index, ListFields* fields, std::string* badInteger);

enum class ListField { None, Label, FileName };

// Writes the item's list line; nothing when the file name is empty or holds
// "|", or the line would not read back as a list input (the field at fault
// is returned).
ListField WriteListInput(SourceLines& lines, int index, const ListFields& fields);

std::string ListLine(const ListFields& fields);

}  // namespace pm
