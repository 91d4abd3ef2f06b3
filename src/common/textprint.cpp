#include "common/textprint.h"

#include "common/printstate.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace pm {

namespace {

// The screen's pixels per inch, fixed whatever the display says.
constexpr int kScreenPpi = 96;

}  // namespace

TextLinesPrinter& PrintTextLines() {
  static TextLinesPrinter printer = PrintTabbedLines;
  return printer;
}

QStringList WrapTabbedLine(const QFontMetrics& metrics, const QString& line, int tabStop, int width) {
  QStringList pieces;
  QString piece;
  int x = 0;
  int limit = width;
  for (qsizetype i = 0; i < line.size();) {
    const qsizetype length = line.at(i).isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
    const QString character = line.mid(i, length);
    int next = x + metrics.horizontalAdvance(character);
    if (character == QLatin1String("\t")) next = tabStop > 0 ? (x / tabStop + 1) * tabStop : x;
    if (next > limit && !piece.isEmpty()) {
      // The rest goes on one tab stop in; tabs there keep the same stops.
      pieces << piece;
      piece.clear();
      x = 0;
      limit = width - tabStop;
      continue;
    }
    piece += character;
    x = next;
    i += length;
  }
  pieces << piece;
  return pieces;
}

int DrawTabbedText(QPainter& painter, int x, int y, const QString& line, int tabStop) {
  const int origin = x;
  const QStringList parts = line.split(QLatin1Char('\t'));
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (i > 0 && tabStop > 0) x = origin + ((x - origin) / tabStop + 1) * tabStop;
    if (parts.at(i).isEmpty()) continue;
    DrawTextAt(painter, x, y, parts.at(i));
    x += painter.fontMetrics().horizontalAdvance(parts.at(i));
  }
  return x;
}

void PrintTabbedLines(const QStringList& lines) {
  PrintState& s = PS();
  if (!s.Printing || !s.Canvas) return;
  QPainter& p = *s.Canvas;
  QFont font = p.font();
  font.setFamily(QStringLiteral("MS LineDraw"));
  p.setFont(font);
  // The two stops at 24 and 48 screen pixels are evenly spaced; further
  // tabs keep the spacing.
  const int tabStop = s.PrinterPPI * 24 / kScreenPpi;
  // A line wider than the page goes on over further print lines, so none
  // of it is cut off at the paper's edge.
  const int width = s.PageWidth - 2 * s.PrintLeft;
  for (const QString& line : lines) {
    const QStringList pieces = WrapTabbedLine(p.fontMetrics(), line, tabStop, width);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
      DrawOnPage();
      DrawTabbedText(p, s.PrintLeft + (i > 0 ? tabStop : 0), s.CurrentY, pieces.at(i), tabStop);
      CheckPageBreak(s.PrintLineHeight);
    }
  }
}

}  // namespace pm
