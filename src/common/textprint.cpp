#include "common/textprint.h"

#include "common/printstate.h"

#include <QFont>
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
  for (const QString& line : lines) {
    DrawTabbedText(p, s.PrintLeft, s.CurrentY, line, tabStop);
    MarkDrawn();
    CheckPageBreak(s.PrintLineHeight);
  }
}

}  // namespace pm
