#pragma once

#include "common/lib1.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace pm {

// The most runs a table holds: the run-deck names and the file keep one
// entry per grid row.
inline constexpr int kMaxTableRuns = 9999;
// Fixed capacities of the table file's strings, in bytes.
inline constexpr int kTableNameCapacity = 255;
inline constexpr int kVarNameCapacity = 30;
inline constexpr int kRunDeckNameCapacity = 96;
// A column's format kind that picks the digits for each value.
inline constexpr std::uint8_t kAutomaticFormat = 2;
inline constexpr int kAutomaticDigits = 4;

// The one message for a run count outside 0..kMaxTableRuns.
QString RunCountMessage();
bool RunCountFits(long long runs);

// One variable of the table, in grid column ColumnNumber.
struct TTableColumn {
  std::int16_t ColumnNumber = 0;
  std::string VarName;  // the deck's Windows-1252 bytes, as PEQList holds them
  // Indexed by run 0..runs; entry 0 is never used.
  std::vector<long double> Values;
  TNumberFormat Format{kAutomaticFormat, kAutomaticDigits};
  std::int16_t MatchIndex = 0;  // work field of the variable dialog
};

// A rectangle of grid cells, rows and columns from 1 (row r is run r).
struct CellRange {
  int top = 0;
  int left = 0;
  int bottom = -1;
  int right = -1;
  bool isEmpty() const { return bottom < top || right < left; }
};

// A parametric table: runs by variables, with the deck it belongs to and the
// names of its per-run decks. The grid shows row 0 as the header and column 0
// as the run numbers, so RowCount is runs + 1 and ColCount variables + 1.
class TableModel {
 public:
  // An empty table of `runs` runs over the variables named, every cell
  // EnterValueMarker, columns numbered 1..n in order. The caller has checked
  // RunCountFits.
  void Reset(int runs, const std::vector<std::string>& varNames);

  int RunCount() const { return runCount_; }
  int VarCount() const { return static_cast<int>(TableColumns.size()); }
  int RowCount() const { return runCount_ + 1; }
  int ColCount() const { return VarCount() + 1; }

  // The column record with ColumnNumber c; null when there is none.
  const TTableColumn* Column(int c) const;
  TTableColumn* Column(int c);

  // The value of variable c in run r; NaN outside the table.
  long double Value(int c, int r) const;
  // Stores a value; false (nothing stored) outside the table.
  bool SetValue(int c, int r, long double value);

  // The text of cell (c, r) as the grid shows it: "" for column 0 and for a
  // column with no record, the variable name in row 0, "Enter value" and " "
  // for the two markers, otherwise the number in the column's format.
  QString GetS(int c, int r) const;
  // The text the cell editor opens with: the markers as GetS gives them, a
  // number in full (shortest text that reads back to the same value).
  QString EditText(int c, int r) const;
  // A cell edit: the text trimmed, empty for a blank (InfiniteValue),
  // otherwise a number; a text that is no number is ignored. True when the
  // stored value changed (then Changed is set).
  bool SetCellText(int c, int r, const QString& text);

  // Every selected cell back to EnterValueMarker, column by column until a
  // column without a record. Returns the rectangle that changed.
  CellRange Clear(const CellRange& selection);

  // The deck's run-deck name of run r ("" when none was given).
  QString RunDeckName(int r) const;
  void SetRunDeckName(int r, const QString& name);

  std::vector<TTableColumn> TableColumns;  // in column order
  QString DeckFileName;
  QString TableFileName;
  // Indexed 1..RowCount (one slot more than runs, as the file keeps them);
  // entry 0 is unused.
  std::vector<QString> RunDeckNames;
  bool Changed = false;
  // The run range Alter Values offers; a new window sets 1 and the run count.
  int FirstRun = 1;
  int LastRun = 0;
  // The window's client area as the file keeps it: the origin on the
  // screen and the client rectangle (left and top 0).
  std::int16_t OriginX = 0;
  std::int16_t OriginY = 0;
  std::int16_t ClientLeft = 0;
  std::int16_t ClientTop = 0;
  std::int16_t ClientRight = 0;
  std::int16_t ClientBottom = 0;

  // Used by the file reader once it has checked the counts.
  void SetRunCount(int runs);

 private:
  int runCount_ = 0;
};

}  // namespace pm
