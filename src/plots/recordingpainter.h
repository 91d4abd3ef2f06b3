#pragma once

#include "plots/plotpainter.h"

#include <QStringList>

#include <functional>

namespace pm {

// Records every call as one line of text, so tests compare exact
// coordinates and texts, and answers text sizes from metrics it is given:
// by default a character is half the font's pixel size wide and a text is
// the pixel size + 2 high, whatever fonts are installed. The layout pass
// gives it the screen's metrics and records nothing.
class RecordingPainter final : public PlotPainter {
 public:
  using Metrics = std::function<QSize(const PlotFont&, const QString&)>;
  explicit RecordingPainter(Metrics metrics = {}, bool record = true);

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

  // The fixed metrics described above.
  static QSize FixedMetrics(const PlotFont& font, const QString& text);
  // The screen's: Arial (through the registered substitutes) at the pixel size.
  static QSize ScreenMetrics(const PlotFont& font, const QString& text);

  QStringList Calls;

 private:
  void Add(const QString& call);
  Metrics metrics_;
  bool record_;
  PlotFont font_;
};

}  // namespace pm
