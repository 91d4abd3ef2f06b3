// How long a big deck takes: the parse alone (records, no controls), the
// parse with the form built and laid out, headless, the destruction of a
// built form, a whole open through the main window, the write-back, and
// the painting of a page that holds every input: its first paint, a scroll
// by a screen and a switch back to it from another tab.
//   build/bench/formdeck_bench [--benchmark_filter=...]
// Headless unless QT_QPA_PLATFORM is set (xcb with DISPLAY for a real one).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
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
#include "formdeck/ui/formpage.h"
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

// A deck of n numeric inputs all on the main page, CR LF line ends, and a
// second tab page of one input to switch from.
std::string OnePageDeck(int n) {
  std::string deck = "* generated deck\r\n*PLENZO\r\nCONSTANTS " + std::to_string(n) + "\r\n";
  for (int i = 1; i <= n; ++i) {
    deck += "V" + std::to_string(i) + " = " + std::to_string(i / 2 + 1) + (i % 2 ? ".5" : "") + "\r\n";
    deck += "*|Value number " + std::to_string(i) + "|kg/s|lb/h|0|7936.6|0|1000000.0|" +
            std::to_string(i % 50) + "\r\n";
  }
  deck +=
      "*|<TABWINDOW NAME=\"Other\">\r\nW = 1\r\n"
      "*|Other value|m|ft|0|3.28084|0|100.00|0\r\n*|</TABWINDOW>\r\n";
  return deck;
}

// The decks are written once, beside each other in a temporary folder.
QString DeckFile(int n, bool onePage = false) {
  static QTemporaryDir dir;
  const QString path = dir.filePath(
      QStringLiteral("%1%2.pzd").arg(onePage ? QStringLiteral("page") : QStringLiteral("deck")).arg(n));
  if (!QFile::exists(path)) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
      f.write(QByteArray::fromStdString(onePage ? OnePageDeck(n) : GeneratedDeck(n)));
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

// Counts the paints of one widget.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Delivers events until the page's content has been painted once more: the
// paint of the whole window that holds it is then done.
void WaitForPaint(benchmark::State& state, QWidget* content, PaintCounter& counter) {
  const int before = counter.paints;
  QElapsedTimer waited;
  waited.start();
  while (counter.paints == before) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (waited.elapsed() > 600000 || !content->isVisible()) {
      state.SkipWithError("the page was not painted");
      return;
    }
  }
}

// The main window shown, as the program opens a deck from its command line.
struct ShownMainWindow {
  // Made before the main window, which reads the settings there.
  struct ProgramFolder {
    ProgramFolder() {
      QFile settings(dir.filePath(QStringLiteral("Mivaro.DFT")));
      if (settings.open(QIODevice::WriteOnly)) settings.write(QByteArray(5452, '\0'));
      Globals& g = G();
      g.ProgramFolder = dir.path();
      g.ProgramPath = dir.filePath(QStringLiteral("demo"));
      g.RuntimeMode = 1;
    }
    QTemporaryDir dir;
  };

  ShownMainWindow() {
    main.Documents().StartupFinished();
    main.Documents().Quit = [](int) {};
    main.resize(1400, 1000);
    main.show();
    QCoreApplication::processEvents();
  }
  void CloseForms() {
    for (QMdiSubWindow* child : main.MdiArea()->subWindowList()) delete child;
    QCoreApplication::processEvents();
  }
  // The deck opened as the command line opens it; none when it failed.
  TPlenzoForm* Open(benchmark::State& state, const QString& path) {
    main.ReadaFile(path);
    TPlenzoForm* form = PlenzoFormInstance();
    if (form)
      CheckParsed(state, form->Model());
    else
      state.SkipWithError("no form window");
    return form;
  }
  ProgramFolder folder;
  TOSTRELFORM main;
};

// The whole open of a deck as the command line does it, offscreen: the main
// window's dispatcher, the working copy, the form window in its MDI area,
// until the events it left are delivered; then the window is closed.
void BM_OpenThroughShell(benchmark::State& state) {
  const QString path = DeckFile(static_cast<int>(state.range(0)));
  ShownMainWindow shown;
  for (auto _ : state) {
    TPlenzoForm* form = shown.Open(state, path);
    QCoreApplication::processEvents();
    state.PauseTiming();
    if (!form) break;
    shown.CloseForms();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

// A deck whose inputs all stand on its main page, opened through the main
// window: from the form shown to the page painted.
void BM_FirstPaintOfPage(benchmark::State& state) {
  const QString path = DeckFile(static_cast<int>(state.range(0)), true);
  ShownMainWindow shown;
  for (auto _ : state) {
    state.PauseTiming();
    TPlenzoForm* form = shown.Open(state, path);
    if (!form) break;
    QWidget* content = form->Page(0)->Content();
    PaintCounter counter(content);
    state.ResumeTiming();
    WaitForPaint(state, content, counter);
    state.PauseTiming();
    shown.CloseForms();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

// The same page scrolled down by a screen, and shown again from the other tab.
void BM_ScrollAndSwitchToPage(benchmark::State& state) {
  const QString path = DeckFile(static_cast<int>(state.range(0)), true);
  ShownMainWindow shown;
  TPlenzoForm* form = shown.Open(state, path);
  if (!form) return;
  TFormPage* page = form->Page(0);
  QWidget* content = page->Content();
  PaintCounter counter(content);
  WaitForPaint(state, content, counter);
  const bool scroll = state.range(1) == 0;
  QScrollBar* bar = page->verticalScrollBar();
  for (auto _ : state) {
    if (scroll) {
      if (bar->value() + page->viewport()->height() > bar->maximum()) {
        state.PauseTiming();
        bar->setValue(0);
        WaitForPaint(state, content, counter);
        state.ResumeTiming();
      }
      bar->setValue(bar->value() + page->viewport()->height());
    } else {
      state.PauseTiming();
      form->ShowTab(1);
      QCoreApplication::processEvents();
      state.ResumeTiming();
      form->ShowTab(0);
    }
    WaitForPaint(state, content, counter);
  }
  state.SetLabel(scroll ? "scroll by a screen" : "switch from another tab");
  state.SetComplexityN(state.range(0));
  shown.CloseForms();
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
BENCHMARK(BM_FirstPaintOfPage)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ScrollAndSwitchToPage)
    ->ArgsProduct({{1000, 5000, 20000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveForm)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QApplication>(argc, argv, [] { pm::RegisterFontSubstitutes(); });
}
