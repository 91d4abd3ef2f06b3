#pragma once

#include "plots/plotpainter.h"

#include <QPainter>
#include <QPen>
#include <QRegion>

namespace pm {

// The plot drawing on a QPainter: the window's, an image's or the printer's.
// Texts are measured with the metrics of the painter's device. The clip the
// painter has when this is made is the device's clip.
class QtPlotPainter final : public PlotPainter {
 public:
  explicit QtPlotPainter(QPainter& painter);

  void SetPen(const PlotPen& pen) override;
  void SetBrush(std::optional<ColorValue> color) override;
  void SetFont(const PlotFont& font) override;
  QSize TextSize(const QString& text) override;
  void Line(QPoint from, QPoint to) override;
  void Polyline(const std::vector<QPoint>& points) override;
  void FillRect(const QRect& rect, ColorValue color) override;
  void Rectangle(const QRect& rect) override;
  void Ellipse(const QRect& rect) override;
  void Polygon(const std::array<QPoint, 5>& points) override;
  void Text(QPoint topLeft, const QString& text) override;
  void ClipTo(const QRect& rect) override;
  void ClipToDevice() override;

 private:
  QPainter& p_;
  bool clipped_;
  QRegion clip_;
  QPen pen_;
  QColor textColor_;
  bool rotated_ = false;
};

}  // namespace pm
