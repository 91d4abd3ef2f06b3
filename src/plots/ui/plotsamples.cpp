#include "plots/ui/plotsamples.h"

#include "plots/qtplotpainter.h"

#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace pm {

namespace {

QToolButton* Arrow(QWidget* parent, Qt::ArrowType type, const QString& name) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setArrowType(type);
  b->setAutoRepeat(true);
  b->setFixedSize(16, 11);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

TSpinButton::TSpinButton(QWidget* parent, const char* name) : QWidget(parent) {
  const QString base = QLatin1String(name);
  setObjectName(base);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  UpButton = Arrow(this, Qt::UpArrow, base + QStringLiteral("Up"));
  DownButton = Arrow(this, Qt::DownArrow, base + QStringLiteral("Down"));
  column->addWidget(UpButton);
  column->addWidget(DownButton);
  setFixedSize(16, 22);
}

TPaintBox::TPaintBox(QWidget* parent, const char* name, Painter paint) : QWidget(parent), paint_(std::move(paint)) {
  setObjectName(QLatin1String(name));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QtPlotPainter painter(p);
  if (paint_) paint_(painter, size());
}

}  // namespace pm
