#pragma once

// The state of one paint, shared by the drawing of lines and legend
// (plotdrawing.cpp) and of the axes (plotaxes.cpp).

#include "plots/plotdrawing.h"

namespace pm {

enum class Align { Low = 1, Centre = 2, High = 3 };  // left/top, centred, right/bottom

struct AxisScale {
  long double Min = 0;
  long double Max = 0;
  bool Log = false;  // a logarithmic axis with usable ends
  int Decades = 0;
};

AxisScale EffectiveScale(const TPlotSettings& s, int axis);

class PlotRenderer {
 public:
  PlotRenderer(const PlotPaint& paint, PlotPainter& painter);
  PlotExtent Draw();

  // Axes (plotaxes.cpp).
  void DrawXAxis();
  void DrawYAxis();
  void DrawAxisTitles();

  int Round(long double v) const;
  int Scaled(long double v) const { return Round(v * paint_.Scale); }
  int Pixel(int axis, long double v) const;

  void SetPenCode(int code, int colorIndex);
  void ThinBlackPen() { SetPenCode(1, 0); }
  void MakeFont(int size, bool rotated, bool bold);
  QSize TextSize(const QString& text) { return painter_.TextSize(text); }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void PlotTextOut(int x, int y, const QString& text);
  void Widen(int x, int y);

  const TPlotSettings& s;
  const PlotBounds& b;
  PlotPainter& painter_;
  const PlotPaint& paint_;
  AxisScale x_;
  AxisScale y_;
  Align alignH_ = Align::Low;
  Align alignV_ = Align::Low;
  int tickLength_ = 4;
  int widestY_ = 0;
  int currentColor_ = 0;
  int fontSize_ = 12;
  PlotFont font_;
  QPoint pen_;
  PlotPenStyle penStyle_ = PlotPenStyle::Solid;
  PlotExtent extent_;

 private:
  void DrawLine(int k);
  void DrawCurve(int k);
  void DrawSymbols(int k);
  void DrawFrame();
  void DrawLegend();
  bool RectVisible() const;
};

}  // namespace pm
