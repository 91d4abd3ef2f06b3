#pragma once

#include <QRect>
#include <QSize>

namespace pm {

// The size a document window opens at when nothing else sets it.
inline constexpr QSize kDefaultChildSize(640, 420);
// Wide enough for a caption's first characters and the three title-bar
// buttons.
inline constexpr int kMinimumChildWidth = 200;

// Where a child wanted at `wanted` lies in an area of size `area`: at least
// `minimum`, no larger than the area; kept where it is when it fits there,
// else moved (towards the top left) until it lies inside.
QRect FitInsideArea(const QRect& wanted, const QSize& area, const QSize& minimum);

}  // namespace pm
