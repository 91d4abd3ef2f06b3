#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pm {

// Text helpers for the fields of input mark-up; all work on the deck's
// bytes (see markuptext.h for the grammar's own).

// The parts between "|" characters ("a|b|" gives "a", "b", "").
std::vector<std::string> SplitBars(std::string_view text);

// Equal without regard to ASCII case.
bool SameTextNoCase(std::string_view a, std::string_view b);

// Splits "file unit" at the first blank outside double quotes. The file
// keeps its quotes; the rest is trimmed. False when there is no such blank.
bool SplitAtBlankOutsideQuotes(std::string_view text, std::string* first, std::string* rest);

}  // namespace pm
