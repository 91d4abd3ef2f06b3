#pragma once

#include "tables/tablemodel.h"

#include <QByteArray>
#include <QString>

namespace pm {

// The most variables a table file may hold (columns less the run numbers).
inline constexpr int kMaxTableVars = 999;

// The size of a table file of R grid rows and C grid columns:
// 276 + 97 R + (C - 1)(60 + 10 R) + 2.
qint64 TableFileSize(int rowCount, int colCount);

// The file's bytes, field by field; every unused byte, both pointer fields
// and MatchIndex are 0. Returns 0, or EINVAL when a name does not fit its
// field (a run-deck name too long is stored as its bare file name first).
int EncodeTable(const TableModel& table, QByteArray* bytes);

// Reads a whole file's bytes: counts and lengths are checked against the
// bytes present and the capacities, columns are renumbered 1..n in file
// order, bytes after the end mark are ignored. On success the table's file
// fields are replaced (TableFileName and Changed are left alone); a refused
// file leaves the table untouched and gives false.
bool DecodeTable(const QByteArray& bytes, TableModel* table);

// The file keeps the deck's path in kTableNameCapacity bytes.
bool DeckNameFits(const QString& path);

// "File <name> is not a valid table file."
QString InvalidTableMessage(const QString& name);

// Reads the file (quotes stripped, resolved) into table. False with the
// message (the open error, or the invalid-file text) when it is refused;
// the table is then untouched.
bool ReadTableFile(const QString& fileName, TableModel* table, QString* message);

// Writes the table to fileName (quotes stripped, resolved) through a
// temporary file. Returns 0 or an errno; the old file stays on failure.
int WriteTableFile(const TableModel& table, const QString& fileName);

// The deck constants of a table just read: its stored deck, else the table
// file's own name up to its first "." with the stored deck's extension.
// When both fail the stored name stays and message names it.
struct TableDeck {
  bool found = false;
  QString usedName;  // the deck the constants came from
  QString message;   // "File ... which is used by this table was not found."
};
TableDeck ReadTableDeck(TableModel& table);
QString TableDeckMissingMessage(const QString& deck);

}  // namespace pm
