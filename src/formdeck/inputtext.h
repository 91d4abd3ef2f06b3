#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pm {

// Small text helpers for mark-up fields; all work on the deck's bytes.

// An integer as the mark-up writes it: blanks around it, an optional sign,
// decimal digits, within 32 bits. Anything else fails.
bool ReadIntegerText(std::string_view text, int* value);

// A copy without leading and trailing characters of code 32 or less.
std::string TrimmedText(std::string_view text);

// The parts between "|" characters ("a|b|" gives "a", "b", "").
std::vector<std::string> SplitBars(std::string_view text);

// Equal without regard to ASCII case.
bool SameTextNoCase(std::string_view a, std::string_view b);

// Splits "file unit" at the first blank outside double quotes. The file
// keeps its quotes; the rest is trimmed. False when there is no such blank.
bool SplitAtBlankOutsideQuotes(std::string_view text, std::string* first, std::string* rest);

}  // namespace pm
