#pragma once

// The benchmarks' main: headless unless a platform is named, the Qt
// application (QGuiApplication or QApplication) made and set up first, and
// the current folder put back after the runs.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QString>

#include <cstdlib>

namespace pm {

template <typename App, typename Setup>
int RunBenchmarks(int argc, char** argv, Setup setup) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  App app(argc, argv);
  setup();
  const QString start = QDir::currentPath();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  QDir::setCurrent(start);
  return 0;
}

}  // namespace pm
