#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include "support/testpaths.h"

namespace pm::test {

// The stand-in engine built with the project (see tools/zantor).
inline QString ZantorPath() { return QString::fromUtf8(PELMARK_BIN_DIR "/Zantor"); }
inline QString BinDir() { return QString::fromUtf8(PELMARK_BIN_DIR); }
// The stand-in optimizer (see tools/optimizer) and the optimization driver.
inline QString OptimizerPath() { return QString::fromUtf8(PELMARK_BIN_DIR "/Optimizer"); }
inline QString OptavinPath() { return QString::fromUtf8(PELMARK_BIN_DIR "/optavin"); }

// Sets an environment variable (which started programs inherit) for the
// lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
    qputenv(name, value);
  }
  ~ScopedEnv() {
    if (old_)
      qputenv(name_, *old_);
    else
      qunsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<QByteArray> old_;
};

// Runs the event loop until done() or the timeout; returns done().
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// A single-shot timer that dies with its scope, so that a test that ends
// early leaves nothing behind to fire in the next one.
class LocalTimer {
 public:
  LocalTimer(int ms, std::function<void()> action) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, std::move(action));
    timer_.start(ms);
  }

 private:
  QTimer timer_;
};

}  // namespace pm::test
