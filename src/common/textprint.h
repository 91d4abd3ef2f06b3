#pragma once

#include <QStringList>

#include <functional>

namespace pm {

// Prints plain text lines into the print job that is running (the text
// editor, the viewers and the Source view print their lines alike). The
// printing subsystem installs the routine; while none is installed,
// printing text does nothing.
using TextLinesPrinter = std::function<void(const QStringList& lines)>;
TextLinesPrinter& PrintTextLines();

}  // namespace pm
