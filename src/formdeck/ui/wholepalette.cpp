#include "formdeck/ui/wholepalette.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace pm {

void SetEveryRole(QPalette& palette) {
  for (int g = 0; g < QPalette::NColorGroups; ++g) {
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
      const auto group = static_cast<QPalette::ColorGroup>(g);
      const auto role = static_cast<QPalette::ColorRole>(r);
      palette.setBrush(group, role, palette.brush(group, role));
    }
  }
}

bool HasEveryRole(const QPalette& palette) {
  static const QPalette::ResolveMask every = [] {
    QPalette p;
    SetEveryRole(p);
    return p.resolveMask();
  }();
  return palette.resolveMask() == every;
}

void FollowParentWindow(QWidget* parent, const QColor& colour) {
  for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    QPalette p = child->palette();
    if (!HasEveryRole(p) || p.color(QPalette::Window) == colour) continue;
    p.setColor(QPalette::Window, colour);
    child->setPalette(p);
  }
}

}  // namespace pm
