// The table window on a table of 9,999 runs by 50 variables (a file of
// 5,973,278 bytes), offscreen: opening it through File/Open's path to a
// shown, painted window; one full repaint of a 1,600 x 1,000 grid; a jump
// to the last run and one page back, each repainted; and the save.
//   build/bench/tables_bench [--benchmark_filter=...] [--benchmark_repetitions=5]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTemporaryDir>
#include <memory>

#include "benchmain.h"
#include "common/globals.h"
#include "common/settings.h"
#include "platform/ui/fonts.h"
#include "shell/ui/ostrelform.h"
#include "tables/tablefile.h"
#include "tables/ui/tableform.h"
#include "tables/ui/tablegrid.h"

namespace pm {
namespace {

TableModel BigTable(int runs, int vars) {
  TableModel t;
  std::vector<std::string> names;
  for (int v = 1; v <= vars; ++v) names.push_back("VAR" + std::to_string(v));
  t.Reset(runs, names);
  for (int c = 1; c <= vars; ++c) {
    for (int r = 1; r <= runs; ++r) t.SetValue(c, r, r * 1.25L + c);
  }
  t.DeckFileName = QStringLiteral("bench.pzd");
  return t;
}

void BM_OpenThroughFileOpen(benchmark::State& state) {
  QTemporaryDir dir;
  const QString folder = dir.path();
  const QString path = folder + QStringLiteral("/big.TBL");
  QFile dft(folder + QStringLiteral("/Mivaro.DFT"));
  if (WriteTableFile(BigTable(static_cast<int>(state.range(0)), 50), path) != 0 ||
      !dft.open(QIODevice::WriteOnly) || dft.write(QByteArray(kSettingsFileSize, '\0')) != kSettingsFileSize) {
    state.SkipWithError("no files");
    return;
  }
  dft.close();
  Globals& g = G();
  g = Globals();
  g.ProgramFolder = folder;
  g.ProgramPath = folder + QStringLiteral("/mivaro");
  auto main = std::make_unique<TOSTRELFORM>();
  main->resize(1700, 1100);
  main->show();
  QApplication::processEvents();
  for (auto _ : state) {
    main->ReadaFile(path);
    if (!main->TableForm) {
      state.SkipWithError("the table did not open");
      return;
    }
    main->TableForm->Grid()->viewport()->repaint();
    state.PauseTiming();
    delete main->TableForm->SubWindow();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenThroughFileOpen)->Arg(9999)->Unit(benchmark::kMillisecond)->UseRealTime();

struct Window {
  explicit Window(int runs) : form(new TTableForm(BigTable(runs, 50))) {
    form->resize(1600, 1000);
    form->show();
    QApplication::processEvents();
  }
  std::unique_ptr<TTableForm> form;
};

void BM_FullRepaint(benchmark::State& state) {
  Window w(static_cast<int>(state.range(0)));
  QWidget* viewport = w.form->Grid()->viewport();
  for (auto _ : state) viewport->repaint();
}
BENCHMARK(BM_FullRepaint)->Arg(9999)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_JumpToTheLastRunAndPageBack(benchmark::State& state) {
  Window w(static_cast<int>(state.range(0)));
  TableGridView* grid = w.form->Grid();
  for (auto _ : state) {
    grid->scrollToBottom();
    grid->viewport()->repaint();
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    grid->viewport()->repaint();
    state.PauseTiming();
    grid->scrollToTop();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_JumpToTheLastRunAndPageBack)->Arg(100)->Arg(9999)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveTable(benchmark::State& state) {
  QTemporaryDir dir;
  Window w(static_cast<int>(state.range(0)));
  const QString path = dir.path() + QStringLiteral("/big.TBL");
  for (auto _ : state) {
    if (!w.form->SaveTable(path)) {
      state.SkipWithError("the save failed");
      return;
    }
  }
}
BENCHMARK(BM_SaveTable)->Arg(9999)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
