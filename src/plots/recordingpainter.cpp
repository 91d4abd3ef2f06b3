#include "plots/recordingpainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>

#include <algorithm>

namespace pm {

namespace {

QString Point(QPoint p) { return QStringLiteral("%1,%2").arg(p.x()).arg(p.y()); }

// Left, top, right and bottom as the drawing gives them.
QString Box(const QRect& r) {
  return QStringLiteral("%1,%2 %3,%4").arg(r.left()).arg(r.top()).arg(r.left() + r.width()).arg(r.top() + r.height());
}

QString Colour(ColorValue c) { return QStringLiteral("#%1").arg(c, 6, 16, QLatin1Char('0')).toUpper(); }

QString StyleName(PlotPenStyle s) {
  switch (s) {
    case PlotPenStyle::Solid:
      return QStringLiteral("solid");
    case PlotPenStyle::Dot:
      return QStringLiteral("dot");
    case PlotPenStyle::Dash:
      return QStringLiteral("dash");
    case PlotPenStyle::DashDot:
      return QStringLiteral("dashdot");
  }
  return {};
}

}  // namespace

RecordingPainter::RecordingPainter(Metrics metrics, bool record)
    : metrics_(metrics ? std::move(metrics) : Metrics(&RecordingPainter::FixedMetrics)), record_(record) {}

QSize RecordingPainter::FixedMetrics(const PlotFont& font, const QString& text) {
  return {static_cast<int>(text.size()) * font.PixelSize / 2, font.PixelSize + 2};
}

QSize RecordingPainter::ScreenMetrics(const PlotFont& font, const QString& text) {
  // The drawing asks for few fonts and many sizes of texts.
  static QHash<int, QFontMetrics> cache;
  const int key = font.PixelSize * 2 + (font.Bold ? 1 : 0);
  auto it = cache.find(key);
  if (it == cache.end()) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(font.PixelSize, 1));
    f.setBold(font.Bold);
    it = cache.insert(key, QFontMetrics(f));
  }
  return {it->horizontalAdvance(text), it->height()};
}

void RecordingPainter::Add(const QString& call) {
  if (record_) Calls << call;
}

void RecordingPainter::SetPen(const PlotPen& pen) {
  if (!record_) return;
  Add(QStringLiteral("pen %1 %2 %3").arg(StyleName(pen.Style)).arg(pen.Width).arg(Colour(pen.Color)));
}

void RecordingPainter::SetBrush(std::optional<ColorValue> color) {
  Add(QStringLiteral("brush ") + (color ? Colour(*color) : QStringLiteral("clear")));
}

void RecordingPainter::SetFont(const PlotFont& font) {
  font_ = font;
  Add(QStringLiteral("font %1%2%3").arg(font.PixelSize)
          .arg(font.Bold ? QStringLiteral(" bold") : QString(), font.Rotated ? QStringLiteral(" rotated") : QString()));
}

QSize RecordingPainter::TextSize(const QString& text) { return metrics_(font_, text); }

void RecordingPainter::Line(QPoint from, QPoint to) {
  if (record_) Add(QStringLiteral("line ") + Point(from) + QLatin1Char(' ') + Point(to));
}

void RecordingPainter::Polyline(const std::vector<QPoint>& points) {
  if (!record_) return;
  QStringList parts;
  for (const QPoint& p : points) parts << Point(p);
  Add(QStringLiteral("polyline ") + parts.join(QLatin1Char(' ')));
}

void RecordingPainter::FillRect(const QRect& rect, ColorValue color) {
  Add(QStringLiteral("fill ") + Box(rect) + QLatin1Char(' ') + Colour(color));
}

void RecordingPainter::Rectangle(const QRect& rect) { Add(QStringLiteral("rectangle ") + Box(rect)); }

void RecordingPainter::Ellipse(const QRect& rect) { Add(QStringLiteral("ellipse ") + Box(rect)); }

void RecordingPainter::Polygon(const std::array<QPoint, 5>& points) {
  if (!record_) return;
  QStringList parts;
  for (const QPoint& p : points) parts << Point(p);
  Add(QStringLiteral("polygon ") + parts.join(QLatin1Char(' ')));
}

void RecordingPainter::Text(QPoint topLeft, const QString& text) {
  if (!record_) return;
  Add(QStringLiteral("text ") + Point(topLeft) + QStringLiteral(" \"") + text + QLatin1Char('"'));
}

void RecordingPainter::ClipTo(const QRect& rect) { Add(QStringLiteral("clip ") + Box(rect)); }

void RecordingPainter::ClipToDevice() { Add(QStringLiteral("clip device")); }

}  // namespace pm
