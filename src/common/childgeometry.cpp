#include "common/childgeometry.h"

#include <algorithm>

namespace pm {

QRect FitInsideArea(const QRect& wanted, const QSize& area, const QSize& minimum) {
  const QSize size = wanted.size().expandedTo(minimum).boundedTo(area);
  const int x = std::clamp(wanted.x(), 0, std::max(0, area.width() - size.width()));
  const int y = std::clamp(wanted.y(), 0, std::max(0, area.height() - size.height()));
  return {QPoint(x, y), size};
}

}  // namespace pm
