#pragma once

#include "plots/plotdrawing.h"

#include <QString>

namespace pm {

// Where the plot lands on the page: the bounds moved by the printing
// transform, from the extent of the layout pass, at the job's CurrentY.
PlotBounds PrintedBounds(const PlotBounds& bounds, const PlotExtent& extent, long double scale);

// Prints a plot on the running job's canvas (PS().Canvas) at CurrentY: the
// caption centred above the plot rectangle, CheckPageBreak by a print
// line, then the plot drawn at the scale. The canvas is left as it was.
void PrintPlot(const PlotModel& plot, const QString& caption, const PlotBounds& bounds, const PlotExtent& extent,
               long double scale);

}  // namespace pm
