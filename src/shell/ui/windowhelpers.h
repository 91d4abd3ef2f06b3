#pragma once

#include <QString>

class QMdiSubWindow;
class QObject;
class QWidget;

namespace pm {

// A child's kind is read from the sub-window, or else from the widget it
// holds; its file from the widget's windowFilePath, or else the sub-window's.
int KindOfChild(const QMdiSubWindow* child);
QString FileOfChild(const QMdiSubWindow* child);

// Help context ids of windows, kept as a property as actions keep theirs in
// their data.
void SetHelpContext(QObject* window, int context);
int HelpContextOf(const QObject* window);

}  // namespace pm
