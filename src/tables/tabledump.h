#pragma once

#include <QString>

namespace pm {

// What a table file holds, as the table window reads it: the stored deck and
// where its constants were found, the counts, the client size, the run-deck
// names, and each column with every run's value (14 significant digits; the
// markers as "blank" and "Enter value"). Names inside the table's folder
// are shown relative to it. A refused file gives its message and status 1;
// otherwise the table is written to saveAs when given (status 1 and the
// write error when that fails).
QString DumpTable(const QString& file, const QString& saveAs, int* status);

// Reads the table as the table window does and writes its per-run decks as
// a table run does (WriteTableDecks), printing each deck's name. A refusal
// prints its message and gives status 1.
QString DumpTableDecks(const QString& file, int* status);

}  // namespace pm
