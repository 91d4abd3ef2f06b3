#include "common/ui/dialoglook.h"

#include <QAction>
#include <QScreen>
#include <QWidget>

namespace pm {

QFont DialogFont(bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);  // 8 points at 96 pixels per inch
  font.setBold(bold);
  return font;
}

void CentreOnScreen(QWidget* window) {
  if (const QScreen* s = window ? window->screen() : nullptr) {
    window->move(s->availableGeometry().center() - window->rect().center());
  }
}

QAction* AddHelpAction(QWidget* window, std::function<void()> onHelp) {
  auto* action = new QAction(window);
  action->setObjectName(QStringLiteral("HelpAction"));
  action->setShortcut(QKeySequence(Qt::Key_F1));
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  window->addAction(action);
  QObject::connect(action, &QAction::triggered, window, std::move(onHelp));
  return action;
}

}  // namespace pm
