// demoplot DECK FILE.KPL
// Works out the stand-in engine's year for the deck's constants and writes a
// plot of the fluid entering and leaving the heat pump against TIME, with
// its legend, as a plot window saves it.
#include "plots/plotfile.h"
#include "zantor/plant.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

void AddLine(pm::PlotModel& plot, int k, const char* name, int column, int color,
             const std::vector<zantor::Hour>& hours, double zantor::Hour::*field) {
  pm::TPlotLine& l = plot.Settings.Lines[k];
  const int n = static_cast<int>(hours.size());
  l.PointCount = n;
  l.RowCount = n;
  l.LineNumber = k;
  l.XColumn = 0;
  l.YColumn = column;
  l.XName.Set(std::string_view("TIME"));
  l.YName.Set(std::string_view(name));
  l.XUnit.Set(std::string_view("h"));
  l.YUnit.Set(std::string_view("C"));
  l.FromRow = 1;
  l.ToRow = n;
  l.LineStyle = 1;
  l.ColorIndex = color;
  for (const zantor::Hour& h : hours) {
    plot.Points[k].X.push_back(h.time);
    plot.Points[k].Y.push_back(h.*field);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: demoplot DECK FILE.KPL\n");
    return 2;
  }
  std::ifstream deck(argv[1], std::ios::binary);
  const std::vector<zantor::Hour> hours = zantor::SimulateYear(zantor::ReadConstants(zantor::ReadLines(deck)));
  if (hours.empty()) return 1;
  pm::PlotModel plot;
  pm::TPlotSettings& s = plot.Settings;
  s.LineCount = 2;
  s.XTitle.Set(std::string_view("TIME h"));
  s.YTitle.Set(std::string_view("Temperature C"));
  double low = hours.front().tin;
  double high = low;
  for (const zantor::Hour& h : hours) {
    low = std::min({low, h.tin, h.tout});
    high = std::max({high, h.tin, h.tout});
  }
  s.XMin = 0;
  s.XMax = 8760;
  s.YMin = std::floor(low / 5) * 5;
  s.YMax = std::ceil(high / 5) * 5;
  s.XTicks = 6;
  s.YTicks = static_cast<int>((s.YMax - s.YMin) / 5);
  s.XMinorTicks = 1;
  s.YMinorTicks = 1;
  s.XFormat = {1, 0};
  s.YFormat = {1, 0};
  s.ShowLegend = 1;
  AddLine(plot, 1, "TIN", 3, 2, hours, &zantor::Hour::tin);
  AddLine(plot, 2, "TOUT", 4, 1, hours, &zantor::Hour::tout);
  QByteArray bytes;
  const QString caption = QStringLiteral("Plot 1: from Demo.PLT");
  if (!pm::EncodePlotFile(caption, plot, &bytes)) return 1;
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "demoplot: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
