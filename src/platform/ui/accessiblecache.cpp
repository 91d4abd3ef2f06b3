#include "platform/ui/accessiblecache.h"

#include <QAccessible>

namespace pm {

void DropUnheardAccessible(QObject* object) {
  if (!object || QAccessible::isActive()) return;
  if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

}  // namespace pm
