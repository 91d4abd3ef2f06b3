#include "plots/plotdrawing.h"

#include "plots/recordingpainter.h"
#include "plotsamples.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace pm {
namespace {

// The recording painter's fixed metrics: a character is half the pixel
// size wide, a text the pixel size + 2 high.

QStringList Ls(std::initializer_list<const char*> items) {
  QStringList out;
  for (const char* item : items) out << QString::fromUtf8(item);
  return out;
}

std::string Joined(const QStringList& calls) { return calls.join(QLatin1Char('\n')).toStdString(); }

QStringList Record(const PlotModel& plot, const PlotBounds& bounds = {}, std::optional<QRect> exposed = {}) {
  RecordingPainter painter;
  PlotPaint paint;
  paint.Plot = &plot;
  paint.Bounds = bounds;
  paint.Exposed = exposed;
  DrawPlot(paint, painter);
  return painter.Calls;
}

QStringList Starting(const QStringList& calls, const QString& prefix) {
  QStringList out;
  for (const QString& c : calls)
    if (c.startsWith(prefix)) out << c;
  return out;
}

// The texts drawn, in order, without their places.
QStringList Texts(const QStringList& calls) {
  QStringList out;
  static const QRegularExpression text(QStringLiteral("^text \\S+ \"(.*)\"$"));
  for (const QString& c : calls)
    if (const auto m = text.match(c); m.hasMatch()) out << m.captured(1);
  return out;
}

// A plot of one line with few calls: one tick interval a side, no minor
// ticks, plain numbers.
PlotModel Bare() {
  PlotModel p = test::SmallPlot();
  TPlotSettings& s = p.Settings;
  s.XTicks = 1;
  s.YTicks = 1;
  s.XMinorTicks = 0;
  s.YMinorTicks = 0;
  s.YFormat = {1, 0};
  s.ShowLegend = 0;
  return p;
}

TEST(PlotDrawing, SmallPlotDrawsTheseCalls) {
  const QStringList expected = Ls({
      "fill 100,20 400,225 #FFFFFF",
      // X axis: numbers centred under their ticks, ticks inward at both sides.
      "font 12", "pen solid 1 #000000",
      "text 95,232 \"0\"", "line 100,225 100,221", "line 100,20 100,24",
      "text 392,232 \"10\"", "line 400,225 400,221", "line 400,20 400,24",
      // Y axis: numbers right-aligned left of the axis.
      "font 12", "pen solid 1 #000000",
      "text 81,217 \"-1\"", "line 100,225 104,225", "line 400,225 396,225",
      "text 87,12 \"1\"", "line 100,20 104,20", "line 400,20 396,20",
      // Titles; the Y title reads upwards, left of the widest Y number.
      "font 14 bold", "text 229,257 \"TIME h\"",
      "font 14 bold rotated", "text 58,136 \"T1 C\"",
      // The curve clipped to the rectangle, then the frame.
      "clip 100,20 400,225", "pen solid 1 #800080", "polyline 130,71 160,148 190,20", "clip device",
      "pen solid 1 #800080", "pen solid 1 #000000",
      "line 100,225 400,225", "line 400,225 400,20", "line 100,225 100,20", "line 100,20 400,20",
      "pen solid 1 #800080"});
  EXPECT_EQ(Joined(Record(Bare())), Joined(expected));
}

TEST(PlotDrawing, TickValuesAndLabels) {
  struct Case {
    const char* what;
    long double min, max;
    std::uint8_t log;
    int ticks;
    QStringList labels;
    int majorTicks;
  } cases[] = {
      {"linear 0..10, 5 ticks", 0, 10, 0, 5, Ls({"0", "2", "4", "6", "8", "10"}), 6},
      {"log 1..100", 1, 100, 1, 5, Ls({"1", "10", "100"}), 19},
      // 10^e is exp(e ln 10), a hair off a power of ten, so the last ticks may
      // come twice a fraction of a pixel apart: not counted.
      {"log 1..10000: powers only", 1, 10000, 1, 5, Ls({"1", "10", "100", "1000", "10000"}), -1},
      {"log 3..100", 3, 100, 1, 5, Ls({"3", "10", "100"}), 17},
      {"reversed linear", 10, 0, 0, 5, Ls({"10", "0"}), 2},
  };
  for (const Case& c : cases) {
    PlotModel p = Bare();
    p.Settings.XMin = c.min;
    p.Settings.XMax = c.max;
    p.Settings.XLog = c.log;
    p.Settings.XTicks = c.ticks;
    p.Settings.XMinorTicks = 1;
    // Wide enough that no number hides another.
    const PlotBounds bounds{100, 1100, 225, 20};
    const QStringList calls = Record(p, bounds);
    const QStringList xNumbers = Starting(calls, QStringLiteral("text ")).filter(QRegularExpression(QStringLiteral(",232 ")));
    EXPECT_EQ(Joined(Texts(xNumbers)), Joined(c.labels)) << c.what;
    const QStringList major = Starting(calls, QStringLiteral("line ")).filter(QRegularExpression(QStringLiteral(",225 \\d+,221$")));
    if (c.majorTicks >= 0) {
      EXPECT_EQ(major.size(), c.majorTicks) << c.what;
    }
    // Minor ticks only on a linear axis.
    const QStringList minor = Starting(calls, QStringLiteral("line ")).filter(QRegularExpression(QStringLiteral(",225 \\d+,222$")));
    EXPECT_EQ(minor.isEmpty(), c.log == 1) << c.what;
  }
  // The log ticks lie where their logarithm says: 2 at 100 + Round(0.30103 x 500).
  PlotModel p = Bare();
  p.Settings.XMin = 1;
  p.Settings.XMax = 100;
  p.Settings.XLog = 1;
  EXPECT_TRUE(Record(p, {100, 1100, 225, 20}).contains(QStringLiteral("line 251,225 251,221")));
}

TEST(PlotDrawing, ScientificNumbersRaiseTheirExponent) {
  struct Case {
    long double value;
    TNumberFormat format;
    QStringList pieces;
  } cases[] = {
      {1000, {0, 0}, Ls({"", "10", "3"})},
      {-1000, {0, 0}, Ls({"-", "10", "3"})},
      {1000, {0, 3}, Ls({"1.000", "x", "10", "3"})},
      {2.5e-4L, {0, 3}, Ls({"2.500", "x", "10", "-4"})},
      {1e99L, {0, 3}, Ls({"inf"})},
      {1e40L, {1, 2}, Ls({"1.000000000000", "x", "10", "040"})},
  };
  for (const Case& c : cases) {
    PlotModel p = Bare();
    p.Settings.YMin = c.value;  // equal ends: one tick, one number
    p.Settings.YMax = c.value;
    p.Settings.YFormat = c.format;
    p.Settings.YTitle.Set(std::string_view(""));
    const QStringList texts = Texts(Record(p));
    // X numbers first (2), the Y number's pieces, then the two titles.
    EXPECT_EQ(Joined(texts.mid(2, texts.size() - 4)), Joined(c.pieces)) << static_cast<double>(c.value);
  }
  // Right-aligned as a whole (18 pixels wide), the exponent raised by 3/8 of
  // the height of "10" less one pixel.
  PlotModel p = Bare();
  p.Settings.YMin = p.Settings.YMax = 1000;
  p.Settings.YFormat = {0, 0};
  const QStringList calls = Record(p);
  EXPECT_TRUE(calls.contains(QStringLiteral("text 79,217 \"10\""))) << calls.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(calls.contains(QStringLiteral("text 91,214 \"3\""))) << calls.join(QLatin1Char('\n')).toStdString();
}

TEST(PlotDrawing, YNumbersCloserThanElevenPixelsAreLeftOut) {
  struct Case {
    int spacing;
    int numbers;
  } cases[] = {{11, 6}, {12, 11}};
  for (const Case& c : cases) {
    PlotModel p = Bare();
    p.Settings.YMin = 0;
    p.Settings.YMax = 10;
    p.Settings.YTicks = 10;
    const QStringList calls = Record(p, {100, 400, 225, 225 - 10 * c.spacing});
    EXPECT_EQ(Texts(calls).size() - 2 - 2, c.numbers) << c.spacing;
  }
}

TEST(PlotDrawing, GridlinesReplaceMajorTicks) {
  PlotModel p = Bare();
  p.Settings.XTicks = 2;
  p.Settings.XMinorTicks = 1;
  p.Settings.XGridlines = 1;
  p.Settings.YGridlines = 1;
  p.Settings.YTicks = 2;
  const QStringList calls = Record(p);
  // Inside only, in aqua, a pixel short of the frame.
  EXPECT_TRUE(calls.contains(QStringLiteral("line 250,20 250,224")));
  EXPECT_TRUE(calls.contains(QStringLiteral("line 399,123 101,123")));
  EXPECT_TRUE(calls.contains(QStringLiteral("pen solid 1 #FFFF00")));
  EXPECT_TRUE(Starting(calls, QStringLiteral("line ")).filter(QRegularExpression(QStringLiteral(",225 \\d+,221$"))).isEmpty());
  // Minor X ticks stay.
  EXPECT_TRUE(calls.contains(QStringLiteral("line 175,225 175,222")));
}

TEST(PlotDrawing, LegendEntriesFillColumnsDownThePlot) {
  PlotModel p = Bare();
  p.Settings.ShowLegend = 1;
  p.Settings.LineCount = 5;
  for (int k = 2; k <= 5; ++k) {
    p.Settings.Lines[k] = p.Settings.Lines[1];
    p.Points[k] = p.Points[1];
  }
  const QStringList calls = Record(p, {100, 400, 100, 20});
  const QStringList legend = Starting(calls, QStringLiteral("text ")).filter(QStringLiteral("\"T1\""));
  EXPECT_EQ(Joined(legend), Joined(Ls({"text 435,20 \"T1\"", "text 435,40 \"T1\"", "text 435,60 \"T1\"",
                                 "text 435,80 \"T1\"", "text 490,20 \"T1\""})));
}

TEST(PlotDrawing, SymbolsAndLineStyles) {
  struct Case {
    const char* what;
    int lineStyle, symbol, colour;
    QStringList expected;  // calls that must be there
    QStringList absent;    // call prefixes that must not
  } cases[] = {
      {"symbols only, triangles down", 0, 5, 1,
       Ls({"brush #FFFFFF", "polygon 130,74 127,68 133,68 130,74 130,74", "polygon 420,29 417,23 423,23 420,29 420,29"}),
       Ls({"polyline", "line 414,26"})},
      {"symbol 17 is 2, colour 16 black", 1, 17, 16,
       Ls({"pen solid 1 #000000", "polygon 127,68 133,68 133,74 127,74 127,68"}), {}},
      {"filled circle in blue", 2, 8, 1, Ls({"pen solid 2 #FF0000", "brush #FF0000", "ellipse 127,68 133,74"}), {}},
      {"dotted", 3, 15, 0, Ls({"pen dot 1 #000000", "line 127,68 133,74", "line 133,68 127,74"}), {}},
  };
  for (const Case& c : cases) {
    PlotModel p = Bare();
    p.Settings.ShowLegend = 1;
    TPlotLine& l = p.Settings.Lines[1];
    l.LineStyle = c.lineStyle;
    l.Symbol = c.symbol;
    l.ColorIndex = c.colour;
    const QStringList calls = Record(p);
    for (const QString& e : c.expected) EXPECT_TRUE(calls.contains(e)) << c.what << ": " << e.toStdString() << "\n" << Joined(calls);
    for (const QString& a : c.absent) EXPECT_TRUE(Starting(calls, a).isEmpty()) << c.what << ": " << a.toStdString();
  }
}

TEST(PlotDrawing, PensGrowWithTheScaleAndThickStaysThicker) {
  struct Case {
    long double scale;
    int thin, thick;
  } cases[] = {{1, 1, 2}, {3.5L, 2, 5}, {9.3L, 8, 9}};
  for (const Case& c : cases) {
    EXPECT_EQ(PenForCode(1, 0, c.scale).Width, c.thin) << static_cast<double>(c.scale);
    EXPECT_EQ(PenForCode(3, 0, c.scale).Width, c.thick) << static_cast<double>(c.scale);
    EXPECT_EQ(PenForCode(6, 0, c.scale).Width, 1);
  }
  EXPECT_EQ(PenForCode(2, 3, 1).Style, PlotPenStyle::Dot);
  EXPECT_EQ(PenForCode(4, 3, 1).Style, PlotPenStyle::Dash);
  EXPECT_EQ(PenForCode(5, 3, 1).Style, PlotPenStyle::DashDot);
  EXPECT_EQ(PenForCode(9, 3, 1, PlotPenStyle::Dot).Style, PlotPenStyle::Dot);
  EXPECT_EQ(PlotColor(0), 0u);
  EXPECT_EQ(PlotColor(1), 0xFF0000u);
  EXPECT_EQ(PlotColor(15), PlotColor(6));
  EXPECT_EQ(PlotColor(16), 0u);
  EXPECT_EQ(ReducedSymbol(31), 1);
  EXPECT_EQ(ReducedSymbol(std::numeric_limits<int>::max()), (std::numeric_limits<int>::max() - 1) % 15 + 1);
}

TEST(PlotDrawing, PointsAreClampedAndUnusablePointsBreakTheCurve) {
  PlotModel p = Bare();
  TPlotLine& l = p.Settings.Lines[1];
  l.PointCount = 5;
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  p.Points[1].X = {1, 2, 3, 4, 1e12};
  p.Points[1].Y = {0, 0.5, nan, 0, 0};
  const QStringList curve = Starting(Record(p), QStringLiteral("polyline"));
  EXPECT_EQ(Joined(curve), Joined(Ls({"polyline 130,123 160,71", "polyline 220,123 32600,123"})));
}

TEST(PlotDrawing, ScrolledAwayRectangleDrawsAxesButNoCurve) {
  const QStringList calls = Record(Bare(), {}, QRect(500, 0, 200, 200));
  EXPECT_TRUE(Starting(calls, QStringLiteral("polyline")).isEmpty());
  EXPECT_TRUE(Starting(calls, QStringLiteral("clip")).isEmpty());
  EXPECT_FALSE(Texts(calls).isEmpty());
  EXPECT_FALSE(calls.contains(QStringLiteral("line 100,225 400,225")));  // no frame
}

// Ends and counts no dialog would make still give a drawing, in bounded time.
TEST(PlotDrawing, DegenerateAxesStillDraw) {
  struct Case {
    const char* what;
    std::function<void(TPlotSettings*)> change;
  } cases[] = {
      {"equal ends", [](TPlotSettings* s) { s->XMin = s->XMax = 5; }},
      {"log with a negative end", [](TPlotSettings* s) { s->XLog = 1; s->XMin = -1; s->YLog = 1; s->YMin = 0; }},
      {"log reversed", [](TPlotSettings* s) { s->XLog = 1; s->XMin = 100; s->XMax = 1; }},
      {"no ticks", [](TPlotSettings* s) { s->XTicks = 0; s->YTicks = 0; }},
      {"negative ticks", [](TPlotSettings* s) { s->XTicks = -4; }},
      {"a step below an ulp", [](TPlotSettings* s) { s->XMin = 1e30L; s->XMax = 1e30L * (1 + 1e-18L); s->XTicks = 7; }},
      {"most ticks a file can hold", [](TPlotSettings* s) { s->XTicks = std::numeric_limits<std::int32_t>::min(); s->YTicks = std::numeric_limits<std::int32_t>::max(); }},
      {"most minor ticks", [](TPlotSettings* s) { s->XMinorTicks = std::numeric_limits<std::int32_t>::max(); }},
      // Found by fuzzing: a million minor ticks a paint.
      {"many intervals with most minor ticks", [](TPlotSettings* s) {
         s->XTicks = 16979;
         s->XMinorTicks = 1767983942;
         s->YMinorTicks = 762275923;
       }},
      {"ends beyond a double", [](TPlotSettings* s) { s->XMin = -1e4000L; s->XMax = 1e4000L; }},
      {"log across the whole range", [](TPlotSettings* s) { s->YLog = 1; s->YMin = 1e-4000L; s->YMax = 1e4000L; }},
      {"point on a log axis at zero", [](TPlotSettings* s) { s->XLog = 1; s->XMin = 1; s->XMax = 10; }},
  };
  for (const Case& c : cases) {
    PlotModel p = test::SmallPlot();
    p.Points[1].X = {0, 1, -1};
    c.change(&p.Settings);
    const QStringList calls = Record(p);
    EXPECT_LT(calls.size(), 60000) << c.what;
    const PlotExtent e = LayoutPlot(p, {});
    EXPECT_GE(e.MinX, -kPlotCoordinateLimit) << c.what;
    EXPECT_LE(e.MaxX, kPlotCoordinateLimit) << c.what;
  }
}

TEST(PlotDrawing, ExtentHoldsLegendAndTitlesButNotFarPoints) {
  PlotModel p = Bare();
  p.Settings.ShowLegend = 1;
  p.Settings.Lines[1].YName.Set(std::string_view("A long legend name"));
  p.Points[1].X = {1, -1e12, 3};
  RecordingPainter painter;
  PlotPaint paint;
  paint.Plot = &p;
  const PlotExtent e = DrawPlot(paint, painter);
  // The legend box: 400 + 18 x 6 + 45; Y title at 58; X title below the numbers.
  EXPECT_EQ(e.MaxX, 400 + 18 * 6 + 45);
  EXPECT_EQ(e.MinX, 58);
  EXPECT_EQ(e.MinY, 12);
  EXPECT_EQ(e.MaxY, 257 + 16);
  paint.Printing = true;
  EXPECT_EQ(DrawPlot(paint, painter), (PlotExtent{100, 20, 400, 225}));
}

}  // namespace
}  // namespace pm
