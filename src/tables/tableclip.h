#pragma once

#include "tables/tablemodel.h"

#include <QString>

namespace pm {

// The clipboard text of a selection: rows top to bottom separated by CR LF,
// cells left to right separated by TAB, each as GetS gives it; no separator
// at the end.
QString CopyText(const TableModel& table, const CellRange& selection);

struct PasteResult {
  CellRange changed;   // the cells that took a value (their bounding rectangle)
  QString message;     // "Bad number in row r column c" when a field was no number
};

// Pastes text at (startCol, startRow), each at least 1: a field ends at the
// next TAB or LF and is cut at its first CR; a TAB moves one column right, a
// line end back to the start column one run down. A line longer than the
// table loses its end, lines past the last run are dropped; nothing adds
// runs or columns. A field that is no number stops the paste, the cells
// stored before it keeping their values. Changed is set when a cell was
// stored.
PasteResult PasteText(TableModel& table, const QString& text, int startCol, int startRow);

}  // namespace pm
