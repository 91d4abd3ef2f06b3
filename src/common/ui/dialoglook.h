#pragma once

#include <QFont>

class QWidget;

namespace pm {

// The 8-point dialog font of the small windows, at 96 pixels per inch.
QFont DialogFont(bool bold);

// Moves a top-level window to the centre of its screen.
void CentreOnScreen(QWidget* window);

}  // namespace pm
