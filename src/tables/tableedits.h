#pragma once

#include "tables/tablemodel.h"

#include <QString>

#include <string>
#include <vector>

namespace pm {

// The checks and reshapes of the table dialogs: new table and variables,
// Alter Values, Insert/Delete Runs.

// "The name " + name + " is too long for a table variable."
QString VarNameTooLongMessage(const std::string& name);
bool VarNameFits(const std::string& name);
// "The name of deck " + path + " is too long for a table."
QString DeckNameTooLongMessage(const QString& path);

// A new table of the deck: every cell EnterValueMarker, named after the
// deck (its extension ".TBL"), and changed, since no file holds it yet.
TableModel NewTable(const QString& deck, int runs, const std::vector<std::string>& varNames);

// The table's variables become varNames, in that order. A column whose name
// is listed keeps its values and format (when a name is listed twice, the
// later item keeps it); every other name gets a new column of
// EnterValueMarker cells; columns not listed go.
void ChangeVariables(TableModel& table, const std::vector<std::string>& varNames);

// Alter Values.
enum class SeriesMode { LastValue = 0, Increment = 1, Multiplier = 2 };

struct RunRange {
  int first = 1;
  int last = 0;
};
// First Run at least 1, Last Run at most the last run and not below First
// Run. False when the first run lies beyond the table.
bool FitRunRange(int firstRun, int lastRun, int runs, RunRange* range);
// Cells of the range back to EnterValueMarker. The column exists and the
// range was fitted; the table is changed.
void ClearColumnValues(TableModel& table, int column, RunRange range);
// first at range.first, then each run the value before plus second
// (Increment) or times second (Multiplier); in Last Value mode the steps
// go evenly from first to second at range.last.
void FillColumnValues(TableModel& table, int column, RunRange range, SeriesMode mode, long double first,
                      long double second);

// Insert/Delete Runs.
enum class RunsPosition { AtTop = 0, AtBottom = 1, AfterRow = 2 };

enum class RunsCheck {
  Ok,
  BadRows,       // No. of Rows below 1
  CloseTable,    // every run would go
  BadAfterRow,   // After row outside 0..runs
  TooManyRuns,   // beyond kMaxTableRuns
};

struct RunsChange {
  int position = 0;  // P: the runs up to P stay where they are
  int delta = 0;     // N: runs added (> 0) or removed (< 0)
};

// Checks in the dialog's order: the row count, all runs gone, the
// position, the run limit. On Ok, change says what to do.
RunsCheck CheckRunsChange(int runs, bool insert, int rows, RunsPosition position, int afterRow,
                          RunsChange* change);
// Runs 1..P stay; inserted runs after P are EnterValueMarker; the runs
// after them move by N. Removing more runs than follow P removes the last
// |N| runs. Run-deck names stay by run number. False, with nothing changed,
// when memory runs out.
bool ChangeRuns(TableModel& table, RunsChange change);

}  // namespace pm
