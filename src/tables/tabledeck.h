#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/lib1.h"
#include "tables/tablemodel.h"

namespace pm {

// A table value no run deck can carry: a blank or unfilled cell, anything
// beyond 1e20 in size ("-INF" included) and NaN.
bool UndefinedRunValue(long double value);

// A value's text in a run deck: the column's format when that text reads
// back within a relative 1e-12 of the value, otherwise scientific with the
// fewest decimals from 5 to 12 that does. Never cut.
std::string RunValueText(TNumberFormat format, long double value);

// The per-run deck of run r beside the deck (an absolute path): the deck's
// name up to the first "." of its file name, r, and the deck's extension as
// written, cut to 4 characters.
QString RunDeckFileName(const QString& deck, int run);

// The line work of the per-run decks of one deck, found once for all runs.
// Matching is on ASCII upper-case copies; names and lines keep their case.
// - A line beginning "ASS" in which baseName + "." first occurs at byte 4
//   or later gets the run number inserted after baseName.
// - A line whose text before its first "=" (at byte 1 or later), trimmed,
//   equals a variable's name becomes name + "=" + value, the last such
//   column's value; variable names are trimmed and cut to 20 bytes.
// Every other line is copied byte for byte.
class RunDeckLines {
 public:
  RunDeckLines(std::vector<std::string> lines, std::string_view baseName,
               const std::vector<std::string>& varNames);

  // The first column (from 1) that no line of run 1 matches; 0 when all do.
  int UnmatchedColumn() const;
  // Appends the run deck of run runText, values[k] for column k + 1, each
  // line ended by CR LF.
  void AppendDeck(std::string_view runText, const std::vector<std::string>& values, std::string* out) const;

  size_t LineCount() const { return lines_.size(); }
  const std::string& Name(size_t column) const { return names_[column]; }

 private:
  struct LineWork {
    size_t assignAt = std::string::npos;  // where the run number goes
    int column = -1;                      // the column whose value replaces the line
    bool keyHoldsRun = false;             // the run number lands before the "="
  };
  int ColumnOfKey(std::string key) const;
  int ColumnOf(size_t line, std::string_view runText) const;

  std::vector<std::string> lines_;
  std::vector<LineWork> work_;
  std::vector<std::string> names_;
  std::unordered_map<std::string, int> lastColumn_;
  std::unordered_set<std::string> keysOfRunOne_;
};

// Why the per-run decks were not (all) written: the message and its kind.
struct TableDeckFailure {
  QString Message;
  int Kind = 0;
};

// Writes one deck per run beside the table's deck, run 1 first, and sets
// RunDeckNames[1..runs] to their absolute names. Before anything is written
// the deck is read, every column must match a deck line, and no target may
// exist unless the table already names it; afterwards a run with an
// undefined value, or a deck that cannot be written, stops the writing (the
// decks before it stay). A table of no runs writes nothing. Returns false
// with the failure filled in.
bool WriteTableDecks(TableModel& table, TableDeckFailure* failure);

}  // namespace pm
