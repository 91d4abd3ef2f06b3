#include "plots/plotprint.h"

#include "plots/qtplotpainter.h"
#include "plots/recordingpainter.h"
#include "plotsamples.h"
#include "platform/ui/fonts.h"
#include "support/pdfjob.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

PlotModel ShownPlot() {
  PlotModel p = test::SmallPlot();
  p.Settings.YFormat = {0, 1};
  p.Settings.XTitle.Set(std::string_view("Hours of the year"));
  p.Settings.YTitle.Set(std::string_view("Supply temperature"));
  p.Settings.Lines[1].YName.Set(std::string_view("Loop1"));
  return p;
}

TEST(PlotPrint, BoundsFollowTheJobAndAreCentredAsTheTransformSays) {
  PrintState saved = PS();
  PS().PrintLeft = 150;
  PS().PageWidth = 2550;
  PS().CurrentY = 900;
  const PlotExtent extent{20, 10, 520, 290};
  const PlotBounds b = PrintedBounds(PlotBounds{}, extent, 3);
  // x' = Trunc((x - 20) x 3) + 300, shifted by (2550 - 300 - 1500) div 2 = 375.
  EXPECT_EQ(b.PlotLeft, 240 + 300 + 375);
  EXPECT_EQ(b.PlotRight, 1140 + 300 + 375);
  // y' = Trunc((y - 10) x 3) + CurrentY, moved down by 60.
  EXPECT_EQ(b.PlotTop, 30 + 900 + 60);
  EXPECT_EQ(b.PlotBottom, 645 + 900 + 60);
  PS() = saved;
}

TEST(PlotPrint, PrintedPlotShowsCaptionNumbersAndTitles) {
  QTemporaryDir dir;
  qputenv("PELMARK_NOW", "2026-03-04T05:06:00");
  test::PdfJob job;
  ASSERT_TRUE(job.Begin(dir.filePath(QStringLiteral("plot.pdf")), QPageSize::Letter));
  const PlotModel plot = ShownPlot();
  const PlotExtent extent = LayoutPlot(plot, {});
  // The page's width less an inch over a window 600 pixels wide.
  const long double scale = (PS().PageWidth - PS().PrinterPPI) / 600.0L;
  const int before = PS().CurrentY;
  PrintPlot(plot, QStringLiteral("Plot 1: from demo.PLT"), {}, extent, scale);
  EXPECT_EQ(PS().CurrentY, before + PS().PrintLineHeight);
  const QStringList pages = job.End();
  qunsetenv("PELMARK_NOW");
  ASSERT_EQ(pages.size(), 1);
  const QString& page = pages[0];
  for (const char* word : {"Plot 1: from demo.PLT", "Hours of the year", "Supply", "Loop1", "10", "-1.0", "1.0"})
    EXPECT_TRUE(page.contains(QString::fromUtf8(word))) << word << "\n" << page.toStdString();
}

// With the real fonts nothing the drawing writes overlaps another text.
TEST(PlotPrint, ScreenDrawingKeepsTextsApart) {
  RegisterFontSubstitutes();
  PlotModel plot = ShownPlot();
  plot.Settings.XTicks = 10;
  plot.Settings.YTicks = 10;
  plot.Settings.YMin = 0.001L;
  plot.Settings.YMax = 1000;
  plot.Settings.YLog = 1;
  QImage image(700, 400, QImage::Format_RGB32);
  image.fill(Qt::lightGray);
  QPainter qp(&image);
  QtPlotPainter painter(qp);
  // Record the boxes the Qt painter's metrics give.
  struct Boxes final : PlotPainter {
    explicit Boxes(PlotPainter& inner) : in(inner) {}
    void SetPen(const PlotPen& p) override { in.SetPen(p); }
    void SetBrush(std::optional<ColorValue> c) override { in.SetBrush(c); }
    void SetFont(const PlotFont& f) override {
      rotated = f.Rotated;
      in.SetFont(f);
    }
    QSize TextSize(const QString& t) override { return in.TextSize(t); }
    void Line(QPoint a, QPoint b) override { in.Line(a, b); }
    void Polyline(const std::vector<QPoint>& p) override { in.Polyline(p); }
    void FillRect(const QRect& r, ColorValue c) override { in.FillRect(r, c); }
    void Rectangle(const QRect& r) override { in.Rectangle(r); }
    void Ellipse(const QRect& r) override { in.Ellipse(r); }
    void Polygon(const std::array<QPoint, 5>& p) override { in.Polygon(p); }
    void Text(QPoint at, const QString& t) override {
      const QSize s = in.TextSize(t);
      if (!t.isEmpty()) boxes.push_back({t, rotated ? QRect(at.x(), at.y() - s.width(), s.height(), s.width()) : QRect(at, s)});
      in.Text(at, t);
    }
    void ClipTo(const QRect& r) override { in.ClipTo(r); }
    void ClipToDevice() override { in.ClipToDevice(); }
    PlotPainter& in;
    bool rotated = false;
    std::vector<std::pair<QString, QRect>> boxes;
  } boxes(painter);
  PlotPaint paint;
  paint.Plot = &plot;
  paint.Bounds = {120, 450, 300, 30};
  const PlotExtent e = DrawPlot(paint, boxes);
  qp.end();
  ASSERT_GT(boxes.boxes.size(), 10u);
  for (size_t i = 0; i < boxes.boxes.size(); ++i) {
    for (size_t j = i + 1; j < boxes.boxes.size(); ++j) {
      const auto& [a, ra] = boxes.boxes[i];
      const auto& [b, rb] = boxes.boxes[j];
      // The pieces of one scientific number touch by design.
      if (ra.adjusted(1, 1, -1, -1).intersects(rb.adjusted(1, 1, -1, -1)) && (a.size() > 2 || b.size() > 2))
        ADD_FAILURE() << a.toStdString() << " overlaps " << b.toStdString();
    }
  }
  EXPECT_GE(e.MinX, 0);
  EXPECT_LE(e.MaxX, 700);
  EXPECT_LE(e.MaxY, 400);
  // Something was drawn in the line's colour (purple).
  bool purple = false;
  for (int y = 0; y < image.height() && !purple; ++y)
    for (int x = 0; x < image.width() && !purple; ++x) purple = image.pixel(x, y) == qRgb(0x80, 0, 0x80);
  EXPECT_TRUE(purple);
}

}  // namespace
}  // namespace pm
