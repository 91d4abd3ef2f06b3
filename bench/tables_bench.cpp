// The table window on a table of 9,999 runs by 50 variables (a file of
// 5,973,278 bytes), offscreen: opening it through File/Open's path to a
// shown, painted window; one full repaint of a 1,600 x 1,000 grid; a jump
// to the last run and one page back, each repainted; the save; and the
// table dialogs: a new table of 9,999 runs by 50 variables up to its shown
// window, Alter Values over every run of one column, and 10 runs inserted
// after run 5,000 and deleted again, each repainted.
//   build/bench/tables_bench [--benchmark_filter=...] [--benchmark_repetitions=5]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "benchmain.h"
#include "common/globals.h"
#include "common/settings.h"
#include "platform/ui/fonts.h"
#include "shell/ui/documents.h"
#include "shell/ui/ostrelform.h"
#include "common/deckconstants.h"
#include "tables/tablefile.h"
#include "tables/ui/altervaluesdlg.h"
#include "tables/ui/insertrunsdlg.h"
#include "tables/ui/newtabledlg.h"
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

std::unique_ptr<TOSTRELFORM> ShownMain() {
  auto main = std::make_unique<TOSTRELFORM>();
  main->resize(1700, 1100);
  main->show();
  QApplication::processEvents();
  return main;
}

// Times open() up to the painted table window; closing it is not timed.
void TimeTableWindow(benchmark::State& state, TOSTRELFORM& main, const std::function<void()>& open) {
  for (auto _ : state) {
    open();
    if (!main.TableForm) {
      state.SkipWithError("no table window");
      return;
    }
    main.TableForm->Grid()->viewport()->repaint();
    state.PauseTiming();
    delete main.TableForm->SubWindow();
    QApplication::processEvents();
    state.ResumeTiming();
  }
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
  auto main = ShownMain();
  TimeTableWindow(state, *main, [&main, &path] { main->ReadaFile(path); });
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

void BM_NewTableDialog(benchmark::State& state) {
  TConstList constants;
  for (int v = 1; v <= 50; ++v) {
    TConstItem item;
    item.Name = "VAR" + std::to_string(v);
    AppendNumberedConstant(constants, item);
  }
  PEQList() = constants;
  auto main = ShownMain();
  const QString runs = QString::number(state.range(0));
  TimeTableWindow(state, *main, [&main, &runs] {
    TNewTableDlg dlg(QStringLiteral("bench.pzd"), false, nullptr,
                     [&main](TTableForm* window) { main->Documents().ShowTableWindow(window); }, main.get());
    dlg.FormActivate();
    dlg.IncAllBtnClick();
    dlg.Runs->setText(runs);
    dlg.OKBtnClick();
  });
}
BENCHMARK(BM_NewTableDialog)->Arg(9999)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AlterValuesOneColumn(benchmark::State& state) {
  Window w(static_cast<int>(state.range(0)));
  TAlterValuesDlg dlg(w.form.get());
  dlg.FormActivate();
  dlg.LastRunV->setText(QStringLiteral("9999"));
  dlg.FirstValue->setText(QStringLiteral("1"));
  dlg.IncorLast->setText(QStringLiteral("0.5"));
  for (auto _ : state) {
    if (!dlg.FillTable()) {
      state.SkipWithError("refused");
      return;
    }
    w.form->Grid()->viewport()->repaint();
  }
}
BENCHMARK(BM_AlterValuesOneColumn)->Arg(9999)->Unit(benchmark::kMillisecond)->UseRealTime();

// Ten runs after run 5,000, inserted or deleted, the other way untimed.
void ChangeTenRuns(TTableForm* form, bool insert) {
  TInsertRunsDlg dlg(form);
  dlg.FormActivate();
  (insert ? dlg.InsertButton : dlg.DeleteButton)->click();
  dlg.AfterRow->click();
  dlg.AfterRowEdit->setText(QStringLiteral("5000"));
  dlg.RowsEdit->setText(QStringLiteral("10"));
  dlg.OKBtnClick();
  form->Grid()->viewport()->repaint();
}

void BM_InsertTenRuns(benchmark::State& state) {
  Window w(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ChangeTenRuns(w.form.get(), true);
    state.PauseTiming();
    ChangeTenRuns(w.form.get(), false);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_InsertTenRuns)->Arg(9989)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DeleteTenRuns(benchmark::State& state) {
  Window w(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    ChangeTenRuns(w.form.get(), true);
    state.ResumeTiming();
    ChangeTenRuns(w.form.get(), false);
  }
}
BENCHMARK(BM_DeleteTenRuns)->Arg(9989)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
