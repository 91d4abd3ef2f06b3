#include "common/printstate.h"

#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

namespace pm {

namespace {

QFont HeaderFont(int points) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(points);
  return font;
}

// The header line at PrintMargin / 4: the left text, and the date and time
// ending half a left margin before the page's right edge.
void DrawHeader(const QString& left, int points) {
  PrintState& s = PS();
  QPainter& p = *s.Canvas;
  const QFont before = p.font();
  p.setFont(HeaderFont(points));
  const int y = s.PrintMargin / 4;
  DrawTextAt(p, s.PrintLeft, y, left);
  const QString when = PrintDateTimeText();
  const int width = p.fontMetrics().horizontalAdvance(when);
  DrawTextAt(p, s.PageWidth - s.PrintLeft / 2 - width, y, when);
  p.setFont(before);
}

}  // namespace

PrintState& PS() {
  static PrintState state;
  return state;
}

int PrinterPpiFor(int pageWidth, int pageHeight, bool landscape) {
  return (landscape ? pageWidth : pageHeight) / 11;
}

QString PrintDateTimeText() {
  QDateTime now;
  const QString fixed = qEnvironmentVariable("PELMARK_NOW");
  if (!fixed.isEmpty()) now = QDateTime::fromString(fixed, Qt::ISODate);
  if (!now.isValid()) now = QDateTime::currentDateTime();
  return QLocale::system().toString(now, QLocale::ShortFormat);
}

void BeginPrintJob(QPainter* painter, QPagedPaintDevice* device, const QString& versionText,
                   bool landscape) {
  PrintState& s = PS();
  s.Canvas = painter;
  s.Device = device;
  s.Printing = true;
  s.PageWidth = painter->device()->width();
  s.PageHeight = painter->device()->height();
  s.Landscape = landscape;
  s.PrinterPPI = PrinterPpiFor(s.PageWidth, s.PageHeight, landscape);
  s.PrintMargin = s.PrinterPPI;
  s.PrintLeft = s.PrinterPPI / 2;
  s.PageNumber = 1;
  QFont font = HeaderFont(9);
  painter->setFont(font);
  painter->setPen(Qt::black);
  painter->setClipRect(0, 0, s.PageWidth, s.PageHeight);
  DrawHeader(QStringLiteral("Pelmark Ver. ") + versionText, 9);
  font.setPointSize(10);
  painter->setFont(font);
  const int h = CanvasTextHeight(*painter);
  s.PrintLineHeight = h + 1;
  s.CurrentY = s.PrintMargin / 4 + 3 * h + 3;
  s.PageEmpty = true;
  s.PendingPage = PrintState::Pending::None;
}

void EndPrintJob() {
  PrintState& s = PS();
  if (s.Canvas) s.Canvas->setClipping(false);
  s.Printing = false;
  s.Canvas = nullptr;
  s.Device = nullptr;
  s.PendingPage = PrintState::Pending::None;
}

void NewHeaderPage() {
  PrintState& s = PS();
  if (!s.Printing || !s.Device) return;
  s.PendingPage = PrintState::Pending::HeaderPage;
}

void CheckPageBreak(int h) {
  PrintState& s = PS();
  s.CurrentY += h;
  if (s.Printing && s.CurrentY > s.PageHeight - s.PrintMargin) {
    NewHeaderPage();
    s.CurrentY = h + s.PrintMargin;
  }
}

void NewPlainPage() {
  PrintState& s = PS();
  // A page already decided stays the next one: it would hold nothing else.
  if (!s.Printing || !s.Device || s.PageEmpty || s.PendingPage != PrintState::Pending::None) return;
  s.PendingPage = PrintState::Pending::PlainPage;
  s.CurrentY = s.PrintMargin;
}

void ForcePageBreak() {
  PrintState& s = PS();
  s.CurrentY = s.PageHeight - s.PrintMargin + 1;
  CheckPageBreak(s.PrintLineHeight);
}

void DrawOnPage() {
  PrintState& s = PS();
  if (s.Printing && s.Device && s.PendingPage != PrintState::Pending::None) {
    const bool header = s.PendingPage == PrintState::Pending::HeaderPage;
    s.PendingPage = PrintState::Pending::None;
    s.Device->newPage();
    ++s.PageNumber;
    s.Canvas->setClipRect(0, 0, s.PageWidth, s.PageHeight);
    if (header) DrawHeader(QStringLiteral("Page ") + QString::number(s.PageNumber), 10);
  }
  s.PageEmpty = false;
}

void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

int CanvasTextHeight(const QPainter& painter) { return painter.fontMetrics().height(); }

}  // namespace pm
