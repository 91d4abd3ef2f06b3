#pragma once

class QMdiSubWindow;

namespace pm {

// The one placement rule of every document window: once it has its opening
// size and position, a child (not maximized) lies wholly inside its MDI
// area and is at least kMinimumChildWidth wide; see FitInsideArea. Does
// nothing while the area is not shown, as its size is not settled then.
void PlaceChildInArea(QMdiSubWindow* child);

}  // namespace pm
