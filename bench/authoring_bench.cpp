// The value dialog over a large Source text: a generated deck of 20,000
// inputs and an EQUATIONS block of 2,000 variables at its end, about 46,000
// lines in the editor.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <memory>
#include <string>

#include "authoring/ui/valueinputdlg.h"
#include "benchmain.h"
#include "generateddeck.h"
#include "platform/cp1252.h"
#include "platform/ui/fonts.h"

namespace pm {
namespace {

QPlainTextEdit& Editor() {
  static QPlainTextEdit* editor = [] {
    std::string text = GeneratedDeck(20000);
    text += "EQUATIONS 2000\n";
    for (int i = 0; i < 2000; ++i) {
      text += "V" + std::to_string(i) + " = " + std::to_string(i) + "\n";
      if (i % 2 == 0) text += "*|Variable " + std::to_string(i) + "|m|ft|0|3.28084|0|100|" + "\n";
    }
    text += "END";
    auto* e = new QPlainTextEdit;
    e->setLineWrapMode(QPlainTextEdit::NoWrap);
    e->setPlainText(FromCp1252(text));
    return e;
  }();
  return *editor;
}

// Opening: the equation scan, the sorted list filled once, the first item
// loaded (its current font read from every line above it).
void BM_ValueDialogOpen(benchmark::State& state) {
  QPlainTextEdit& editor = Editor();
  for (auto _ : state) {
    TValueInputDlg dialog(&editor);
    dialog.FormActivate();
    benchmark::DoNotOptimize(dialog.VariableBox->count());
    if (dialog.VariableBox->count() != 2000) state.SkipWithError("the variables were not all listed");
  }
  state.counters["lines"] = editor.document()->blockCount();
}

// OK on the first variable: the font read again, the gate, the lines
// written in one edit block. The edit is undone outside the timing.
void BM_ValueDialogOk(benchmark::State& state) {
  QPlainTextEdit& editor = Editor();
  for (auto _ : state) {
    state.PauseTiming();
    auto dialog = std::make_unique<TValueInputDlg>(&editor);
    dialog->FormActivate();
    dialog->Edit1->setText(QStringLiteral("Renamed"));
    dialog->MinValueEdit->setText(QStringLiteral("0"));
    dialog->MaxValueEdit->setText(QStringLiteral("10"));
    const int before = editor.document()->blockCount();
    state.ResumeTiming();
    dialog->OKBtnClick();
    state.PauseTiming();
    if (editor.document()->blockCount() == before) state.SkipWithError("OK wrote nothing");
    editor.document()->undo();
    dialog.reset();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_ValueDialogOpen)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ValueDialogOk)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
