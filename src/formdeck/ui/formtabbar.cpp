#include "formdeck/ui/formtabbar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "common/captions.h"
#include "formdeck/ui/plenzoform.h"

namespace pm {

TFormTabBar::TFormTabBar(TPlenzoForm* form, QWidget* parent) : QTabBar(parent), form_(form) {
  setObjectName(QStringLiteral("TabControl"));
  setMovable(false);
  setExpanding(false);
  setDrawBase(true);
}

int TFormTabBar::AddNamedTab(const QString& name) {
  const int index = addTab(ShownAsWritten(name));
  setTabData(index, name);
  return index;
}

QString TFormTabBar::TabName(int index) const { return tabData(index).toString(); }

int TFormTabBar::FindTab(const QString& name) const {
  for (int i = 0; i < count(); ++i) {
    if (TabName(i).compare(name, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

void TFormTabBar::mousePressEvent(QMouseEvent* event) {
  const int index = event->button() == Qt::LeftButton ? tabAt(event->position().toPoint()) : -1;
  if (index < 0 || index == currentIndex()) {
    QTabBar::mousePressEvent(event);
    return;
  }
  event->accept();
  form_->UserSelectsTab(index);
}

// Left and Right are the form's keys (it sees them first); the tab bar's own
// key switching would bypass TabControlChanging.
void TFormTabBar::keyPressEvent(QKeyEvent* event) { event->ignore(); }

void TFormTabBar::wheelEvent(QWheelEvent* event) {
  event->accept();
  const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
  const int index = currentIndex() + (delta > 0 ? -1 : delta < 0 ? 1 : 0);
  if (index != currentIndex() && index >= 0 && index < count()) form_->UserSelectsTab(index);
}

}  // namespace pm
