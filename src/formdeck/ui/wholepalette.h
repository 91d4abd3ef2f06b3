#pragma once

class QColor;
class QPalette;
class QWidget;

namespace pm {

// A palette with every role set is given to a control as it is, shared,
// where Qt gives any other palette to each control as a copy of its own
// resolved against the parent's. A big form's labels and inputs hold whole
// palettes: one each would be tens of thousands to make and free.
void SetEveryRole(QPalette& palette);
bool HasEveryRole(const QPalette& palette);

// What the others inherit from the parent, the controls holding a whole
// palette take themselves: a new background of their parent.
void FollowParentWindow(QWidget* parent, const QColor& colour);

}  // namespace pm
