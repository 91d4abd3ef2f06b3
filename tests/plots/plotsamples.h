#pragma once

#include "plots/plotmodel.h"

#include <QString>

#include <cstdint>
#include <limits>

namespace pm::test {

inline void SetText(ShortString<20>* field, const char* text) { field->Set(std::string_view(text)); }
inline void SetText(ShortString<30>* field, const char* text) { field->Set(std::string_view(text)); }

// One line of three points, rows 1..3 of TIME and T1 in
// tests/fixtures/plots/small/small.PLT, as a new plot of them would be.
inline PlotModel SmallPlot() {
  PlotModel p;
  TPlotSettings& s = p.Settings;
  s.LineCount = 1;
  SetText(&s.XTitle, "TIME h");
  SetText(&s.YTitle, "T1 C");
  s.XMin = 0;
  s.XMax = 10;
  s.YMin = -1;
  s.YMax = 1;
  s.XMinorTicks = 1;
  s.YMinorTicks = 1;
  s.XTicks = 5;
  s.YTicks = 4;
  s.XFormat = {1, 0};
  s.YFormat = {0, 2};
  s.ShowLegend = 1;
  TPlotLine& l = s.Lines[1];
  l.PointCount = 3;
  l.RowCount = 4;
  l.LineNumber = 1;
  l.XColumn = 0;
  l.YColumn = 1;
  SetText(&l.XName, "TIME");
  SetText(&l.YName, "T1");
  SetText(&l.XUnit, "h");
  SetText(&l.YUnit, "C");
  l.FromRow = 1;
  l.ToRow = 3;
  l.LineStyle = 1;
  l.Symbol = 0;
  l.ColorIndex = 4;
  p.Points[1].X = {1.0, 2.0, 3.0};
  p.Points[1].Y = {0.5, -0.25, 1.0};
  return p;
}

// Three lines TEMP, FLOW and PRES over TIME, each with its own look and points.
inline PlotModel LinesOverTime() {
  PlotModel p = SmallPlot();
  TPlotSettings& s = p.Settings;
  s.LineCount = 3;
  const char* names[] = {"", "TEMP", "FLOW", "PRES"};
  for (int k = 1; k <= 3; ++k) {
    s.Lines[k] = s.Lines[1];
    SetText(&s.Lines[k].YName, names[k]);
    s.Lines[k].LineNumber = k;
    s.Lines[k].LineStyle = k;
    s.Lines[k].Symbol = k + 4;
    s.Lines[k].ColorIndex = k + 8;
    p.Points[k].X = {1.0 * k};
    p.Points[k].Y = {2.0 * k};
  }
  return p;
}

template <size_t N>
void Pattern(std::array<std::uint8_t, N>* bytes, int seed) {
  for (size_t i = 0; i < N; ++i) (*bytes)[i] = static_cast<std::uint8_t>(seed + 7 * static_cast<int>(i));
}

// Every field set, reserved areas and padding patterned, string tails
// holding bytes, Boolean bytes of 2, stale slots above LineCount whose
// counts and length bytes no live line could hold, and points that are
// NaN, infinite and denormal.
inline PlotModel PatternedPlot() {
  PlotModel p = SmallPlot();
  TPlotSettings& s = p.Settings;
  s.LineCount = 2;
  Pattern(&s.Reserved4, 1);
  Pattern(&s.XTitle.Bytes, 0x30);
  s.XTitle.Set(std::string_view("Time \x80 h"));
  Pattern(&s.YTitle.Bytes, 0x41);
  s.YTitle.Bytes[0] = 30;
  Pattern(&s.Padding322, 3);
  s.XMin = -1e400L;
  s.XMax = 1e400L;
  s.YMin = std::numeric_limits<long double>::denorm_min();
  s.YMax = -0.0L;
  s.XGridlines = 2;
  s.YGridlines = 1;
  Pattern(&s.Padding370, 4);
  s.XMinorTicks = -3;
  s.YMinorTicks = 7;
  s.XTicks = 12;
  s.YTicks = -1;
  s.XLog = 1;
  s.YLog = 9;
  s.XFormat = {7, 300};  // out of the dialog's range, kept as read
  s.XFormatPadding = 0xAA;
  s.YFormat = {1, -2};
  s.YFormatPadding = 0xBB;
  s.ShowLegend = 2;
  s.Padding399 = 0xCC;
  Pattern(&s.Reserved8200, 5);
  TPlotLine& l2 = s.Lines[2];
  l2 = s.Lines[1];
  l2.PointCount = 4;
  l2.Reserved8 = 0x01020304;
  l2.LineNumber = 2;
  l2.YColumn = 5;
  Pattern(&l2.YName.Bytes, 0x61);
  l2.YName.Set(std::string_view("T2"));
  Pattern(&l2.XUnit.Bytes, 0x62);
  l2.XUnit.Bytes[0] = 20;
  l2.Symbol = 31;
  l2.ColorIndex = -1;
  l2.Smoothing = 2;
  l2.Reserved137 = 0xDD;
  Pattern(&l2.Padding138, 6);
  Pattern(&l2.Reserved140, 7);
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  p.Points[2].X = {-0.0, std::numeric_limits<double>::denorm_min(), 1e308, -2.5};
  p.Points[2].Y = {nan, -nan, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::signaling_NaN()};
  // Stale slots: a shifted copy and junk that no reader looks at.
  s.Lines[3] = l2;
  Pattern(&s.Lines[50].XName.Bytes, 0xF0);  // length byte 0xF0: over the capacity
  s.Lines[50].PointCount = -5;
  s.Lines[50].LineNumber = 77;
  return p;
}

}  // namespace pm::test
