#pragma once

#include <QFont>

#include <functional>

class QAction;
class QCheckBox;
class QGroupBox;
class QString;
class QWidget;

namespace pm {

// The 8-point dialog font of the small windows, at 96 pixels per inch.
QFont DialogFont(bool bold);

// Moves a top-level window to the centre of its screen.
void CentreOnScreen(QWidget* window);

// F1 anywhere in the window ("HelpAction"), calling onHelp.
QAction* AddHelpAction(QWidget* window, std::function<void()> onHelp);

// The group box "IncludeBox" of the two deck includes: its check boxes
// "Header" and "Simulationcard" one above the other.
QGroupBox* MakeIncludeBox(const QString& title, QWidget* parent, QCheckBox** header,
                          QCheckBox** simulationcard);

}  // namespace pm
