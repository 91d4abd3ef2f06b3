#pragma once

#include "plots/plotpainter.h"

#include <QSize>

namespace pm {

// The samples beside the line, symbol and colour spin buttons: the box
// filled white and framed black, then the look of the Tag. A Tag that no
// look belongs to (from a file) shows nothing beyond the frame.
void PaintLineSample(PlotPainter& painter, QSize box, int tag);
void PaintSymbolSample(PlotPainter& painter, QSize box, int tag);
void PaintColorSample(PlotPainter& painter, QSize box, int tag);

}  // namespace pm
