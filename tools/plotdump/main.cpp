// plotdump [--save FILE] PLOT.KPL
// Reads a plot file as the plot window does and prints the messages shown
// and every field it read: the plot block and, per line, its columns,
// rows, look and first and last points. A refused file prints its message
// and exits with status 1. --save writes the plot back to FILE through the
// plot file's writer.
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

#include "plots/plotdump.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const char* plot = nullptr;
  QString saveAs;
  bool usage = false;
  for (int i = 1; i < argc && !usage; ++i) {
    if (std::strcmp(argv[i], "--save") == 0 && i + 1 < argc) {
      saveAs = QString::fromLocal8Bit(argv[++i]);
    } else if (!plot && argv[i][0] != '-') {
      plot = argv[i];
    } else {
      usage = true;
    }
  }
  if (!plot || usage) {
    std::fputs("usage: plotdump [--save FILE] PLOT.KPL\n", stderr);
    return 2;
  }
  QString text;
  const int status = pm::DumpPlotFile(QString::fromLocal8Bit(plot), saveAs, &text);
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
  return status;
}
