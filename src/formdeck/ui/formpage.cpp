#include "formdeck/ui/formpage.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QStackedWidget>
#include <algorithm>

#include "formdeck/ui/wholepalette.h"

namespace pm {

TFormPage::TFormPage(int pageIndex, QWidget* parent)
    : QScrollArea(parent), pageIndex_(pageIndex), content_(new QWidget) {
  setObjectName(pageIndex == 0 ? QStringLiteral("ScrollBox") : QStringLiteral("Page%1").arg(pageIndex));
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(false);
  content_->setObjectName(QStringLiteral("PageContent"));
  content_->setAutoFillBackground(true);
  setWidget(content_);
  FitContent();
}

void TFormPage::SetRange(int range) {
  range_ = std::max(0, range);
  FitContent();
}

void TFormPage::ScrollToTop() { verticalScrollBar()->setValue(0); }

void TFormPage::SetBackground(const QColor& color) {
  QPalette p = content_->palette();
  p.setColor(QPalette::Window, color);
  content_->setPalette(p);
  viewport()->setPalette(p);
  viewport()->setAutoFillBackground(true);
  FollowParentWindow(content_, color);
}

int TFormPage::TopInPage(const QWidget* control) const {
  return control && content_->isAncestorOf(control) ? control->mapTo(content_, QPoint(0, 0)).y() : 0;
}

// Qt walks, for each control that asks to be painted, every sibling above
// it: a page that shows thousands of controls at once, each asking, would
// cost the square of their number. A control wholly out of view has nothing
// on screen to paint, and is painted with the content when it comes into
// view: its request is dropped. One in view that paints no background of
// its own is painted by its parent, which paints its children over that
// part: the parent takes the request.
bool TFormPage::TakeLaterUpdate(QWidget* control) {
  QWidget* port = viewport();
  if (control == content_ || !content_->isAncestorOf(control)) return false;
  const QRect inPort(control->mapTo(port, QPoint(0, 0)), control->size());
  if (!inPort.intersects(port->rect())) return true;
  if (control->autoFillBackground() || control->testAttribute(Qt::WA_OpaquePaintEvent)) return false;
  control->parentWidget()->update(control->geometry());
  return true;
}

// A stack re-enables the updates of everything in the page it brings
// forward, and each control would then ask to be painted at once. The page
// comes forward with its content hidden, and the content is shown after:
// its controls ask as they are shown, where TakeLaterUpdate sees them.
// Hidden, the content offers the stack no control to take the focus from
// the page left; the one the stack would have chosen, the first after the
// old focus that takes Tab, takes it after.
void TFormPage::ShowIn(QStackedWidget* stack) {
  QWidget* previous = stack->currentWidget();
  if (previous == this) return;
  QWidget* focused = stack->window()->focusWidget();
  const bool focusLeaves = focused && previous && previous->isAncestorOf(focused);
  const bool remembers = focusWidget() != nullptr;
  const bool contentShown = !content_->isHidden();
  content_->hide();
  stack->setCurrentWidget(this);
  if (!contentShown) return;
  content_->show();
  if (!focusLeaves || remembers) return;
  for (QWidget* w = focused->nextInFocusChain(); w && w != focused; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && w->isVisibleTo(this) &&
        w->isEnabled() && isAncestorOf(w)) {
      w->setFocus();
      return;
    }
  }
}

void TFormPage::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  FitContent();
}

void TFormPage::FitContent() {
  const QRect used = content_->childrenRect();
  const int width = std::max(viewport()->width(), used.right() + 1);
  const int height = std::max(viewport()->height(), range_);
  content_->resize(width, height);
}

}  // namespace pm
