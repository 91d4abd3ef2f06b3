#pragma once

#include <QStringList>

#include <functional>

class QPainter;

namespace pm {

// Prints plain text lines into the print job that is running (the text
// editor and the Source view print their lines alike). It starts as
// PrintTabbedLines; tests may put another routine in its place.
using TextLinesPrinter = std::function<void(const QStringList& lines)>;
TextLinesPrinter& PrintTextLines();

// Each line in "MS LineDraw" at (PrintLeft, CurrentY) with its tabs
// expanded, then CheckPageBreak(PrintLineHeight). Nothing outside a job.
void PrintTabbedLines(const QStringList& lines);

// Draws one line with its top at y; tabs go to the next multiple of
// tabStop counted from x. Returns the x where the text ends.
int DrawTabbedText(QPainter& painter, int x, int y, const QString& line, int tabStop);

}  // namespace pm
