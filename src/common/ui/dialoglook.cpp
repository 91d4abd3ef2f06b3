#include "common/ui/dialoglook.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QScreen>
#include <QVBoxLayout>
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

QGroupBox* MakeIncludeBox(const QString& title, QWidget* parent, QCheckBox** header,
                          QCheckBox** simulationcard) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(QStringLiteral("IncludeBox"));
  *header = new QCheckBox(QStringLiteral("Header"), box);
  (*header)->setObjectName(QStringLiteral("Header"));
  *simulationcard = new QCheckBox(QStringLiteral("Simulation card"), box);
  (*simulationcard)->setObjectName(QStringLiteral("Simulationcard"));
  auto* include = new QVBoxLayout(box);
  include->addWidget(*header);
  include->addWidget(*simulationcard);
  return box;
}

}  // namespace pm
