#pragma once

#include "plots/plotmodel.h"

#include <QByteArray>
#include <QString>

namespace pm {

// The plot file (".KPL"): the window caption as a 256-byte short string,
// the plot block, then for each line 1..LineCount its record again, its X
// and its Y values as 64-bit doubles. No header, no version.
inline constexpr int kPlotCaptionSize = 256;
inline constexpr int kPlotBlockSize = 8232;
inline constexpr int kPlotLineSize = 156;
inline constexpr int kPlotFileFixedSize = kPlotCaptionSize + kPlotBlockSize;

// 8,488 + the sum over lines 1..LineCount of (156 + 16 x PointCount).
qint64 PlotFileSize(const TPlotSettings& settings);

// The file's bytes. The caption is cut to 255 Windows-1252 bytes ("?" for a
// character without one) and followed by zeros; the pointer fields of every
// slot are zero. False when the model is inconsistent: a LineCount outside
// 0..50, or a line whose arrays do not hold PointCount values each.
bool EncodePlotFile(const QString& caption, const PlotModel& plot, QByteArray* bytes);

enum class PlotDecode { Ok, NotValid, NoMemory };
// All or nothing: the outputs change only on Ok. The file must hold a
// LineCount of 1..50, exactly the size its line records give, each line
// record equal to its slot in the block (pointer fields aside), strings of
// the titles and live lines within their capacity, and finite axis ends
// stored as the x87 stores them. Slots above LineCount are not checked.
PlotDecode DecodePlotFile(const QByteArray& bytes, QString* caption, PlotModel* plot);

// "File <name> is not a valid plot file."
QString NotValidPlotFileMessage(const QString& name);
QString PlotMemoryMessage();

// Writes the plot to the file a name stands for (quotes stripped, resolved
// without regard to case), atomically. A failure shows the write error
// (kind 0, beep), leaves the old file as it was and returns its errno.
int SavePlotFile(const QString& fileName, const QString& caption, const PlotModel& plot);

enum class PlotOpen { Opened, CannotRead, NotValid, NoMemory };
// Reads a plot file into *caption and *plot, which change only when it
// opens. A failure shows its message: the open error (kind 0, beep), "File
// ... is not a valid plot file." (kind 0, beep) or the memory message
// (kind 2, beep).
PlotOpen OpenPlotFile(const QString& fileName, QString* caption, PlotModel* plot);

}  // namespace pm
