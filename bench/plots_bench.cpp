// How long a plot file of 10 lines of 8,760 points (a year of hourly rows,
// 1.41 MB) takes to open and to save, as the plot window does both: the
// file read whole and decoded into a new model; the model encoded and
// written through a temporary file renamed over the target.
//   build/bench/plots_bench
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cmath>

#include "benchmain.h"
#include "plots/plotfile.h"

namespace pm {
namespace {

constexpr int kLines = 10;
constexpr int kPoints = 8760;

PlotModel YearPlot() {
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

void BM_SavePlot(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("year.KPL"));
  const PlotModel plot = YearPlot();
  for (auto _ : state) {
    if (SavePlotFile(path, QStringLiteral("Plot 1: from year.PLT"), plot) != 0) {
      state.SkipWithError("the plot could not be saved");
      break;
    }
  }
  state.counters["bytes"] = static_cast<double>(PlotFileSize(plot.Settings));
}

void BM_OpenPlot(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("year.KPL"));
  SavePlotFile(path, QStringLiteral("Plot 1: from year.PLT"), YearPlot());
  for (auto _ : state) {
    QString caption;
    PlotModel plot;
    if (OpenPlotFile(path, &caption, &plot) != PlotOpen::Opened) {
      state.SkipWithError("the plot could not be opened");
      break;
    }
    benchmark::DoNotOptimize(plot.Points[kLines].Y.back());
  }
}

BENCHMARK(BM_SavePlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenPlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QCoreApplication>(argc, argv, [] {});
}
