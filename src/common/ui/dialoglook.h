#pragma once

#include <QFont>

#include <functional>

class QAction;
class QWidget;

namespace pm {

// The 8-point dialog font of the small windows, at 96 pixels per inch.
QFont DialogFont(bool bold);

// Moves a top-level window to the centre of its screen.
void CentreOnScreen(QWidget* window);

// F1 anywhere in the window ("HelpAction"), calling onHelp.
QAction* AddHelpAction(QWidget* window, std::function<void()> onHelp);

}  // namespace pm
