// The axes of a plot: ticks, gridlines, numbers and titles, drawn with the
// first line.
#include "common/lib1.h"
#include "plots/plotrenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pm {

namespace {

constexpr int kNumberSize = 12;
constexpr int kTitleSize = 14;
constexpr int kGridColor = 9;

struct Tick {
  long double Value = 0;
  bool Last = false;
  bool Labelled = true;
};

long double PowerOfTen(long double e) { return std::exp(e * std::log(10.0L)); }

// The n-th tick (from 1) after v.
Tick NextTickValue(const AxisScale& a, int intervals, int n, long double v) {
  Tick t;
  if (n == 1) {
    t.Value = a.Min;
  } else if (!a.Log) {
    t.Value = v + (a.Max - a.Min) / intervals;
  } else {
    long double e = static_cast<long double>(CheckedTrunc(DecimalLog(v)));
    long double g = v / PowerOfTen(e);
    if (g < 1) {
      e -= 1;
      g *= 10;
    }
    if (g >= 9.9999999L) {
      e += 1;
      g /= 10;
    }
    int k = 1;
    for (; k <= 10; ++k) {
      if (k > g * 1.001L && (std::abs(a.Decades) <= 3 || k == 1 || k == 10)) break;
    }
    t.Value = PowerOfTen(e) * k;
    if (t.Value == v) t.Value *= 10;
    t.Labelled = k == 1 || k == 10;
  }
  // Written so that a NaN ends the pass too.
  if ((n >= 2 || a.Log) && !(t.Value < a.Max)) {
    t.Value = a.Max;
    t.Last = true;
  }
  // Equal ends: one tick.
  if (!a.Log && a.Max == a.Min) t.Last = true;
  return t;
}

// Intervals of a linear axis and the most ticks a pass may take, so that a
// step too small to change the value still ends.
int Intervals(std::int32_t ticks) {
  return static_cast<int>(std::clamp<std::int64_t>(std::abs(static_cast<std::int64_t>(ticks)), 1, kPlotTickLimit));
}

int PassLimit(const AxisScale& a, int intervals) {
  return a.Log ? 10 * (std::min(std::abs(a.Decades), 100000) + 2) : intervals + 2;
}

int MinorCount(std::int32_t m) { return std::min<std::int32_t>(m, kPlotTickLimit); }

int SmallSize(int size) { return size < 16 ? size - 2 : size * 2 / 3; }

}  // namespace

// Draws one number of an axis; X numbers that would overlap the last one
// are left out. Returns false when it was left out.
class AxisNumbers {
 public:
  AxisNumbers(PlotRenderer& r, int axis) : r_(r), axis_(axis) {}

  bool Draw(int x, int y, long double value) {
    const TNumberFormat format = axis_ == 1 ? r_.s.XFormat : r_.s.YFormat;
    const QString text = QString::fromStdString(FormatNumber(format, value)).left(255);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    if (e < 0) return Plain(x, y, text);
    return Scientific(x, y, text.left(e), text.mid(e + 1));
  }

  int lastX = -1000;

 private:
  bool Plain(int x, int y, const QString& text) {
    const int w = r_.TextSize(text).width();
    if (axis_ == 1) {
      r_.alignH_ = Align::Centre;
      r_.alignV_ = Align::High;
      if (lastX > 0 && x < lastX) return false;
    } else {
      r_.alignH_ = Align::High;
      r_.alignV_ = Align::Centre;
      r_.widestY_ = std::max(r_.widestY_, w);
    }
    r_.MoveTo(x, y);
    r_.PlotTextOut(x, y, text);
    r_.MoveTo(x + w, y);
    if (axis_ == 1) lastX = x + w;
    return true;
  }

  bool Scientific(int x, int y, QString mantissa, QString exponent) {
    const bool times = mantissa != QStringLiteral("1") && mantissa != QStringLiteral("-1");
    if (mantissa == QStringLiteral("1")) mantissa.clear();
    if (mantissa == QStringLiteral("-1")) mantissa = QStringLiteral("-");
    if (exponent.startsWith(QStringLiteral("+0")))
      exponent.remove(0, 2);
    else if (exponent.startsWith(QStringLiteral("-0")))
      exponent.remove(1, 1);
    else if (exponent.startsWith(QLatin1Char('+')))
      exponent.remove(0, 1);
    const QString ten = QStringLiteral("10");
    const QString x10 = QStringLiteral("x");
    const int wMantissa = r_.TextSize(mantissa).width();
    const QSize size10 = r_.TextSize(ten);
    const int total = wMantissa + size10.width() + r_.TextSize(exponent).width() + (times ? r_.TextSize(x10).width() : 0);
    const int h10 = size10.height();
    r_.alignH_ = Align::Low;
    if (axis_ == 1) {
      r_.alignV_ = Align::High;
      x -= total / 2;
      if (lastX > 0 && x - lastX < total / 2) return false;
    } else {
      r_.alignV_ = Align::Centre;
      x -= total;
      r_.widestY_ = std::max(r_.widestY_, total);
    }
    r_.MoveTo(x, y);
    r_.PlotTextOut(x, y, mantissa);
    x += wMantissa;
    const int small = SmallSize(kNumberSize);
    if (times) {
      r_.MakeFont(small, false, false);
      const int at = y - r_.TextSize(ten).height() / 10;
      r_.MoveTo(x, at);
      r_.PlotTextOut(x, at, x10);
      x += r_.TextSize(x10).width();
      r_.MakeFont(kNumberSize, false, false);
    }
    r_.MoveTo(x, y);
    r_.PlotTextOut(x, y, ten);
    x += size10.width();
    r_.MakeFont(small, false, false);
    const int at = y + r_.Round(r_.paint_.Scale) - h10 * 3 / 8;
    r_.MoveTo(x, at);
    r_.PlotTextOut(x, at, exponent);
    r_.MakeFont(kNumberSize, false, false);
    if (axis_ == 1) lastX = x;
    return true;
  }

