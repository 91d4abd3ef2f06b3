#pragma once

#include <QByteArray>
#include <QList>

class QTextDocument;

namespace pm {

// Where a laid-out document is cut into pages: the end of each slice, in
// document pixels. The first slice may be `firstHeight` high, the others
// `pageHeight`. A slice ends only between lines (a line of one table cell
// is never cut beside another); a unit taller than a whole slice is cut
// where the slice ends, so every page makes progress.
QList<double> SliceEnds(const QTextDocument& doc, double firstHeight, double pageHeight);

// Lays a document out to `width` (its text width set to it): a table wider
// than that has its fixed columns narrowed in proportion, so its text wraps
// in its cells, and a word longer than a line wraps anywhere, so that
// nothing is drawn past the width.
void FitToWidth(QTextDocument& doc, double width);

// Prints the viewer's bytes (rich or plain text) into the running job, read
// again at the printer's resolution, page by page from CurrentY; further
// pages get their header. CurrentY ends below the last line printed.
void PrintRichText(const QByteArray& bytes);

}  // namespace pm
