// How long a 1 MB report takes to read into a text document: the read
// alone (layout excluded, as the viewer lays out only what it shows), and
// the read with a full layout for comparison.
//   build/bench/rtfreader_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdlib>
#include <string>

#include "benchmain.h"
#include "platform/rtfreader.h"

namespace pm {
namespace {

// About 1 MB of report: tabbed lines of labelled values with a small table
// every fifty lines. A typical line is two runs (label, value and unit); a
// dense one is five (bold label, coloured value, unit, italic note).
QByteArray GeneratedReport(size_t bytes, bool dense) {
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
      "{\\colortbl;\\red0\\green0\\blue128;\\red128\\green0\\blue0;}"
      "{\\stylesheet{\\s0 Normal;}}{\\info{\\author x}}\n"
      "\\pard\\plain\\tx4320\\tqr\\tx7200\\tx7320\\fs20\n";
  for (int line = 0; rtf.size() < bytes; ++line) {
    const std::string n = std::to_string(line);
    if (dense)
      rtf += "{\\b Quantity " + n + "}\\tab {\\cf1 " + n + ".25}\\tab \\'b0C {\\i\\cf2 note}\\par\n";
    else
      rtf += "Heat delivered to the ground loop in hour " + n + " of the year\\tab {\\cf1 " + n +
             ".25\\tab kWh per square metre of collector area}\\par\n";
    if (line % 50 == 49)
      rtf += "\\trowd\\cellx3000\\cellx6000\\pard\\intbl A " + n + "\\cell\\qr " + n +
             "\\cell\\row\\pard\\plain\\tx4320\\tqr\\tx7200\\tx7320\\fs20\n";
  }
  rtf += "}";
  return QByteArray::fromStdString(rtf);
}

// Arg 0: typical lines (about 20,000 runs in 1 MB); 1: dense lines.
void BM_ReadReport(benchmark::State& state) {
  const QByteArray rtf = GeneratedReport(1 << 20, state.range(0) != 0);
  for (auto _ : state) {
    auto* doc = new QTextDocument;
    ReadRichText(rtf, doc);
    benchmark::DoNotOptimize(doc->blockCount());
    state.PauseTiming();
    delete doc;
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * rtf.size());
  QTextDocument doc;
  ReadRichText(rtf, &doc);
  int runs = 0;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it) ++runs;
  state.counters["runs"] = runs;
}

void BM_ReadAndLayOutReport(benchmark::State& state) {
  const QByteArray rtf = GeneratedReport(1 << 20, false);
  for (auto _ : state) {
    QTextDocument doc;
    ReadRichText(rtf, &doc);
    doc.setTextWidth(650);
    benchmark::DoNotOptimize(doc.size());
  }
}

// A table of 20,000 rows (about 0.9 MB), made in one go.
void BM_ReadLongTable(benchmark::State& state) {
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 20000; ++i) rtf += "\\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row";
  rtf += "}";
  const QByteArray bytes = QByteArray::fromStdString(rtf);
  for (auto _ : state) {
    auto* doc = new QTextDocument;
    ReadRichText(bytes, doc);
    benchmark::DoNotOptimize(doc->blockCount());
    state.PauseTiming();
    delete doc;
    state.ResumeTiming();
  }
}

BENCHMARK(BM_ReadLongTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadReport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndLayOutReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QGuiApplication>(argc, argv, [] {});
}
