// tabledump [--save FILE] TABLE
// tabledump --decks TABLE
// Reads TABLE as the table window does and prints what it read; --save
// writes it back to FILE (which may be TABLE itself). --decks writes the
// table's per-run decks as a table run does and prints their names. A
// refused file or table prints its message, writes nothing and ends with
// status 1.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "tables/tabledump.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QString saveAs;
  const char* table = nullptr;
  bool usage = false;
  bool decks = false;
  for (int i = 1; i < argc && !usage; ++i) {
    if (std::strcmp(argv[i], "--save") == 0 && i + 1 < argc) {
      saveAs = QString::fromLocal8Bit(argv[++i]);
    } else if (std::strcmp(argv[i], "--decks") == 0) {
      decks = true;
    } else if (!table && argv[i][0] != '-') {
      table = argv[i];
    } else {
      usage = true;
    }
  }
  if (!table || usage || (decks && !saveAs.isEmpty())) {
    std::fputs("usage: tabledump [--save FILE] TABLE\n       tabledump --decks TABLE\n", stderr);
    return 2;
  }
  int status = 1;
  const QString file = QString::fromLocal8Bit(table);
  const QByteArray dump =
      (decks ? pm::DumpTableDecks(file, &status) : pm::DumpTable(file, saveAs, &status)).toUtf8();
  std::fwrite(dump.constData(), 1, static_cast<size_t>(dump.size()), stdout);
  return status;
}
