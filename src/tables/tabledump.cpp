#include "tables/tabledump.h"

#include "common/lib1.h"
#include "tables/tabledeck.h"
#include "tables/tablefile.h"

#include <QFileInfo>

namespace pm {

namespace {

QString ValueText(long double x) {
  if (x == EnterValueMarker) return QStringLiteral("Enter value");
  if (x == InfiniteValue) return QStringLiteral("blank");
  return QString::fromStdString(FormatNumber(TNumberFormat{0, 13}, x));
}

}  // namespace

QString DumpTable(const QString& file, const QString& saveAs, int* status) {
  *status = 1;
  TableModel table;
  QString message;
  if (!ReadTableFile(file, &table, &message)) return message + QLatin1Char('\n');
  table.TableFileName = file;
  const QString folder = QFileInfo(file).absolutePath() + QLatin1Char('/');
  const auto shown = [&folder](const QString& name) {
    const QString absolute = QFileInfo(name).absoluteFilePath();
    return absolute.startsWith(folder) ? absolute.mid(folder.size()) : name;
  };
  QString out;
  const auto line = [&out](const QString& text) { out += text + QLatin1Char('\n'); };
  line(QStringLiteral("table: ") + QFileInfo(file).fileName());
  line(QStringLiteral("deck: ") + table.DeckFileName);
  const TableDeck deck = ReadTableDeck(table);
  line(deck.found ? QStringLiteral("constants: found in ") + shown(deck.usedName) : QStringLiteral("constants: not found"));
  if (!deck.found) line(QStringLiteral("message: ") + deck.message);
  line(QStringLiteral("columns: %1 (variables %2)").arg(table.ColCount()).arg(table.VarCount()));
  line(QStringLiteral("rows: %1 (runs %2)").arg(table.RowCount()).arg(table.RunCount()));
  line(QStringLiteral("client: %1 x %2 at (%3, %4)")
           .arg(int{table.ClientRight} - int{table.ClientLeft})
           .arg(int{table.ClientBottom} - int{table.ClientTop})
           .arg(table.OriginX)
           .arg(table.OriginY));
  line(QStringLiteral("run decks:"));
  for (int r = 1; r <= table.RowCount(); ++r) {
    if (!table.RunDeckName(r).isEmpty()) line(QStringLiteral("  %1 %2").arg(r).arg(table.RunDeckName(r)));
  }
  for (const TTableColumn& column : table.TableColumns) {
    line(QStringLiteral("column %1 %2 format %3 %4")
             .arg(column.ColumnNumber)
             .arg(table.GetS(column.ColumnNumber, 0))
             .arg(column.Format.Fixed)
             .arg(column.Format.Digits));
    for (int r = 1; r <= table.RunCount(); ++r) {
      line(QStringLiteral("  %1 ").arg(r) + ValueText(table.Value(column.ColumnNumber, r)));
    }
  }
  if (!saveAs.isEmpty()) {
    if (const int err = WriteTableFile(table, saveAs); err != 0) {
      line(WriteErrorMessage(err, saveAs));
      return out;
    }
  }
  *status = 0;
  return out;
}

QString DumpTableDecks(const QString& file, int* status) {
  *status = 1;
  TableModel table;
  QString message;
  if (!ReadTableFile(file, &table, &message)) return message + QLatin1Char('\n');
  table.TableFileName = file;
  ReadTableDeck(table);
  TableDeckFailure failure;
  if (!WriteTableDecks(table, &failure)) return failure.Message + QLatin1Char('\n');
  QString out;
  for (int r = 1; r <= table.RunCount(); ++r) out += table.RunDeckName(r) + QLatin1Char('\n');
  *status = 0;
  return out;
}

}  // namespace pm
