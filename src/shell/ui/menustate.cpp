#include "shell/ui/menustate.h"

#include <QAction>
#include <QMenu>

namespace pm {

namespace {

constexpr char kOwnEnabled[] = "pelmarkOwnEnabled";

void refresh(QAction* item) { item->setEnabled(ItemUsable(item)); }

}  // namespace

bool ItemEnabled(const QAction* item) {
  if (!item) return false;
  const QVariant own = item->property(kOwnEnabled);
  return own.isValid() ? own.toBool() : true;
}

bool MenuEnabled(const QMenu* menu) { return menu && ItemEnabled(menu->menuAction()); }

bool ItemUsable(const QAction* item) {
  if (!ItemEnabled(item)) return false;
  const QObjectList owners = item->associatedObjects();
  for (const QObject* owner : owners) {
    const auto* menu = qobject_cast<const QMenu*>(owner);
    if (menu && !MenuEnabled(menu)) return false;
  }
  return true;
}

void SetItemEnabled(QAction* item, bool on) {
  if (!item) return;
  item->setProperty(kOwnEnabled, on);
  refresh(item);
}

void SetMenuEnabled(QMenu* menu, bool on) {
  if (!menu) return;
  SetItemEnabled(menu->menuAction(), on);
  const QList<QAction*> items = menu->actions();
  for (QAction* item : items) refresh(item);
}

}  // namespace pm
