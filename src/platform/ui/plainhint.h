#pragma once

#include <QString>

namespace pm {

// Tooltip text that shows `text` as written: escaped, blanks and line
// breaks kept, so nothing in a deck's or a file's text is taken for markup.
QString PlainHint(const QString& text);

}  // namespace pm
