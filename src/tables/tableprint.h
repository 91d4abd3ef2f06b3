#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace pm {

class TableModel;

// Cuts columns 1..n of the widths given (widths[c], index 0 unused) into
// bands that fit a page: a band starts with 2 x printLeft + widths[s] x 5/4
// and takes further columns, each widths x 5/4, while it stays below the
// page width; the column that makes it pass the page goes to the next band.
// A band always holds at least one column, so a column wider than the page
// is printed alone (clipped at the page's edge). Gives (first, last) pairs.
std::vector<std::pair<int, int>> CutBands(const std::vector<int>& widths, int printLeft, int pageWidth);

// Prints the table into the running print job at CurrentY: the caption bold
// and underlined, then each band row by row, the header bold and centred,
// values right-aligned. Column 0 (the run numbers) is not printed.
void PrintTable(const TableModel& table, const QString& caption);

}  // namespace pm
