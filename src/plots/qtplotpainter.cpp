#include "plots/qtplotpainter.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>

namespace pm {

namespace {

Qt::PenStyle QtStyle(PlotPenStyle s) {
  switch (s) {
    case PlotPenStyle::Solid:
      return Qt::SolidLine;
    case PlotPenStyle::Dot:
      return Qt::DotLine;
    case PlotPenStyle::Dash:
      return Qt::DashLine;
    case PlotPenStyle::DashDot:
      return Qt::DashDotLine;
  }
  return Qt::SolidLine;
}

// The drawing gives rectangles by edges with the right and bottom outside,
// as the original's device did; Qt's outline covers one pixel more.
QRect Outline(const QRect& r) { return r.adjusted(0, 0, -1, -1); }

}  // namespace

QtPlotPainter::QtPlotPainter(QPainter& painter)
    : p_(painter), clipped_(painter.hasClipping()), clip_(painter.clipRegion()) {
  p_.setRenderHint(QPainter::Antialiasing, false);
  p_.setRenderHint(QPainter::TextAntialiasing, true);
  p_.setBackgroundMode(Qt::TransparentMode);
}

void QtPlotPainter::SetPen(const PlotPen& pen) {
  pen_ = QPen(QBrush(ToQColor(pen.Color)), pen.Width, QtStyle(pen.Style), Qt::FlatCap, Qt::MiterJoin);
  p_.setPen(pen_);
}

void QtPlotPainter::SetBrush(std::optional<ColorValue> color) {
  p_.setBrush(color ? QBrush(ToQColor(*color)) : QBrush(Qt::NoBrush));
}

void QtPlotPainter::SetFont(const PlotFont& font) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(std::max(font.PixelSize, 1));
  f.setBold(font.Bold);
  p_.setFont(f);
  textColor_ = ToQColor(font.Color);
  rotated_ = font.Rotated;
}

QSize QtPlotPainter::TextSize(const QString& text) {
  const QFontMetrics m = p_.fontMetrics();
  return {m.horizontalAdvance(text), m.height()};
}

void QtPlotPainter::Line(QPoint from, QPoint to) { p_.drawLine(from, to); }

void QtPlotPainter::Polyline(const std::vector<QPoint>& points) {
  p_.drawPolyline(points.data(), static_cast<int>(points.size()));
}

void QtPlotPainter::FillRect(const QRect& rect, ColorValue color) { p_.fillRect(rect, ToQColor(color)); }

void QtPlotPainter::Rectangle(const QRect& rect) { p_.drawRect(Outline(rect)); }

void QtPlotPainter::Ellipse(const QRect& rect) { p_.drawEllipse(Outline(rect)); }

void QtPlotPainter::Polygon(const std::array<QPoint, 5>& points) { p_.drawPolygon(points.data(), 5); }

void QtPlotPainter::Text(QPoint topLeft, const QString& text) {
  if (text.isEmpty()) return;
  p_.setPen(textColor_);
  const int ascent = p_.fontMetrics().ascent();
  if (rotated_) {
    // Reading upwards from the top-left of the unrotated cell.
    p_.save();
    p_.translate(topLeft);
    p_.rotate(-90);
    p_.drawText(QPoint(0, ascent), text);
    p_.restore();
  } else {
    p_.drawText(QPoint(topLeft.x(), topLeft.y() + ascent), text);
  }
  p_.setPen(pen_);
}

void QtPlotPainter::ClipTo(const QRect& rect) { p_.setClipRect(rect); }

void QtPlotPainter::ClipToDevice() {
  if (clipped_)
    p_.setClipRegion(clip_);
  else
    p_.setClipping(false);
}

}  // namespace pm
