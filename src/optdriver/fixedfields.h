#pragma once

#include <string>

namespace pm::optavin {

// Fixed-column fields of a record, columns counted from 1. A record shorter
// than the field counts as padded with blanks.

// An integer field: blanks anywhere in it are ignored, an all-blank field is
// 0, an optional sign and digits otherwise. False when it holds anything else.
bool ReadIntegerField(const std::string& record, int column, int width, int* value);

// The integer that starts at a column: blanks before it are skipped, and it
// runs to the next blank or the end of the record (nothing there reads 0).
// False when the text there is not a whole number.
bool ReadIntegerFrom(const std::string& record, int column, int* value);

// A number with a fixed count of decimals, right-justified in width columns.
// A value that needs more columns widens the field rather than losing digits.
// Rounding is that of the exact binary value, exact ties to even (0.125 gives
// "0.12").
std::string FormatFixed(double value, int width, int decimals);

// An integer right-justified in width columns, widened when it needs more.
std::string FormatInteger(long value, int width);

}  // namespace pm::optavin
