// How long a plot of 10 lines of 8,760 points (a year of hourly rows,
// 1.41 MB as a file) takes to open and to save, as the plot window does
// both (the file read whole and decoded into a new model; the model encoded
// and written through a temporary file renamed over the target), and to
// draw on a 1,920 x 1,080 image, the layout pass included: thin lines, or
// a symbol at every point; and how long a plot data file of 1,000,000 rows
// by 10 columns in the engine's format takes to read into columns, with
// the growth of the peak resident size over the first read.
//   build/bench/plots_bench
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <charconv>
#include <cmath>
#include <string>

#include "benchmain.h"
#include "yearplot.h"
#include "platform/ui/fonts.h"
#include "plots/plotdata.h"
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

// Names, units, then rows of six significant digits, CRLF after each;
// written in pieces so the writing leaves the peak resident size low.
qsizetype WriteEngineData(const QString& path, int rows, int columns) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return -1;
  std::string text = "TIME";
  for (int c = 2; c <= columns; ++c) text += " T" + std::to_string(c);
  text += "\r\nh";
  for (int c = 2; c <= columns; ++c) text += " C";
  text += "\r\n";
  char buf[32];
  qsizetype size = 0;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const double v = c == 0 ? r * 0.25 : 20 + 15 * std::sin(r / 1400.0 + c) + c * 1e-4;
      if (c > 0) text += ' ';
      text.append(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6).ptr);
    }
    text += "\r\n";
    if (text.size() > 1'000'000 || r + 1 == rows) {
      if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) return -1;
      size += static_cast<qsizetype>(text.size());
      text.clear();
    }
  }
  return size;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void BM_ReadPlotData(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("big.PLT"));
  const qsizetype size = WriteEngineData(path, 1'000'000, 10);
  if (size < 0) {
    state.SkipWithError("the data file could not be written");
    return;
  }
  // The growth over the very first read, shown by every repetition.
  static const long before = PeakKilobytes();
  static long growth = -1;
  for (auto _ : state) {
    PlotData data;
    if (ReadPlt(path, &data) != 0 || data.RowCount != 1'000'000 || data.ColumnCount != 10) {
      state.SkipWithError("the data file did not read");
      break;
    }
    benchmark::DoNotOptimize(data.Columns[9].Max);
    if (growth < 0) growth = PeakKilobytes() - before;
  }
  state.counters["file_MB"] = static_cast<double>(size) / 1e6;
  state.counters["peak_growth_MB"] = static_cast<double>(growth) * 1024 / 1e6;
}

BENCHMARK(BM_DrawPlot)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SavePlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenPlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadPlotData)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QGuiApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
