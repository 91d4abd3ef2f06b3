// How long a big deck takes: the parse alone (records, no controls), the
// parse with the form built and laid out, headless, the destruction of a
// built form, a whole open through the main window, and the write-back.
//   build/bench/formdeck_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>

#include "benchmain.h"
#include "generateddeck.h"
#include "common/globals.h"
#include "formdeck/deckparser.h"
#include "formdeck/formbuilder.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/ui/fonts.h"
#include "shell/ui/documents.h"
#include "shell/ui/ostrelform.h"

namespace pm {
namespace {

// The form as the parse sees it, without windows.
class RecordsOnly final : public FormBuilder {
 public:
  FormModel& Model() override { return model_; }
  void DisposeContent() override { model_.Elements.Clear(); }
  void RemoveTabWindows() override {
    tabs_ = 0;
    pages_.fill(false);
    pages_[0] = true;
  }
  bool HasSourceTab() const override { return false; }
  int TabCount() const override { return tabs_; }
  int FindTab(const QString&) const override { return -1; }  // every tab window is new
  int AddTab(const QString&) override { return tabs_++; }
  bool HasPage(int index) const override { return index >= 0 && index < kPageCount && pages_[index]; }
  void CreatePage(int index) override { pages_[index] = true; }
  void UsePageAsContainer(int) override {}
  void SetScrollBar(int) override {}

 private:
  FormModel model_;
  int tabs_ = 0;
  std::array<bool, kPageCount> pages_{true};
};

// The decks are written once, beside each other in a temporary folder.
QString DeckFile(int n) {
  static QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("deck%1.pzd").arg(n));
  if (!QFile::exists(path)) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(QByteArray::fromStdString(GeneratedDeck(n)));
  }
  return path;
}

void CheckParsed(benchmark::State& state, const FormModel& model) {
  if (G().ParseErrorState != 0 || model.Elements.Count() < static_cast<size_t>(state.range(0)))
    state.SkipWithError("the generated deck did not parse");
}

void BM_Parse(benchmark::State& state) {
  const QString path = DeckFile(static_cast<int>(state.range(0)));
  RecordsOnly form;
  for (auto _ : state) {
    DeckParser(form, nullptr).ParseDeck(path);
    benchmark::DoNotOptimize(form.Model().Elements.Count());
  }
  CheckParsed(state, form.Model());
  state.SetComplexityN(state.range(0));
}

void BM_ParseAndShowForm(benchmark::State& state) {
  const QString path = DeckFile(static_cast<int>(state.range(0)));
  std::unique_ptr<TPlenzoForm> form;
  for (auto _ : state) {
    form = std::make_unique<TPlenzoForm>(nullptr);
    form->resize(800, 600);
    form->ClearTabs();
    form->ReadDeck(path);
    QCoreApplication::processEvents();
    state.PauseTiming();
    CheckParsed(state, form->Model());
    form.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

// Destroying a form just built, its posted events still queued, as a form
// dump ends or the Source tab parses again.
void BM_DestroyForm(benchmark::State& state) {
  const QString path = DeckFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto form = std::make_unique<TPlenzoForm>(nullptr);
    form->resize(800, 600);
    form->ClearTabs();
    form->ReadDeck(path);
    CheckParsed(state, form->Model());
    state.ResumeTiming();
    form.reset();
  }
  state.SetComplexityN(state.range(0));
}

// The whole open of a deck as the command line does it, offscreen: the main
// window's dispatcher, the working copy, the form window in its MDI area,
// until the events it left are delivered; then the window is closed.
void BM_OpenThroughShell(benchmark::State& state) {
  const QString path = DeckFile(static_cast<int>(state.range(0)));
  static QTemporaryDir programFolder;
  QFile settings(programFolder.filePath(QStringLiteral("Mivaro.DFT")));
  if (settings.open(QIODevice::WriteOnly)) settings.write(QByteArray(5452, '\0'));
  settings.close();
  Globals& g = G();
  g.ProgramFolder = programFolder.path();
  g.ProgramPath = programFolder.filePath(QStringLiteral("demo"));
  g.RuntimeMode = 1;
  TOSTRELFORM main;
  main.Documents().StartupFinished();
  main.Documents().Quit = [](int) {};
  main.resize(1400, 1000);
  main.show();
  for (auto _ : state) {
    main.ReadaFile(path);
    QCoreApplication::processEvents();
    state.PauseTiming();
    if (TPlenzoForm* form = PlenzoFormInstance())
      CheckParsed(state, form->Model());
    else
      state.SkipWithError("no form window");
    for (QMdiSubWindow* child : main.MdiArea()->subWindowList()) delete child;
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

// Writing a shown form back under another name (no backup).
void BM_SaveForm(benchmark::State& state) {
  const QString path = DeckFile(static_cast<int>(state.range(0)));
  TPlenzoForm form(nullptr);
  form.ClearTabs();
  form.ReadDeck(path);
  CheckParsed(state, form.Model());
  const QString copy = path + QStringLiteral(".saved");
  for (auto _ : state) {
    form.WriteDeck(copy);
    if (!form.SaveSucceeded) state.SkipWithError("the save failed");
  }
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_Parse)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ParseAndShowForm)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_DestroyForm)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_OpenThroughShell)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_SaveForm)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
