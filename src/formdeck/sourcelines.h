#pragma once

#include <QString>
#include <string>
#include <vector>

namespace pm {

// The Source editor's text as deck lines: Windows-1252 bytes, an empty line
// written as "*". badLine (when given) gets the number, from 1, of the first
// line holding a character with no Windows-1252 byte, or 0.
std::vector<std::string> EditorTextToLines(const QString& text, int* badLine = nullptr);
// Deck lines as editor text.
QString LinesToEditorText(const std::vector<std::string>& lines);

// Writes editor text to the file at that path, as given (CRLF lines).
// Returns 0 or an errno; a text with a character Windows-1252 cannot hold
// is not written (EILSEQ, and the line in badLine), since a "?" in its
// place would lose what was typed.
int SaveSourceText(const QString& fileName, const QString& text, int* badLine = nullptr);

}  // namespace pm
