// Keyboard navigation and context help: the window sees every key of its
// controls before they do.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include "common/globals.h"
#include "formdeck/formhost.h"
#include "formdeck/pagekeys.h"
#include "formdeck/ui/formcontrol.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/formtabbar.h"
#include "formdeck/ui/plenzoform.h"

namespace pm {

bool TPlenzoForm::eventFilter(QObject* watched, QEvent* e) {
  const QEvent::Type type = e->type();
  if ((type != QEvent::KeyPress && type != QEvent::Wheel && type != QEvent::MouseMove) ||
      !watched->isWidgetType()) {
    return QWidget::eventFilter(watched, e);
  }
  auto* w = static_cast<QWidget*>(watched);
  if (w != this && !isAncestorOf(w)) return false;
  if (type == QEvent::MouseMove) {
    if (w == editor_->viewport()) Editor1MouseMove(static_cast<QMouseEvent*>(e)->position().toPoint());
    return false;
  }
  // The wheel reaches the page once the control under the mouse has
  // ignored it (a list keeps it only while it has the focus).
  if (type == QEvent::Wheel) {
    TFormPage* page = Page(CurrentPage);
    return page && (w == page || w == page->viewport()) && FormMouseWheel(static_cast<QWheelEvent*>(e));
  }
  // A key the receiver ignores travels on to its parents: it is seen once.
  // A key's first receiver is the focused widget; a new key may reuse the
  // address of the last one.
  if (w != QApplication::focusWidget() && e == lastKey_ && lastKeyReceiver_ && w != lastKeyReceiver_ &&
      w->isAncestorOf(qobject_cast<QWidget*>(lastKeyReceiver_.data()))) {
    return false;
  }
  lastKey_ = e;
  lastKeyReceiver_ = w;
  return FormKeyDown(static_cast<QKeyEvent*>(e));
}

bool TPlenzoForm::FormMouseWheel(QWheelEvent* event) {
  if (IsSourceTabCurrent()) return false;
  TFormPage* page = Page(CurrentPage);
  if (!page) return false;
  // One notch (120) scrolls 60 pixels.
  QScrollBar* bar = page->verticalScrollBar();
  bar->setValue(bar->value() - event->angleDelta().y() / 2);
  event->accept();
  return true;
}

std::vector<QWidget*> TPlenzoForm::TabOrderControls() const {
  std::vector<QWidget*> out;
  TFormPage* page = Page(CurrentPage);
  if (!page) return out;
  QWidget* content = page->Content();
  for (QWidget* w = content->nextInFocusChain(); w && w != content; w = w->nextInFocusChain()) {
    if (!content->isAncestorOf(w)) continue;
    if (w->focusPolicy() == Qt::NoFocus || !w->isEnabled() || !w->isVisibleTo(page)) continue;
    out.push_back(w);
  }
  return out;
}

void TPlenzoForm::FocusControl(QWidget* control) {
  if (!control) return;
  control->setFocus(Qt::OtherFocusReason);
  if (TFormPage* page = Page(CurrentPage)) page->ensureWidgetVisible(control);
}

QWidget* TPlenzoForm::FocusedControl(int tag) const {
  QWidget* focused = window()->focusWidget();
  if (!focused || !isAncestorOf(focused)) return nullptr;
  const auto* control = dynamic_cast<const FormControl*>(focused);
  return control && control->ControlTag() == tag ? focused : nullptr;
}

int TPlenzoForm::FocusedHelpId() const {
  for (const int tag : {21, 22}) {
    if (const auto* control = dynamic_cast<const FormControl*>(FocusedControl(tag))) return control->ControlHelpId();
  }
  return 0;
}

bool TPlenzoForm::FormKeyDown(QKeyEvent* event) {
  if (SourceShown) return false;
  const int key = event->key();
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const bool onFormPage = !IsSourceTabCurrent();

  if (key == Qt::Key_F1) {
    const int id = FocusedHelpId();
    if (host_) host_->ShowHelpContext(id >= 1 && id <= 9997 ? id : 0);
    return true;
  }
  if (key == Qt::Key_Left || key == Qt::Key_Right) {
    const int index = tabControl_->currentIndex() + (key == Qt::Key_Left ? -1 : 1);
    if (tabControl_->currentIndex() >= 0 && index >= 0 && index < tabControl_->count()) UserSelectsTab(index);
    return false;
  }

  const std::vector<QWidget*> controls = TabOrderControls();
  std::vector<TabOrderControl> order;
  QWidget* focused = window()->focusWidget();
  int focusedIndex = -1;
  TFormPage* page = Page(CurrentPage);
  for (size_t i = 0; i < controls.size(); ++i) {
    order.push_back({page->TopInPage(controls[i]), (controls[i]->focusPolicy() & Qt::TabFocus) != 0});
    if (controls[i] == focused) focusedIndex = static_cast<int>(i);
  }
  auto focusAt = [&](int i) {
    if (i >= 0 && i < static_cast<int>(controls.size()) && i != focusedIndex)
      FocusControl(controls[static_cast<size_t>(i)]);
  };
  const bool first = (key == Qt::Key_Home && mods == Qt::ShiftModifier) ||
                     (onFormPage && key == Qt::Key_PageUp && mods == Qt::ControlModifier);
  const bool last = (key == Qt::Key_End && mods == Qt::ShiftModifier) ||
                    (onFormPage && key == Qt::Key_PageDown && mods == Qt::ControlModifier);
  if (first || last) {
    focusAt(NextInTabOrder(order, -1, first));
    return true;
  }
  if (!onFormPage) return false;
  if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
    if (mods != Qt::NoModifier) return false;
    focusAt(PageKeyTarget(order, focusedIndex, key == Qt::Key_PageDown, page->viewport()->height()));
    return true;
  }
  if (key == Qt::Key_Up || key == Qt::Key_Down) {
    focusAt(ArrowKeyTarget(order, focusedIndex, key == Qt::Key_Down));
    return true;
  }
  return false;
}

}  // namespace pm
