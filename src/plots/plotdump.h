#pragma once

#include "plots/plotmodel.h"

#include <QString>

namespace pm {

// Every field of the block and, for each line 1..LineCount, its columns,
// rows, look, point count and first and last points; one item a line.
QString DumpPlot(const QString& caption, const PlotModel& plot);

// Opens a plot file as the plot window does, named from the folder above
// its own so the text is the same wherever the tree lies, and dumps it
// after the messages shown. With saveAs, writes it back there through the
// plot file's writer. Returns 0, or 1 when the file was refused or the
// save failed.
int DumpPlotFile(const QString& path, const QString& saveAs, QString* text);

}  // namespace pm
