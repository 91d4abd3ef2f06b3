#pragma once

#include <string>
#include <string_view>

#include "common/lib1.h"  // ReadInteger

namespace pm {

// Small text helpers of the mark-up grammar. Deck text is bytes; columns in
// the grammar count from 1.

inline bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}
inline bool Contains(std::string_view s, std::string_view part) {
  return s.find(part) != std::string_view::npos;
}

// The text from a 1-based column on (empty past the end).
std::string FromColumn(std::string_view s, size_t column);
// The text before the first "|" (all of it when there is none).
inline std::string BeforeBar(std::string_view s) { return std::string(s.substr(0, s.find('|'))); }

// Leading blanks and control characters removed.
std::string TrimLeft(std::string_view s);
std::string Trimmed(std::string_view s);

// The character at a 1-based column, or 0 past the end.
inline char CharAt(std::string_view s, size_t column) {
  return column >= 1 && column <= s.size() ? s[column - 1] : '\0';
}

}  // namespace pm
