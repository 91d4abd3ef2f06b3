#include "fuzzsupport.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

namespace pm::fuzz {

void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

QString ScratchFolder() {
  static QTemporaryDir* dir = new QTemporaryDir();
  return dir->path();
}

}  // namespace pm::fuzz
