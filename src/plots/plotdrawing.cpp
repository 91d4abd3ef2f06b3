#include "plots/plotdrawing.h"

#include "common/lib1.h"
#include "plots/plotrenderer.h"
#include "plots/recordingpainter.h"

#include <algorithm>
#include <cmath>

namespace pm {

namespace {

constexpr ColorValue kWhite = 0xFFFFFF;

int Clamp(long long v) { return static_cast<int>(std::clamp<long long>(v, -kPlotCoordinateLimit, kPlotCoordinateLimit)); }

QPoint Clamped(int x, int y) { return {Clamp(x), Clamp(y)}; }

// A rectangle given by its left, top, right and bottom, right and bottom
// outside it.
QRect Edges(int left, int top, int right, int bottom) {
  const QPoint a = Clamped(left, top);
  const QPoint b = Clamped(right, bottom);
  return {a.x(), a.y(), b.x() - a.x(), b.y() - a.y()};
}

// The shape alone; pen and brush are the caller's.
void SymbolShape(PlotPainter& p, int x, int y, int symbol, int r) {
  const auto pt = [](int px, int py) { return Clamped(px, py); };
  switch (symbol > 7 && symbol < 15 ? symbol - 7 : symbol) {
    case 1:
      p.Ellipse(Edges(x - r, y - r, x + r, y + r));
      break;
    case 2:
      p.Polygon({pt(x - r, y - r), pt(x + r, y - r), pt(x + r, y + r), pt(x - r, y + r), pt(x - r, y - r)});
      break;
    case 3:
      p.Polygon({pt(x, y - r), pt(x - r, y + r), pt(x + r, y + r), pt(x, y - r), pt(x, y - r)});
      break;
    case 4:
      p.Polygon({pt(x - r, y + r), pt(x + r, y - r), pt(x + r, y + r), pt(x - r, y - r), pt(x - r, y + r)});
      break;
    case 5:
      p.Polygon({pt(x, y + r), pt(x - r, y - r), pt(x + r, y - r), pt(x, y + r), pt(x, y + r)});
      break;
    case 6:
      p.Polygon({pt(x - r, y - r), pt(x + r, y + r), pt(x - r, y + r), pt(x + r, y - r), pt(x - r, y - r)});
      break;
    case 7:
      p.Polygon({pt(x, y + r), pt(x - r, y), pt(x, y - r), pt(x + r, y), pt(x, y + r)});
      break;
    case 15:
      p.Line(pt(x - r, y - r), pt(x + r, y + r));
      p.Line(pt(x + r, y - r), pt(x - r, y + r));
      break;
    default:
      break;
  }
}

void SymbolPenAndBrush(PlotPainter& p, int symbol, int colorIndex, long double scale) {
  p.SetPen(PenForCode(1, colorIndex, scale));
  p.SetBrush(symbol >= 8 && symbol <= 14 ? PlotColor(colorIndex) : kWhite);
}

bool Usable(long double v, const AxisScale& a) { return std::isfinite(v) && (!a.Log || v > 0); }

}  // namespace

ColorValue PlotColor(int index) {
  static constexpr ColorValue kTable[] = {0xFF0000, 0x0000FF, 0x008000, 0x800080, 0x000080,
                                          0x00FFFF, 0x00FF00, 0x008080, 0xFFFF00, 0x808080,
                                          0xFF00FF, 0x800000, 0x808000, 0xC0C0C0, 0x00FFFF};
  return index >= 1 && index <= 15 ? kTable[index - 1] : 0x000000;
}

PlotPen PenForCode(int code, int colorIndex, long double scale, PlotPenStyle otherStyle) {
  const int normal = static_cast<int>(std::max<std::int64_t>(CheckedTrunc(scale) - 1, 1));
  PlotPen pen{otherStyle, normal, PlotColor(colorIndex)};
  switch (code) {
    case 1:
      pen.Style = PlotPenStyle::Solid;
      break;
    case 2:
      pen.Style = PlotPenStyle::Dot;
      break;
    case 3:
      // Never thinner than the thin pen, whatever the printer's resolution.
      pen.Style = PlotPenStyle::Solid;
      pen.Width = std::max(static_cast<int>(std::min<std::int64_t>(CheckedTrunc(2 * scale), 5)), normal + 1);
      break;
    case 4:
      pen.Style = PlotPenStyle::Dash;
      break;
    case 5:
      pen.Style = PlotPenStyle::DashDot;
      break;
    case 6:
      pen.Style = PlotPenStyle::Solid;
      pen.Width = 1;
      break;
    default:
      break;
  }
  return pen;
}

int ReducedSymbol(int symbol) {
  if (symbol <= 0) return 0;
  return symbol > 15 ? (symbol - 1) % 15 + 1 : symbol;
}

void DrawSymbol(PlotPainter& painter, int x, int y, int symbol, int colorIndex, long double scale) {
  const int s = ReducedSymbol(symbol);
  if (s == 0) return;
  SymbolPenAndBrush(painter, s, colorIndex, scale);
  SymbolShape(painter, x, y, s, static_cast<int>(CheckedRound(3 * scale)));
}

AxisScale EffectiveScale(const TPlotSettings& s, int axis) {
  AxisScale a;
  a.Min = axis == 1 ? s.XMin : s.YMin;
  a.Max = axis == 1 ? s.XMax : s.YMax;
  const std::uint8_t log = axis == 1 ? s.XLog : s.YLog;
  // Without two positive, increasing ends there are no logarithms to map by.
  a.Log = log == 1 && a.Min > 0 && a.Max > a.Min && std::isfinite(a.Max);
  if (a.Log) a.Decades = static_cast<int>(CheckedRound(DecimalLog(a.Max) - DecimalLog(a.Min)));
  return a;
}

namespace {

int MapWith(const AxisScale& a, const PlotBounds& b, int axis, long double v) {
  const int start = axis == 1 ? b.PlotLeft : b.PlotBottom;
  const int length = axis == 1 ? b.PlotRight - b.PlotLeft : b.PlotTop - b.PlotBottom;
  long double offset = 0;
  if (a.Log) {
    offset = (DecimalLog(v) - DecimalLog(a.Min)) / (DecimalLog(a.Max) - DecimalLog(a.Min)) * length;
  } else if (a.Max != a.Min) {
    offset = length * ((v - a.Min) / (a.Max - a.Min));
  }
  return Clamp(start + std::clamp<std::int64_t>(CheckedRound(offset), -2 * kPlotCoordinateLimit, 2 * kPlotCoordinateLimit));
}

}  // namespace

int MapToPixel(const TPlotSettings& s, const PlotBounds& b, int axis, long double v) {
  return MapWith(EffectiveScale(s, axis), b, axis, v);
}

PlotRenderer::PlotRenderer(const PlotPaint& paint, PlotPainter& painter)
    : s(paint.Plot->Settings), b(paint.Bounds), painter_(painter), paint_(paint) {
  x_ = EffectiveScale(s, 1);
  y_ = EffectiveScale(s, 2);
}

int PlotRenderer::Round(long double v) const { return Clamp(CheckedRound(v)); }

int PlotRenderer::Pixel(int axis, long double v) const { return MapWith(axis == 1 ? x_ : y_, b, axis, v); }

void PlotRenderer::SetPenCode(int code, int colorIndex) {
  const PlotPen pen = PenForCode(code, colorIndex, paint_.Scale, penStyle_);
  penStyle_ = pen.Style;
  painter_.SetPen(pen);
}

void PlotRenderer::MakeFont(int size, bool rotated, bool bold) {
  fontSize_ = size;
  font_ = PlotFont{Round(size * paint_.Scale), bold, rotated, PlotColor(0)};
  painter_.SetFont(font_);
}

void PlotRenderer::Widen(int x, int y) {
  if (paint_.Printing) return;
  extent_.MinX = std::min(extent_.MinX, x);
  extent_.MaxX = std::max(extent_.MaxX, x);
  extent_.MinY = std::min(extent_.MinY, y);
  extent_.MaxY = std::max(extent_.MaxY, y);
}

void PlotRenderer::MoveTo(int x, int y) {
  pen_ = Clamped(x, y);
  Widen(pen_.x(), pen_.y());
}

void PlotRenderer::LineTo(int x, int y) {
  const QPoint to = Clamped(x, y);
  painter_.Line(pen_, to);
  pen_ = to;
  Widen(to.x(), to.y());
}

void PlotRenderer::PlotTextOut(int x, int y, const QString& text) {
  const QSize size = TextSize(text);
  const int w = size.width();
  const int h = size.height();
  const int left = alignH_ == Align::Low ? x : alignH_ == Align::Centre ? x - (w + 4) / 2 : x - (w + 4);
  const int top = alignV_ == Align::Low ? y : alignV_ == Align::Centre ? y - h / 2 : y - h;
  painter_.Text(Clamped(left, top), text);
  Widen(left, top);
  Widen(left + w + 4, top + h);
}

bool PlotRenderer::RectVisible() const {
  if (paint_.Printing || !paint_.Exposed) return true;
  return paint_.Exposed->intersects(Edges(b.PlotLeft, b.PlotTop, b.PlotRight, b.PlotBottom).normalized().adjusted(0, 0, 1, 1));
}

PlotExtent PlotRenderer::Draw() {
  widestY_ = 0;
  extent_ = {std::min(b.PlotLeft, b.PlotRight), std::min(b.PlotTop, b.PlotBottom), std::max(b.PlotLeft, b.PlotRight),
             std::max(b.PlotTop, b.PlotBottom)};
  painter_.FillRect(Edges(b.PlotLeft, b.PlotTop, b.PlotRight, b.PlotBottom), kWhite);
  tickLength_ = Scaled(4);
  const int lines = std::clamp(s.LineCount, 0, kPlotMaxLines);
  for (int k = 1; k <= lines; ++k) DrawLine(k);
  if (s.ShowLegend && lines > 0) DrawLegend();
  return extent_;
}

void PlotRenderer::DrawLine(int k) {
  currentColor_ = 0;
  if (k == 1) {
    DrawXAxis();
    DrawYAxis();
    DrawAxisTitles();
  }
  if (RectVisible() && !paint_.LayoutOnly) {
    DrawCurve(k);
    SetPenCode(1, currentColor_);
    if (s.Lines[k].Symbol > 0) DrawSymbols(k);
    DrawFrame();
    SetPenCode(1, currentColor_);
  }
  currentColor_ = 0;
}

void PlotRenderer::DrawCurve(int k) {
  const TPlotLine& line = s.Lines[k];
  if (line.LineStyle == 0) return;
  painter_.ClipTo(Edges(b.PlotLeft, b.PlotTop, b.PlotRight, b.PlotBottom));
  static constexpr int kCodes[] = {0, 1, 3, 2};
  const int code = line.LineStyle >= 1 && line.LineStyle <= 3 ? kCodes[line.LineStyle] : 0;
  SetPenCode(code, line.ColorIndex);
  currentColor_ = line.ColorIndex;
  const PlotLinePoints& p = paint_.Plot->Points[k];
  const size_t n = std::min({static_cast<size_t>(std::max(line.PointCount, 0)), p.X.size(), p.Y.size()});
  std::vector<QPoint> run;
  run.reserve(std::min<size_t>(n, 100000));
  // A point that cannot be mapped (NaN, infinite, or not positive on a
  // logarithmic axis) breaks the curve.
  const auto flush = [&] {
    if (run.size() >= 2) painter_.Polyline(run);
    run.clear();
  };
  for (size_t i = 0; i < n; ++i) {
    if (!Usable(p.X[i], x_) || !Usable(p.Y[i], y_)) {
      flush();
      continue;
    }
    run.emplace_back(Pixel(1, p.X[i]), Pixel(2, p.Y[i]));
  }
  flush();
  painter_.ClipToDevice();
}

void PlotRenderer::DrawSymbols(int k) {
  const TPlotLine& line = s.Lines[k];
  const int symbol = ReducedSymbol(line.Symbol);
  if (symbol == 0) return;
  painter_.ClipTo(Edges(b.PlotLeft, b.PlotTop, b.PlotRight, b.PlotBottom));
  SymbolPenAndBrush(painter_, symbol, line.ColorIndex, paint_.Scale);
  const int r = Scaled(3);
  const PlotLinePoints& p = paint_.Plot->Points[k];
  const size_t n = std::min({static_cast<size_t>(std::max(line.PointCount, 0)), p.X.size(), p.Y.size()});
  for (size_t i = 0; i < n; ++i) {
    if (!Usable(p.X[i], x_) || !Usable(p.Y[i], y_)) continue;
    SymbolShape(painter_, Pixel(1, p.X[i]), Pixel(2, p.Y[i]), symbol, r);
  }
  painter_.ClipToDevice();
}

void PlotRenderer::DrawFrame() {
  SetPenCode(1, 0);
  MoveTo(b.PlotLeft, b.PlotBottom);
  LineTo(b.PlotRight, b.PlotBottom);
  LineTo(b.PlotRight, b.PlotTop);
  MoveTo(b.PlotLeft, b.PlotBottom);
  LineTo(b.PlotLeft, b.PlotTop);
  LineTo(b.PlotRight, b.PlotTop);
}

void PlotRenderer::DrawLegend() {
  MakeFont(12, false, true);
  const int lines = std::clamp(s.LineCount, 0, kPlotMaxLines);
  if (!paint_.Printing) {
    int widest = 0;
    for (int k = 1; k <= lines; ++k) widest = std::max(widest, TextSize(s.Lines[k].YName.Shown()).width());
    painter_.SetPen(PlotPen{});
    painter_.SetBrush(kWhite);
    const int right = b.PlotRight + widest + 45;
    const int bottom = b.PlotTop + 20 * lines;
    painter_.Rectangle(Edges(b.PlotRight + 10, b.PlotTop, right, bottom));
    Widen(b.PlotRight + 10, b.PlotTop);
    Widen(right, bottom);
  }
  int column = 0;
  int y = b.PlotTop - 20;
  const int step = Scaled(20);
  const int half = Scaled(6);
  for (int k = 1; k <= lines; ++k) {
    const TPlotLine& line = s.Lines[k];
    y += step;
    if (b.PlotBottom < y + step) {
      y = b.PlotTop;
      ++column;
    }
    const int x = b.PlotRight + Round((55.0L * column + 20) * paint_.Scale);
    DrawSymbol(painter_, Clamp(x), Clamp(y + half), line.Symbol, line.ColorIndex, paint_.Scale);
    if (line.LineStyle != 0) {
      static constexpr int kCodes[] = {0, 1, 3, 2};
      SetPenCode(line.LineStyle >= 1 && line.LineStyle <= 3 ? kCodes[line.LineStyle] : 0, line.ColorIndex);
      MoveTo(x - half, y + half);
      LineTo(x + half, y + half);
    }
    painter_.SetBrush(std::nullopt);
    const QString name = line.YName.Shown();
    const QSize size = TextSize(name);
    painter_.Text(Clamped(x + Scaled(15), y), name);
    Widen(x + Scaled(15) + size.width(), y + size.height());
  }
}

PlotExtent DrawPlot(const PlotPaint& paint, PlotPainter& painter) {
  if (!paint.Plot) return {};
  PlotRenderer renderer(paint, painter);
  return renderer.Draw();
}

PlotExtent LayoutPlot(const PlotModel& plot, const PlotBounds& bounds) {
  RecordingPainter measure(&RecordingPainter::ScreenMetrics, false);
  PlotPaint paint;
  paint.Plot = &plot;
  paint.Bounds = bounds;
  paint.LayoutOnly = true;
  return DrawPlot(paint, measure);
}

}  // namespace pm
