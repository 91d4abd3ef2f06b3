#include "formdeck/ui/descriptor.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <optional>

#include "formdeck/ui/elementform.h"

namespace pm {

namespace {

// The labels standing in parent that it draws itself, oldest first.
template <typename Visit>
void ForEachDrawnLabel(QWidget* parent, Visit visit) {
  for (QObject* child : parent->children()) {
    if (TDescriptor* label = DrawnLabel(child)) visit(label);
  }
}

}  // namespace

TDescriptor::TDescriptor(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void TDescriptor::DrawIn(QPainter& painter) const {
  painter.save();
  painter.translate(pos());
  painter.setClipRect(rect(), Qt::IntersectClip);
  painter.setFont(font());
  QStyleOption option;
  option.initFrom(this);
  const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) |
                    (text().isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
  style()->drawItemText(&painter, contentsRect(), flags, option.palette, isEnabled(), text(),
                        foregroundRole());
  painter.restore();
}

void TDescriptor::WMRButtonDown() {
  if (ElementForm* form = FindElementForm(this)) form->LabelRightClicked(this);
}

void TDescriptor::Repaint(const QRect& was) {
  if (QWidget* parent = parentWidget()) parent->update(was | geometry());
}

bool LabelCounts(const QWidget* label) {
  const auto* d = dynamic_cast<const TDescriptor*>(label);
  return label && (!d || d->HasPosition);
}

const TDescriptor* DrawnLabel(const QObject* object) {
  const auto* label = qobject_cast<const TDescriptor*>(object);
  return label && label->isHidden() ? label : nullptr;
}

TDescriptor* DrawnLabel(QObject* object) {
  return const_cast<TDescriptor*>(DrawnLabel(static_cast<const QObject*>(object)));
}

void DrawLabels(QWidget* parent, const QPaintEvent* event) {
  const QRect dirty = event->rect();
  std::optional<QPainter> painter;
  ForEachDrawnLabel(parent, [&](TDescriptor* label) {
    if (!label->geometry().intersects(dirty)) return;
    if (!painter) painter.emplace(parent);
    label->DrawIn(*painter);
  });
}

bool LabelTookClick(QWidget* parent, QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return false;
  const QPoint at = event->position().toPoint();
  TDescriptor* hit = nullptr;
  ForEachDrawnLabel(parent, [&](TDescriptor* label) {
    if (label->geometry().contains(at)) hit = label;  // the newest is on top
  });
  if (!hit) return false;
  hit->WMRButtonDown();
  event->accept();
  return true;
}

bool ShownTo(const QWidget* control, const QWidget* ancestor) {
  if (!control) return false;
  const QWidget* parent = control->parentWidget();
  if (DrawnLabel(control) && parent) return parent == ancestor || parent->isVisibleTo(ancestor);
  return control->isVisibleTo(ancestor);
}

}  // namespace pm
