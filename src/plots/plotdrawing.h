#pragma once

#include "plots/plotmodel.h"
#include "plots/plotpainter.h"

#include <QRect>
#include <QString>

#include <optional>

namespace pm {

// The pixel bounds of the plot rectangle: columns of XMin and XMax, rows of
// YMin and YMax (the Y axis runs upwards).
struct PlotBounds {
  int PlotLeft = 100;
  int PlotRight = 400;
  int PlotBottom = 225;
  int PlotTop = 20;
  friend bool operator==(const PlotBounds&, const PlotBounds&) = default;
};

// The least and greatest x and y the drawing touched.
struct PlotExtent {
  int MinX = 0;
  int MinY = 0;
  int MaxX = 0;
  int MaxY = 0;
  friend bool operator==(const PlotExtent&, const PlotExtent&) = default;
};

inline constexpr int kPlotCoordinateLimit = 32600;
// The most tick intervals and minor ticks drawn, whatever a file holds,
// and the most ticks a user may type.
inline constexpr int kPlotTickLimit = 1000;

// The plot colour table: indexes 1..15, anything else black.
ColorValue PlotColor(int index);
// The pen of a pen code (1 thin solid, 2 dotted, 3 thick solid, 4 dashed,
// 5 dash-dot, 6 solid of width 1) in a plot colour at a scale; any other
// code keeps the style given.
PlotPen PenForCode(int code, int colorIndex, long double scale, PlotPenStyle otherStyle = PlotPenStyle::Solid);
// 1..15; above 15 reduced by 15 until at most 15; 0 and below: none (0).
int ReducedSymbol(int symbol);
// Draws a symbol at (x, y) with half-size Round(3 x scale).
void DrawSymbol(PlotPainter& painter, int x, int y, int symbol, int colorIndex, long double scale);

// One paint of a plot block: the plot rectangle, each line's curve and
// symbols clipped to it, the frame, both axes with their numbers and
// titles, and the legend. The same drawing serves the screen, the printer
// and the layout pass.
struct PlotPaint {
  const PlotModel* Plot = nullptr;
  PlotBounds Bounds;
  long double Scale = 1.0L;  // PlotScale
  bool Printing = false;
  // The part of the device being painted, in the drawing's coordinates;
  // none: all of it.
  std::optional<QRect> Exposed;
  // Measures only: no curves or symbols, which stay inside the rectangle.
  bool LayoutOnly = false;
};

// Draws and returns the drawn extent: the plot rectangle widened by
// everything drawn (axes, numbers, titles, legend), curves and symbols only
// as far as the rectangle they are clipped to. While printing the extent is
// the plot rectangle alone.
PlotExtent DrawPlot(const PlotPaint& paint, PlotPainter& painter);

// The layout pass: the drawing on screen at scale 1 with the screen's font
// metrics, nothing drawn; gives the extent for the scroll ranges and for
// printing.
PlotExtent LayoutPlot(const PlotModel& plot, const PlotBounds& bounds);

// Pixel of a value on an axis (1 X, 2 Y) as the paint maps it, clamped to
// +/-32600. A logarithmic axis whose ends are not both positive and
// increasing maps as a linear one; equal ends map everything to the start.
int MapToPixel(const TPlotSettings& s, const PlotBounds& b, int axis, long double v);

}  // namespace pm
