#pragma once

#include <QList>
#include <QPointer>

class QMdiSubWindow;
class QWidget;

namespace pm {

// Prints the windows, in order, into one job on the shared printer, each by
// its own print routine, with `progress` shown meanwhile. False when nothing
// was printed (no windows, the PDF file dialog cancelled, or the output
// could not be opened, which gets its message).
bool PrintWindows(const QList<QPointer<QMdiSubWindow>>& windows, QWidget* parent, QWidget* progress);

}  // namespace pm
