#pragma once

#include <QScrollArea>

class QStackedWidget;

namespace pm {

// One form page: a scroll box whose content widget holds the element
// controls at absolute positions. The vertical scroll range is the content
// height.
class TFormPage : public QScrollArea {
  Q_OBJECT
 public:
  TFormPage(int pageIndex, QWidget* parent);

  int PageIndex() const { return pageIndex_; }  // the original's Tag
  QWidget* Content() const { return content_; }
  void SetRange(int range);
  int Range() const { return range_; }
  void ScrollToTop();
  void SetBackground(const QColor& color);
  // The top of a control of this page in page coordinates.
  int TopInPage(const QWidget* control) const;
  // Once the page's controls are made: showing the page then paints only
  // what is in view, without a request per control.
  void MarkControlsPaintedInPlace();
  // Brings the page forward in the stack of the form's tab pages.
  void ShowIn(QStackedWidget* stack);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FitContent();
  void MarkControls(bool on);

  int pageIndex_;
  int range_ = 0;
  QWidget* content_;
};

// Moves a control down (or up) by shift pixels; none is no control.
void MoveBy(QWidget* w, int shift);

}  // namespace pm
