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

namespace {

// Leaves a page's content out of its stack's turning the updates of all its
// pages off and on around a change of page: that visits every widget of
// every page and, turned on, asks each shown control to be painted at once.
// Left out, the controls ask as they are shown, where TakeLaterUpdate sees
// them. The content's own state is put back after.
class UpdatesLeftAlone {
 public:
  explicit UpdatesLeftAlone(QWidget* content)
      : content_(content),
        disabled_(content && content->testAttribute(Qt::WA_UpdatesDisabled)),
        forced_(content && content->testAttribute(Qt::WA_ForceUpdatesDisabled)) {
    if (!content_) return;
    content_->setAttribute(Qt::WA_UpdatesDisabled);
    content_->setAttribute(Qt::WA_ForceUpdatesDisabled);
  }
  ~UpdatesLeftAlone() {
    if (!content_) return;
    content_->setAttribute(Qt::WA_ForceUpdatesDisabled, forced_);
    content_->setAttribute(Qt::WA_UpdatesDisabled, disabled_);
  }
  UpdatesLeftAlone(const UpdatesLeftAlone&) = delete;
  UpdatesLeftAlone& operator=(const UpdatesLeftAlone&) = delete;

 private:
  QWidget* content_;
  bool disabled_;
  bool forced_;
};

}  // namespace

void TFormPage::ShowIn(QStackedWidget* stack) {
  if (stack->currentWidget() == this) return;
  auto* previous = qobject_cast<TFormPage*>(stack->currentWidget());
  const UpdatesLeftAlone leaving(previous ? previous->content_ : nullptr);
  const UpdatesLeftAlone coming(content_);
  stack->setCurrentWidget(this);
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
