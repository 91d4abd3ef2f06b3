#pragma once

#include <QByteArray>

class QTextDocument;

namespace pm {

// Report templates and engine listings are shown in one read-only viewer:
// text that begins "{\rtf" is rich text, anything else Windows-1252 plain
// text.
bool IsRichText(const QByteArray& bytes);

// Replaces the content of `doc` with `bytes` read as RTF, or as plain text
// when IsRichText is false. Never fails: unknown control words are skipped,
// unbalanced braces and text after the outermost group are read on.
//
// Units: font sizes are points (RTF half-points / 2). Indents and paragraph
// spacing are pixels at `dotsPerInch`, the resolution the document will be
// laid out at (the screen's 96, or the printer's when a page is formatted).
// Tab stops, table column widths and cell padding are pixels at 96 per inch
// whatever `dotsPerInch` is, because Qt scales them to the paint device
// itself. Returns true when the bytes were read as RTF.
bool ReadRichText(const QByteArray& bytes, QTextDocument* doc, double dotsPerInch = 96.0);

}  // namespace pm
