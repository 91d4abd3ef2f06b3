#include "tables/tablefile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any bytes as a table file. A refused file leaves the table untouched; an
// accepted one, written and read again, writes the same bytes once more.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  pm::TableModel table;
  table.Reset(2, {"KEPT"});
  table.DeckFileName = QStringLiteral("kept.pzd");
  if (!pm::DecodeTable(bytes, &table)) {
    if (table.RunCount() != 2 || table.VarCount() != 1 || table.DeckFileName != QStringLiteral("kept.pzd") ||
        table.Value(1, 1) != pm::EnterValueMarker)
      std::abort();
    return 0;
  }
  QByteArray written;
  // A path read as Windows-1252 may grow past its field as UTF-8.
  if (pm::EncodeTable(table, &written) != 0) return 0;
  pm::TableModel again;
  if (!pm::DecodeTable(written, &again)) std::abort();
  QByteArray rewritten;
  if (pm::EncodeTable(again, &rewritten) != 0 || rewritten != written) std::abort();
  if (again.RunCount() != table.RunCount() || again.VarCount() != table.VarCount()) std::abort();
  return 0;
}
