#include "plots/ui/plotsamples.h"

#include "plots/plotdrawing.h"
#include "plots/qtplotpainter.h"

#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QHBoxLayout>

namespace pm {

PlotSample::PlotSample(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setFixedSize(sizeHint());
}

void PlotSample::SetValue(int value) {
  value_ = value;
  update();
}

void PlotSample::paintEvent(QPaintEvent*) {
  QPainter qp(this);
  QtPlotPainter painter(qp);
  const QRect box(0, 0, width(), height());
  const ColorValue black = 0;
  const ColorValue white = 0xFFFFFF;
  painter.FillRect(box, kind_ == Kind::Color ? PlotColor(value_) : white);
  painter.SetPen(PlotPen{PlotPenStyle::Solid, 1, black});
  painter.SetBrush(std::nullopt);
  painter.Rectangle(box);
  if (kind_ == Kind::Color) return;
  if (value_ == 0) {
    painter.SetFont(PlotFont{13, false, false, black});
    painter.Text(QPoint(5, 2), QStringLiteral("None"));
    return;
  }
  const int middle = height() / 2;
  if (kind_ == Kind::Symbol) {
    DrawSymbol(painter, width() / 2, middle, value_, 0, 1.0L);
    return;
  }
  const int left = 5;
  const int right = width() - 5;
  painter.SetPen(PlotPen{PlotPenStyle::Solid, value_ == 2 ? 2 : 1, black});
  if (value_ == 3) {
    for (int x = left; x < right; x += 10) painter.Line(QPoint(x, middle), QPoint(std::min(x + 5, right), middle));
  } else {
    painter.Line(QPoint(left, middle), QPoint(right, middle));
  }
}

PlotSampleSpin::PlotSampleSpin(PlotSample::Kind kind, QWidget* parent)
    : QWidget(parent), sample_(new PlotSample(kind, this)), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) b->setFixedSize(16, 11);
  auto* arrows = new QVBoxLayout;
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  row->addWidget(sample_);
  row->addLayout(arrows);
  connect(up_, &QToolButton::clicked, this, &PlotSampleSpin::UpClick);
  connect(down_, &QToolButton::clicked, this, &PlotSampleSpin::DownClick);
}

int PlotSampleSpin::Top() const { return sample_->SampleKind() == PlotSample::Kind::Line ? 3 : 15; }

void PlotSampleSpin::UpClick() { SetValue(Value() <= 0 ? Top() : Value() - 1); }

void PlotSampleSpin::DownClick() { SetValue(Value() >= Top() ? 0 : Value() + 1); }

}  // namespace pm
