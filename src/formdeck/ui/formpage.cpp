#include "formdeck/ui/formpage.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QStackedWidget>
#include <algorithm>
#include <vector>

#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/wholepalette.h"

namespace pm {

namespace {

// The widget that holds a page's controls, and draws the labels in it.
class TPageContent : public QWidget {
 protected:
  void paintEvent(QPaintEvent* event) override { DrawLabels(this, event); }
  void mousePressEvent(QMouseEvent* event) override {
    if (!LabelTookClick(this, event)) QWidget::mousePressEvent(event);
  }
};

}  // namespace

TFormPage::TFormPage(int pageIndex, QWidget* parent)
    : QScrollArea(parent), pageIndex_(pageIndex), content_(new TPageContent) {
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

// As Qt shows a control it posts it a request to be painted later, and
// each request wakes the event loop; a page of thousands of controls then
// spends more on the requests than on painting. A control marked as not
// shown on screen by itself marks its area in the window at once instead,
// which costs nothing out of view and paints with its parent in view. The
// control is still shown, painted, focused and hidden as any other; the
// mark only concerns a window of its own, which a control has not. Once the
// page is shown the marks go (showEvent): a control marked that is moved,
// or shown where another moved away, leaves Qt's account of the areas to
// paint wrong, and stale pictures on screen.
void TFormPage::MarkControlsPaintedInPlace() {
  if (!isVisible()) MarkControls(true);  // else they are shown already
}

void TFormPage::MarkControls(bool on) {
  std::vector<QWidget*> pending{content_};
  while (!pending.empty()) {
    QWidget* parent = pending.back();
    pending.pop_back();
    for (QObject* child : parent->children()) {
      if (!child->isWidgetType()) continue;
      auto* control = static_cast<QWidget*>(child);
      if (control->isWindow()) continue;  // a list's popup shows on screen
      // Only what the page's show will show is marked (not the labels,
      // drawn by the page, nor a hidden group), and only the marked lose it.
      if (on ? control->isHidden() : !control->testAttribute(Qt::WA_DontShowOnScreen)) continue;
      control->setAttribute(Qt::WA_DontShowOnScreen, on);
      pending.push_back(control);
    }
  }
}

namespace {

// Leaves a page's content out of its stack's turning the updates of all its
// pages off and on around a change of page: that visits every widget of
// every page and, turned on, asks each shown control to be painted at once.
// Left out, the controls mark their areas as they are shown. The content's
// own state is put back after.
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
  MarkControlsPaintedInPlace();
  stack->setCurrentWidget(this);
}

void TFormPage::showEvent(QShowEvent* event) {
  QScrollArea::showEvent(event);
  MarkControls(false);  // the controls are shown by now
}

void TFormPage::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  FitContent();
}

void TFormPage::FitContent() {
  QRect used = content_->childrenRect();
  for (QObject* child : content_->children()) {
    if (const TDescriptor* label = DrawnLabel(child)) used |= label->geometry();
  }
  const int width = std::max(viewport()->width(), used.right() + 1);
  const int height = std::max(viewport()->height(), range_);
  content_->resize(width, height);
}

void MoveBy(QWidget* w, int shift) {
  if (!w || shift == 0) return;
  const QRect was = w->geometry();
  w->move(w->x(), w->y() + shift);
  if (TDescriptor* label = DrawnLabel(w)) label->Repaint(was);
}

}  // namespace pm
