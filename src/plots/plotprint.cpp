#include "plots/plotprint.h"

#include "common/lib1.h"
#include "common/printstate.h"
#include "plots/qtplotpainter.h"

#include <QPainter>

namespace pm {

namespace {

int Trunc(long double v) { return static_cast<int>(std::clamp<std::int64_t>(CheckedTrunc(v), -kPlotCoordinateLimit, kPlotCoordinateLimit)); }
int Round(long double v) { return static_cast<int>(std::clamp<std::int64_t>(CheckedRound(v), -kPlotCoordinateLimit, kPlotCoordinateLimit)); }

}  // namespace

PlotBounds PrintedBounds(const PlotBounds& b, const PlotExtent& e, long double scale) {
  const PrintState& ps = PS();
  // The plot starts where the job is, not at the page's top: a plot that
  // fits below what was printed before must not print over it.
  const int top = ps.CurrentY;
  const auto x = [&](int v) { return Trunc((v - e.MinX) * scale) + 2 * ps.PrintLeft; };
  const auto y = [&](int v) { return Trunc((v - e.MinY) * scale) + top; };
  PlotBounds out{x(b.PlotLeft), x(b.PlotRight), y(b.PlotBottom), y(b.PlotTop)};
  const int shift = (ps.PageWidth - 2 * ps.PrintLeft - Round((e.MaxX - e.MinX) * scale)) / 2;
  out.PlotLeft += shift;
  out.PlotRight += shift;
  const int down = Round(20 * scale);
  out.PlotBottom += down;
  out.PlotTop += down;
  return out;
}

void PrintPlot(const PlotModel& plot, const QString& caption, const PlotBounds& bounds, const PlotExtent& extent,
               long double scale) {
  PrintState& ps = PS();
  if (!ps.Canvas) return;
  QPainter& canvas = *ps.Canvas;
  DrawOnPage();
  canvas.save();
  PlotPaint paint;
  paint.Plot = &plot;
  paint.Bounds = PrintedBounds(bounds, extent, scale);
  paint.Scale = scale;
  paint.Printing = true;
  {
    QtPlotPainter painter(canvas);
    painter.SetFont(PlotFont{Round(12 * scale), false, false, PlotColor(0)});
    const int width = painter.TextSize(caption).width();
    painter.Text(QPoint((paint.Bounds.PlotLeft + paint.Bounds.PlotRight - width) / 2, ps.CurrentY), caption);
  }
  CheckPageBreak(ps.PrintLineHeight);
  DrawOnPage();
  {
    QtPlotPainter painter(canvas);
    DrawPlot(paint, painter);
  }
  canvas.restore();
}

}  // namespace pm
