#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pm {

// The words of a deck line: blanks and tabs separate them; an empty line
// gives none. Tabs count so that "1<TAB>4.5" is two values, not one.
std::vector<std::string> Tokenize(std::string_view line);

// The n-th word (n from 1) read as a decimal integer: optional sign, then
// digits up to the first other character ("15:" gives 15, "x" gives 0); a
// missing word gives 0. Values beyond 32 bits stop at the nearest end.
std::int32_t IntToken(std::string_view line, int n);

// Each "%d" of Format, left to right, takes the next of the ten values;
// every other character is copied, and a "%d" beyond the tenth stays as it
// is.
QString FormatIntArgs(const QString& Format, const std::array<std::int32_t, 10>& Values);

}  // namespace pm
