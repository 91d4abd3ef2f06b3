#pragma once

#include <QSize>

class QComboBox;
class QLineEdit;

namespace pm {

// The sizes the style gives the value controls around their text: the
// builders' widths are bare text widths, to which a line edit adds its
// frame, text margins and cursor, and a drop-down its frame and arrow.

// The width a line edit needs to show textWidth pixels of text whole.
int LineEditWidth(const QLineEdit* edit, int textWidth);
// The size a drop-down needs for its widest item in its own font.
QSize DropDownSize(const QComboBox* list);

}  // namespace pm
