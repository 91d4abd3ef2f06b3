// How long a big deck takes: the parse alone (records, no controls), the
// parse with the form built and laid out, headless, and the write-back.
//   build/bench/formdeck_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>

#include "common/globals.h"
#include "formdeck/deckparser.h"
#include "formdeck/formbuilder.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/ui/fonts.h"

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

// A deck of n numeric inputs: up to 20 tab windows (one per 250 inputs),
// each holding visual groups of 10 inputs.
std::string GeneratedDeck(int n) {
  const int pages = std::clamp(n / 250, 1, 20);
  const int perPage = n / pages;
  std::string deck = "*PLENZO\n*|*Generated deck\n";
  int made = 0;
  for (int p = 0; p < pages; ++p) {
    deck += "*|<TABWINDOW NAME=\"Page " + std::to_string(p + 1) + "\">\n";
    for (int i = 0; i < perPage && made < n; ++i, ++made) {
      if (i % 10 == 0)
        deck += "*|[G" + std::to_string(made / 10) + "|Group " + std::to_string(made / 10) + "\n";
      deck += "X" + std::to_string(made) + " = " + std::to_string(made % 97) + ".25\n";
      deck +=
          "*|Input " + std::to_string(made) + "|m|ft|0|3.28084|0|100.00|" + std::to_string(made % 50) + "\n";
      if (i % 10 == 9 || i + 1 == perPage) deck += "*|]\n";
    }
    deck += "*|</TABWINDOW>\n";
  }
  return deck;
}

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
BENCHMARK(BM_ParseAndShowForm)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_SaveForm)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  pm::RegisterFontSubstitutes();
  const QString start = QDir::currentPath();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  QDir::setCurrent(start);
  return 0;
}
