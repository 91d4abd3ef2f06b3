#pragma once

#include "plots/plotmodel.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace pm {

// Every field of the block and, for each line 1..LineCount, its columns,
// rows, look, point count and first and last points; one item a line.
QString DumpPlot(const QString& caption, const PlotModel& plot);

struct PlotDumpOptions {
  QString SaveAs;   // write the plot back there through the plot file's writer
  QString Png;      // draw it there as the window shows it at WindowSize
  QString Pdf;      // print it there through the plot's print routine
  QSize WindowSize{600, 350};
};

// Opens a plot file as the plot window does, named from the folder above
// its own so the text is the same wherever the tree lies, and dumps it
// after the messages shown; then does what the options ask. Returns 0, or 1
// when the file was refused or a file could not be written.
int DumpPlotFile(const QString& path, const PlotDumpOptions& options, QString* text);
int DumpPlotFile(const QString& path, const QString& saveAs, QString* text);

// Reads a plot data file as Plot Setup does and prints its columns (name,
// units, rows, minimum, maximum) with the axis proposed for each. A file
// that cannot be read prints its message; returns 0, or 1 then.
int DumpPlotData(const QString& path, QString* text);

// The plot drawn on a white window of that size.
QImage PlotWindowImage(const PlotModel& plot, const QSize& size);
// The plot printed alone on a 300-dpi Letter page, as from a window of
// that size: page header, caption, plot.
bool PrintPlotToPdf(const PlotModel& plot, const QString& caption, const QSize& windowSize, const QString& pdf);

}  // namespace pm
