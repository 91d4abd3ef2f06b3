#include "plots/samplepaint.h"

#include "plots/plotdrawing.h"

namespace pm {

namespace {

constexpr ColorValue kWhite = 0xFFFFFF;
constexpr ColorValue kBlack = 0x000000;
constexpr int kInset = 5;

void Frame(PlotPainter& p, QSize box, ColorValue fill) {
  p.SetPen(PlotPen{PlotPenStyle::Solid, 1, kBlack});
  p.SetBrush(fill);
  p.Rectangle(QRect(QPoint(0, 0), box));
}

void NoneText(PlotPainter& p) {
  p.SetFont(PlotFont{11, true, false, kBlack});
  p.Text(QPoint(kInset, 2), QStringLiteral("None"));
}

}  // namespace

void PaintLineSample(PlotPainter& painter, QSize box, int tag) {
  Frame(painter, box, kWhite);
  const int mid = box.height() / 2;
  const int right = box.width() - kInset;
  switch (tag) {
    case 0:
      NoneText(painter);
      break;
    case 1:
    case 2:
      painter.SetPen(PlotPen{PlotPenStyle::Solid, tag, kBlack});
      painter.Line(QPoint(kInset, mid), QPoint(right, mid));
      break;
    case 3:
      painter.SetPen(PlotPen{PlotPenStyle::Solid, 1, kBlack});
      for (int x = kInset; x <= right; x += 10) painter.Line(QPoint(x, mid), QPoint(x + 5, mid));
      break;
    default:
      break;
  }
}

void PaintSymbolSample(PlotPainter& painter, QSize box, int tag) {
  Frame(painter, box, kWhite);
  if (tag == 0) {
    NoneText(painter);
    return;
  }
  // Screen size, whatever scale a print left behind.
  DrawSymbol(painter, box.width() / 2, box.height() / 2, tag, 0, 1.0L);
}

void PaintColorSample(PlotPainter& painter, QSize box, int tag) { Frame(painter, box, PlotColor(tag)); }

}  // namespace pm
