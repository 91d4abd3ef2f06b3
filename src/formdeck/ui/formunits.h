#pragma once

class QMdiSubWindow;

namespace pm {

class TInput;

// The SI value of a numeric input. A text the user typed is read in the
// units shown (1 SI, else inch-pound) and becomes the stored Value; an
// untouched input keeps its Value. False, after a beep, when the typed text
// is no number (Value stays the last good one).
bool TakeTypedValue(TInput& input, int unitSystem);

// The main window's unit routine for a window that shows form pages.
void ConvertFormWindowUnits(QMdiSubWindow* child, int From, int To);

}  // namespace pm
