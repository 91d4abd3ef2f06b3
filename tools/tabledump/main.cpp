// tabledump [--save FILE] TABLE
// Reads TABLE as the table window does and prints what it read; --save
// writes it back to FILE (which may be TABLE itself). A refused file prints
// its message, writes nothing and ends with status 1.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "tables/tabledump.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QString saveAs;
  const char* table = nullptr;
  bool usage = false;
  for (int i = 1; i < argc && !usage; ++i) {
    if (std::strcmp(argv[i], "--save") == 0 && i + 1 < argc) {
      saveAs = QString::fromLocal8Bit(argv[++i]);
    } else if (!table && argv[i][0] != '-') {
      table = argv[i];
    } else {
      usage = true;
    }
  }
  if (!table || usage) {
    std::fputs("usage: tabledump [--save FILE] TABLE\n", stderr);
    return 2;
  }
  int status = 1;
  const QByteArray dump = pm::DumpTable(QString::fromLocal8Bit(table), saveAs, &status).toUtf8();
  std::fwrite(dump.constData(), 1, static_cast<size_t>(dump.size()), stdout);
  return status;
}
