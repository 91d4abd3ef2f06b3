#pragma once

// A plot of 10 lines of 8,760 points (a year of hourly rows), thin lines.

#include <cmath>

#include "plots/plotmodel.h"

namespace pm {

inline constexpr int kLines = 10;
inline constexpr int kPoints = 8760;

inline PlotModel YearPlot() {
  PlotModel p;
  TPlotSettings& s = p.Settings;
  s.LineCount = kLines;
  s.XTitle.Set(std::string_view("TIME h"));
  s.YTitle.Set(std::string_view("T1 C"));
  s.XMax = kPoints;
  s.YMin = -20;
  s.YMax = 40;
  for (int k = 1; k <= kLines; ++k) {
    TPlotLine& l = s.Lines[k];
    l.PointCount = kPoints;
    l.RowCount = kPoints;
    l.LineNumber = k;
    l.YColumn = k;
    l.FromRow = 1;
    l.ToRow = kPoints;
    l.LineStyle = 1;
    l.ColorIndex = k;
    for (int i = 0; i < kPoints; ++i) {
      p.Points[k].X.push_back(i + 1);
      p.Points[k].Y.push_back(10 + 15 * std::sin(i / 1400.0 + k));
    }
  }
  return p;
}

}  // namespace pm