  PlotRenderer& r_;
  int axis_;
};

void PlotRenderer::DrawXAxis() {
  MakeFont(kNumberSize, false, false);
  const int numberY = b.PlotBottom + Round(1.5L * TextSize(QStringLiteral("TEST")).height());
  AxisNumbers numbers(*this, 1);
  int previous = b.PlotLeft;
  const int intervals = Intervals(s.XTicks);
  const int minor = x_.Log ? 0 : MinorCount(s.XMinorTicks);
  const int minorLength = Scaled(3);
  ThinBlackPen();
  long double v = 0;
  for (int n = 1, limit = PassLimit(x_, intervals); n <= limit; ++n) {
    const Tick t = NextTickValue(x_, intervals, n, v);
    v = t.Value;
    const int x = Pixel(1, t.Value);
    if (t.Labelled) numbers.Draw(x, numberY, t.Value);
    MoveTo(x, b.PlotBottom);
    if (!s.XGridlines) {
      LineTo(x, b.PlotBottom - tickLength_);
      MoveTo(x, b.PlotTop);
      LineTo(x, b.PlotTop + tickLength_);
    } else if (b.PlotLeft < x && x < b.PlotRight) {
      SetPenCode(6, kGridColor);
      MoveTo(x, b.PlotTop);
      LineTo(x, b.PlotBottom - 1);
      SetPenCode(1, currentColor_);
    }
    // More minor ticks than pixels between two ticks add nothing visible.
    const int xMinor = static_cast<int>(std::min<std::int64_t>(minor, std::abs(std::int64_t{x} - previous)));
    for (int i = 1; i <= xMinor; ++i) {
      const int p = static_cast<int>(previous + std::int64_t{i} * (x - previous) / (minor + 1));
      MoveTo(p, b.PlotBottom);
      LineTo(p, b.PlotBottom - minorLength);
      MoveTo(p, b.PlotTop);
      LineTo(p, b.PlotTop + minorLength);
    }
    previous = x;
    if (t.Last) break;
  }
}

void PlotRenderer::DrawYAxis() {
  MakeFont(kNumberSize, false, false);
  AxisNumbers numbers(*this, 2);
  int lastY = -100;
  int previous = b.PlotBottom;
  const int intervals = Intervals(s.YTicks);
  const int minor = y_.Log ? 0 : MinorCount(s.YMinorTicks);
  const int minorLength = Scaled(3);
  const int numberX = b.PlotLeft - Scaled(3);
  ThinBlackPen();
  long double v = 0;
  for (int n = 1, limit = PassLimit(y_, intervals); n <= limit; ++n) {
    const Tick t = NextTickValue(y_, intervals, n, v);
    v = t.Value;
    const int y = Pixel(2, t.Value);
    if (t.Labelled) {
      MoveTo(numberX, y);
      // Numbers closer than 11 pixels to the last one are left out.
      if (std::abs(static_cast<std::int64_t>(y) - lastY) > 10 && numbers.Draw(numberX, Round(y - paint_.Scale), t.Value))
        lastY = pen_.y();
    }
    MoveTo(b.PlotLeft, y);
    if (!s.YGridlines) LineTo(b.PlotLeft + tickLength_, y);
    MoveTo(b.PlotRight, y);
    if (!s.YGridlines) LineTo(b.PlotRight - tickLength_, y);
    if (s.YGridlines && b.PlotTop < y && y < b.PlotBottom) {
      SetPenCode(6, kGridColor);
      MoveTo(b.PlotRight - 1, y);
      LineTo(b.PlotLeft + 1, y);
      SetPenCode(1, currentColor_);
    }
    const int yMinor = static_cast<int>(std::min<std::int64_t>(minor, std::abs(std::int64_t{y} - previous)));
    for (int i = 1; i <= yMinor; ++i) {
      const int q = static_cast<int>(previous + std::int64_t{i} * (y - previous) / (minor + 1));
      MoveTo(b.PlotLeft, q);
      LineTo(b.PlotLeft + minorLength, q);
      MoveTo(b.PlotRight, q);
      LineTo(b.PlotRight - minorLength, q);
    }
    previous = y;
    if (t.Last) break;
  }
}

void PlotRenderer::DrawAxisTitles() {
  MakeFont(kTitleSize, false, true);
  const QString xTitle = s.XTitle.Shown();
  alignH_ = Align::Low;
  alignV_ = Align::Low;
  const int x = (b.PlotLeft + b.PlotRight - TextSize(xTitle).width()) / 2;
  PlotTextOut(x, b.PlotBottom + Round(2.0L * TextSize(QStringLiteral("9")).height()), xTitle);

  // Reading upwards from its start, centred on the plot's height.
  MakeFont(kTitleSize, true, true);
  const QString yTitle = s.YTitle.Shown();
  const QSize size = TextSize(yTitle);
  const int left = b.PlotLeft - widestY_ - Scaled(30);
  const int start = (size.width() + b.PlotBottom + b.PlotTop) / 2;
  painter_.Text(QPoint(std::clamp(left, -kPlotCoordinateLimit, kPlotCoordinateLimit),
                       std::clamp(start, -kPlotCoordinateLimit, kPlotCoordinateLimit)),
                yTitle);
  Widen(left, start - size.width());
  Widen(left + size.height(), start);
}

}  // namespace pm
