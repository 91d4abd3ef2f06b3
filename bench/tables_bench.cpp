// The table window on a table of 9,999 runs by 50 variables (a file of
// 5,973,278 bytes), offscreen: opening it through File/Open's path to a
// shown, painted window; one full repaint of a 1,600 x 1,000 grid; a jump
// to the last run and one page back, each repainted; and the save. Then the
// per-run decks of 1,000 runs by 50 variables from a 500-line deck, and a
// table run of 100 runs with the stand-in engine told to do no work
// (ZANTOR_NO_WORK), which gives Pelmark's own time per run.
//   build/bench/tables_bench [--benchmark_filter=...] [--benchmark_repetitions=5]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "benchmain.h"
#include "programfolder.h"
#include "common/globals.h"
#include "common/settings.h"
#include "platform/ui/fonts.h"
#include "shell/ui/ostrelform.h"
#include "tables/tabledeck.h"
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
  if (WriteTableFile(BigTable(static_cast<int>(state.range(0)), 50), path) != 0 || !MakeProgramFolder(folder)) {
    state.SkipWithError("no files");
    return;
  }
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

// A deck of 500 lines, the 50 variables' assignments spread among them.
bool WriteBenchDeck(const QString& path, int vars) {
  QByteArray deck;
  for (int line = 0; line < 500; ++line) {
    if (line % 10 == 5 && line / 10 < vars) {
      deck += "VAR" + QByteArray::number(line / 10 + 1) + " = 1.0 ! assignment\r\n";
    } else if (line % 50 == 7) {
      deck += "ASSIGN bench.lst " + QByteArray::number(line) + "\r\n";
    } else {
      deck += "EQUATION LINE " + QByteArray::number(line) + " = A*B+C\r\n";
    }
  }
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(deck) == deck.size();
}

void BM_WriteTableDecks(benchmark::State& state) {
  QTemporaryDir dir;
  const int runs = static_cast<int>(state.range(0));
  TableModel table = BigTable(runs, 50);
  table.DeckFileName = dir.path() + QStringLiteral("/bench.pzd");
  if (!WriteBenchDeck(table.DeckFileName, 50)) {
    state.SkipWithError("no deck");
    return;
  }
  TableDeckFailure failure;
  if (state.range(1) == 0 && !WriteTableDecks(table, &failure)) {
    state.SkipWithError(failure.Message.toStdString().c_str());
    return;
  }
  for (auto _ : state) {
    if (!WriteTableDecks(table, &failure)) {
      state.SkipWithError(failure.Message.toStdString().c_str());
      return;
    }
    // Arg 1: each run starts with no decks, as after a table run; 0: the
    // decks of the last run are written again, as when they are kept.
    if (state.range(1) == 1) {
      state.PauseTiming();
      for (int r = 1; r <= runs; ++r) QFile::remove(table.RunDeckName(r));
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_WriteTableDecks)->Args({1000, 1})->Args({1000, 0})->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TableRunOfTheStandIn(benchmark::State& state) {
  QTemporaryDir dir;
  const QString folder = dir.path();
  const int runs = static_cast<int>(state.range(0));
  if (!WriteBenchDeck(folder + QStringLiteral("/bench.dck"), 50)) {
    state.SkipWithError("no files");
    return;
  }
  TableModel table = BigTable(runs, 50);
  table.DeckFileName = folder + QStringLiteral("/bench.dck");
  const QString path = folder + QStringLiteral("/bench.TBL");
  if (WriteTableFile(table, path) != 0) {
    state.SkipWithError("no table file");
    return;
  }
  if (!MakeProgramFolder(folder)) {
    state.SkipWithError("no settings file");
    return;
  }
  auto main = std::make_unique<TOSTRELFORM>();
  DefaultSettings().EngineFolder = QStringLiteral(PELMARK_BIN_DIR);
  main->ReadaFile(path);
  if (!main->TableForm) {
    state.SkipWithError("the table did not open");
    return;
  }
  setenv("ZANTOR_NO_WORK", "1", 1);
  for (auto _ : state) main->RunTable1Click();
  unsetenv("ZANTOR_NO_WORK");
  if (QFile::exists(folder + QStringLiteral("/bench1.dck"))) state.SkipWithError("the run did not end");
  main.reset();
}
BENCHMARK(BM_TableRunOfTheStandIn)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
