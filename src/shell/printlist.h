#pragma once

#include <QString>

namespace pm {

// A window's text in the print lists: a plot caption up to its ":", else
// what follows the caption's last "/" or "\".
QString PrintItemText(const QString& caption);

// True for the kinds of window that have a print routine.
bool KindPrints(int kind);

}  // namespace pm
