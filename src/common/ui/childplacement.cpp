#include "common/ui/childplacement.h"

#include "common/childgeometry.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace pm {

void PlaceChildInArea(QMdiSubWindow* child) {
  QMdiArea* area = child ? child->mdiArea() : nullptr;
  if (!area || !area->isVisible()) return;
  if (child->isMaximized() || child->isMinimized()) return;
  child->setMinimumWidth(kMinimumChildWidth);
  const QSize minimum(kMinimumChildWidth, child->minimumSizeHint().height());
  const QRect placed = FitInsideArea(child->geometry(), area->viewport()->size(), minimum);
  if (placed != child->geometry()) child->setGeometry(placed);
}

}  // namespace pm
