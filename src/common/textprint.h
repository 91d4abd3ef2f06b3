#pragma once

#include <QStringList>

#include <functional>

class QFontMetrics;
class QPainter;

namespace pm {

// Prints plain text lines into the print job that is running (the text
// editor and the Source view print their lines alike). It starts as
// PrintTabbedLines; tests may put another routine in its place.
using TextLinesPrinter = std::function<void(const QStringList& lines)>;
TextLinesPrinter& PrintTextLines();

// Each line in "MS LineDraw" at (PrintLeft, CurrentY) with its tabs
// expanded, then CheckPageBreak(PrintLineHeight); a line wider than the
// page between the left margins goes on over further print lines, each one
// tab stop in. Nothing outside a job.
void PrintTabbedLines(const QStringList& lines);

// A line cut into pieces that each fit width: the first from the left
// edge, the others one tab stop in; tabs go to multiples of tabStop. A
// piece holds at least one character; nothing is lost.
QStringList WrapTabbedLine(const QFontMetrics& metrics, const QString& line, int tabStop, int width);

// Draws one line with its top at y; tabs go to the next multiple of
// tabStop counted from x. Returns the x where the text ends.
int DrawTabbedText(QPainter& painter, int x, int y, const QString& line, int tabStop);

}  // namespace pm
