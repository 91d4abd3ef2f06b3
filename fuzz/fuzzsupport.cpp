#include "fuzzsupport.h"

#include "platform/textfile.h"

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

bool WriteInput(const QString& path, const uint8_t* data, size_t size) {
  return WriteFileAtomic(path, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))) == 0;
}

}  // namespace pm::fuzz
