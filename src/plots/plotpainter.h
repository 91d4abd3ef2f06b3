#pragma once

#include "common/colors.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace pm {

enum class PlotPenStyle { Solid, Dot, Dash, DashDot };

struct PlotPen {
  PlotPenStyle Style = PlotPenStyle::Solid;
  int Width = 1;
  ColorValue Color = 0;
  friend bool operator==(const PlotPen&, const PlotPen&) = default;
};

// A font of the plot: Arial at a height in pixels, text reading upwards when
// rotated.
struct PlotFont {
  int PixelSize = 12;
  bool Bold = false;
  bool Rotated = false;
  ColorValue Color = 0;
  friend bool operator==(const PlotFont&, const PlotFont&) = default;
};

// What the plot drawing needs of a device. Coordinates are device pixels,
// already clamped by the drawing; texts are placed by their top-left corner
// (for rotated text: the top-left of the unrotated cell, the text reading
// upwards from there) and drawn without background.
class PlotPainter {
 public:
  virtual ~PlotPainter() = default;
  virtual void SetPen(const PlotPen& pen) = 0;
  // No colour: a clear brush.
  virtual void SetBrush(std::optional<ColorValue> color) = 0;
  virtual void SetFont(const PlotFont& font) = 0;
  // Width and height of a text in the current font, on this device.
  virtual QSize TextSize(const QString& text) = 0;
  virtual void Line(QPoint from, QPoint to) = 0;
  virtual void Polyline(const std::vector<QPoint>& points) = 0;
  // Filled with the colour, no outline.
  virtual void FillRect(const QRect& rect, ColorValue color) = 0;
  // Outlined with the pen, filled with the brush.
  virtual void Rectangle(const QRect& rect) = 0;
  virtual void Ellipse(const QRect& rect) = 0;
  virtual void Polygon(const std::array<QPoint, 5>& points) = 0;
  virtual void Text(QPoint topLeft, const QString& text) = 0;
  virtual void ClipTo(const QRect& rect) = 0;
  // Back to the clip the painter was handed (the window's or the page's).
  virtual void ClipToDevice() = 0;
};

}  // namespace pm
