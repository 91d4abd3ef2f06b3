// How long a plot of 10 lines of 8,760 points (a year of hourly rows,
// 1.41 MB as a file) takes to open and to save, as the plot window does
// both (the file read whole and decoded into a new model; the model encoded
// and written through a temporary file renamed over the target), and to
// draw on a 1,920 x 1,080 image, the layout pass included: thin lines, or
// a symbol at every point.
//   build/bench/plots_bench
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "benchmain.h"
#include "yearplot.h"
#include "platform/ui/fonts.h"
#include "plots/plotdrawing.h"
#include "plots/plotfile.h"
#include "plots/qtplotpainter.h"

namespace pm {
namespace {

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

void BM_DrawPlot(benchmark::State& state) {
  PlotModel plot = YearPlot();
  const bool symbols = state.range(0) != 0;
  for (int k = 1; k <= kLines; ++k) {
    plot.Settings.Lines[k].Symbol = symbols ? k : 0;
  }
  plot.Settings.ShowLegend = 1;
  const PlotBounds bounds{100, 1700, 950, 20};
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) {
    const PlotExtent extent = LayoutPlot(plot, bounds);
    image.fill(Qt::white);
    QPainter qp(&image);
    QtPlotPainter painter(qp);
    PlotPaint paint;
    paint.Plot = &plot;
    paint.Bounds = bounds;
    paint.Exposed = QRect(0, 0, 1920, 1080);
    benchmark::DoNotOptimize(DrawPlot(paint, painter).MaxX + extent.MaxX);
  }
}

BENCHMARK(BM_DrawPlot)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SavePlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenPlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QGuiApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
