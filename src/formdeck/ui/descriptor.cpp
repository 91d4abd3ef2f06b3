#include "formdeck/ui/descriptor.h"

#include <QMouseEvent>

#include "formdeck/ui/elementform.h"

namespace pm {

TDescriptor::TDescriptor(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
}

void TDescriptor::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    WMRButtonDown();
    event->accept();
    return;
  }
  event->ignore();
}

void TDescriptor::WMRButtonDown() {
  if (ElementForm* form = FindElementForm(this)) form->LabelRightClicked(this);
}

bool LabelCounts(const QWidget* label) {
  const auto* d = dynamic_cast<const TDescriptor*>(label);
  return label && (!d || d->HasPosition);
}

}  // namespace pm
