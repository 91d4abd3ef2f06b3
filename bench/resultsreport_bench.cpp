// How long the demo's results report takes from its files to a laid-out
// document: the template chosen, the results line of 100 numbers read and
// converted, the placeholders filled, the RTF read and laid out at the
// report window's width.
//   build/bench/resultsreport_bench
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdlib>
#include <string>

#include "benchmain.h"
#include "platform/rtfreader.h"
#include "shell/resultsreport.h"

#ifndef PELMARK_DEMO_DIR
#error "PELMARK_DEMO_DIR names the demo program folder of the sources"
#endif

namespace pm {
namespace {

void BM_DemoReport(benchmark::State& state) {
  QTemporaryDir dir;
  const QString saved = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QFile::copy(QStringLiteral(PELMARK_DEMO_DIR "/Output_GHX.rtf"), QStringLiteral("Output_GHX.rtf"));
  std::string line;
  for (int i = 0; i < 100; ++i) line += std::to_string(1000.5 + i * 37.25) + " ";
  QFile results(QStringLiteral("PELMARK_GHX1-RESULTS.TXT"));
  results.open(QIODevice::WriteOnly);
  results.write(QByteArray::fromStdString("header\r\n" + line + "\r\n"));
  results.close();
  QFile warnings(QStringLiteral("warnings.dat"));
  warnings.open(QIODevice::WriteOnly);
  warnings.write("Entering fluid temperature below 5 C in 12 hours.\r\n");
  warnings.close();
  const QString target = dir.filePath(QStringLiteral("PELMARK_GHX1.DCK"));
  for (auto _ : state) {
    const ResultsReport report = BuildResultsReport(target, dir.path(), false, true);
    if (!report.TemplateFound) {
      state.SkipWithError("the demo's template was not found");
      break;
    }
    QTextDocument doc;
    ReadRichText(report.Text, &doc);
    doc.setTextWidth(650);
    benchmark::DoNotOptimize(doc.size());
  }
  QTextDocument doc;
  ReadRichText(BuildResultsReport(target, dir.path(), false, true).Text, &doc);
  state.counters["characters"] = doc.characterCount();
  QDir::setCurrent(saved);
}

BENCHMARK(BM_DemoReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pm

int main(int argc, char** argv) {
  return pm::RunBenchmarks<QGuiApplication>(argc, argv, [] {});
}
