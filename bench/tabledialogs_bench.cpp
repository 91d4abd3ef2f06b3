// The table dialogs on tables of up to 9,999 runs by 50 variables,
// offscreen, each operation with its repaint: New Table up to the shown
// window, Alter Values over every run of one column, and 10 runs inserted
// after run 5,000 and deleted again (of 9,989 runs, so the insert reaches
// the limit of 9,999).
//   build/bench/tabledialogs_bench [--benchmark_repetitions=5]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <memory>

#include "benchmain.h"
#include "common/deckconstants.h"
#include "platform/ui/fonts.h"
#include "shell/ui/documents.h"
#include "shell/ui/ostrelform.h"
#include "tables/tableedits.h"
#include "tables/ui/altervaluesdlg.h"
#include "tables/ui/insertrunsdlg.h"
#include "tables/ui/newtabledlg.h"
#include "tables/ui/tableform.h"
#include "tables/ui/tablegrid.h"

namespace pm {
namespace {

std::vector<std::string> Names(int vars) {
  std::vector<std::string> names;
  for (int v = 1; v <= vars; ++v) names.push_back("VAR" + std::to_string(v));
  return names;
}

void BM_NewTableDialog(benchmark::State& state) {
  TConstList constants;
  for (const std::string& name : Names(50)) {
    TConstItem item;
    item.Name = name;
    AppendNumberedConstant(constants, item);
  }
  PEQList() = constants;
  auto main = std::make_unique<TOSTRELFORM>();
  main->resize(1700, 1100);
  main->show();
  QApplication::processEvents();
  const QString runs = QString::number(state.range(0));
  for (auto _ : state) {
    TNewTableDlg dlg(QStringLiteral("bench.pzd"), false, nullptr,
                     [&main](TTableForm* window) { main->Documents().ShowTableWindow(window); }, main.get());
    dlg.FormActivate();
    dlg.IncAllBtnClick();
    dlg.Runs->setText(runs);
    dlg.OKBtnClick();
    if (!main->TableForm) {
      state.SkipWithError("no table window");
      return;
    }
    main->TableForm->Grid()->viewport()->repaint();
    state.PauseTiming();
    delete main->TableForm->SubWindow();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_NewTableDialog)->Arg(9999)->Unit(benchmark::kMillisecond)->UseRealTime();

// A shown window over runs by 50 variables, every cell a number.
std::unique_ptr<TTableForm> Window(int runs) {
  TableModel table = NewTable(QStringLiteral("bench.pzd"), runs, Names(50));
  for (int c = 1; c <= table.VarCount(); ++c) {
    FillColumnValues(table, c, RunRange{1, runs}, SeriesMode::Increment, c, 1.25L);
  }
  auto form = std::make_unique<TTableForm>(std::move(table));
  form->resize(1600, 1000);
  form->show();
  QApplication::processEvents();
  return form;
}

void BM_AlterValuesOneColumn(benchmark::State& state) {
  const auto form = Window(static_cast<int>(state.range(0)));
  TAlterValuesDlg dlg(form.get());
  dlg.FormActivate();
  dlg.LastRunV->setText(QStringLiteral("9999"));
  dlg.FirstValue->setText(QStringLiteral("1"));
  dlg.IncorLast->setText(QStringLiteral("0.5"));
  for (auto _ : state) {
    if (!dlg.FillTable()) {
      state.SkipWithError("refused");
      return;
    }
    form->Grid()->viewport()->repaint();
  }
}
BENCHMARK(BM_AlterValuesOneColumn)->Arg(9999)->Unit(benchmark::kMillisecond)->UseRealTime();

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
  const auto form = Window(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ChangeTenRuns(form.get(), true);
    state.PauseTiming();
    ChangeTenRuns(form.get(), false);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_InsertTenRuns)->Arg(9989)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DeleteTenRuns(benchmark::State& state) {
  const auto form = Window(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    ChangeTenRuns(form.get(), true);
    state.ResumeTiming();
    ChangeTenRuns(form.get(), false);
  }
}
BENCHMARK(BM_DeleteTenRuns)->Arg(9989)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
