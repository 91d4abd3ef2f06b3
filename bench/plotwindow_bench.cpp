// The plot window with a plot of 10 lines of 8,760 points: printing it
// alone through the print selection's job into a PDF (thin lines, or a
// symbol at every point; the PDF's size as a counter), and its own full
// repaint at 500 x 340, offscreen.
//   build/bench/plotwindow_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTemporaryDir>

#include "benchmain.h"
#include "platform/ui/fonts.h"
#include "plots/ui/plotform.h"
#include "shell/ui/printjob.h"
#include "yearplot.h"

namespace pm {
namespace {

struct Window {
  explicit Window(bool symbols) {
    auto* form = new TPlotForm;
    form->Plot() = YearPlot();
    for (int k = 1; k <= kLines; ++k) form->Plot().Settings.Lines[k].Symbol = symbols ? k : 0;
    form->Plot().Settings.ShowLegend = 1;
    form->setWindowTitle(QStringLiteral("Plot 1: from year.PLT"));
    form->PlotChanged();
    area.resize(1200, 900);
    sub = area.addSubWindow(form);
    sub->resize(500, 340);
    area.show();
    QApplication::processEvents();
    plot = form;
  }
  QMdiArea area;
  QMdiSubWindow* sub = nullptr;
  TPlotForm* plot = nullptr;
};

void BM_PrintPlotWindow(benchmark::State& state) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("plot.pdf"));
  qputenv("PELMARK_PRINT_PDF", pdf.toLocal8Bit());
  Window w(state.range(0) != 0);
  for (auto _ : state) {
    if (!PrintWindows({QPointer<QMdiSubWindow>(w.sub)}, nullptr, nullptr)) {
      state.SkipWithError("the plot did not print");
      break;
    }
  }
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
  qunsetenv("PELMARK_PRINT_PDF");
}
BENCHMARK(BM_PrintPlotWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PlotWindowRepaint(benchmark::State& state) {
  Window w(state.range(0) != 0);
  QWidget* viewport = w.plot->viewport();
  for (auto _ : state) viewport->repaint();
}
BENCHMARK(BM_PlotWindowRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
