// How long a single run of the demo deck takes through the main window:
// the save of the changed form, the run deck, the start of and wait for
// the stand-in engine, and the clean-up. The engine is told to take no
// time and write nothing (ZANTOR_NO_WORK), so the figure is Pelmark's own
// time with the start of and wait for a program.
//   build/bench/singlerun_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "benchmain.h"
#include "programfolder.h"
#include "common/globals.h"
#include "common/settings.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/ui/fonts.h"
#include "shell/ui/ostrelform.h"

namespace pm {
namespace {

void BM_SingleRunOfTheDemoDeck(benchmark::State& state) {
  QTemporaryDir dir;
  const QString folder = dir.path();
  QFile::copy(QStringLiteral(PELMARK_DEMO_DIR "/Demo.pzd"), folder + QStringLiteral("/Demo.pzd"));
  QFile::copy(QStringLiteral(PELMARK_DEMO_DIR "/pumps.lst"), folder + QStringLiteral("/pumps.lst"));
  for (const char* name : {"/weather.dat", "/pumpcurve.dat"})
    QFile::copy(QStringLiteral(PELMARK_DEMO_DIR) + QLatin1String(name), folder + QLatin1String(name));
  QDir(folder).mkdir(QStringLiteral("Quorvel"));
  if (!MakeProgramFolder(folder)) {
    state.SkipWithError("no settings file");
    return;
  }
  auto main = std::make_unique<TOSTRELFORM>();
  DefaultSettings().EngineFolder = QStringLiteral(PELMARK_BIN_DIR);
  main->ReadaFile(folder + QStringLiteral("/Demo.pzd"));
  TPlenzoForm* form = PlenzoFormInstance();
  if (!form) {
    state.SkipWithError("the demo deck did not open");
    return;
  }
  form->ShowTab(1);
  main->SetActiveChild(form->SubWindow());
  int reports = 0;
  main->ShowResultsReport = [&reports] { ++reports; };
  for (auto _ : state) {
    state.PauseTiming();
    form->Model().Changed = true;
    state.ResumeTiming();
    main->SpecificSystemClick();
  }
  if (reports != static_cast<int>(state.iterations())) state.SkipWithError("a run did not reach the report");
  main.reset();
}

BENCHMARK(BM_SingleRunOfTheDemoDeck)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  setenv("ZANTOR_NO_WORK", "1", 1);
  return pm::RunBenchmarks<QApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
