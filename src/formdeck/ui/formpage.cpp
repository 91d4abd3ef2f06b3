#include "formdeck/ui/formpage.h"

#include <QResizeEvent>
#include <QScrollBar>
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
