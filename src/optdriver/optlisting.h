#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pm::optavin {

inline constexpr const char* kListingFile = "OutputListingMain.txt";

// The value line of the optimizer's listing: the first of the first 1000
// lines whose first 200 characters hold "Minimum" with its first occurrence
// in column 2 or later. Returns its index, or npos when there is none.
std::size_t FindMinimumLine(const std::vector<std::string>& lines);

// Reads the value line free-format: three whole numbers and a number that are
// not used, then the values of the variables in their order (an empty value
// keeps the variable's value). Returns an empty text, or what is wrong as
// "OutputListingMain.txt, line <n>: <what was expected>"; then values is
// left as it was.
std::string ReadMinimumValues(const std::vector<std::string>& lines, std::size_t index,
                              std::vector<double>* values);

}  // namespace pm::optavin
