#pragma once

#include <QString>
#include <string>
#include <vector>

namespace pm {

// The Source editor's text as deck lines: Windows-1252 bytes, an empty line
// written as "*".
std::vector<std::string> EditorTextToLines(const QString& text);
// Deck lines as editor text.
QString LinesToEditorText(const std::vector<std::string>& lines);

// Writes editor text to the file at that path, as given (CRLF lines).
// Returns 0 or an errno.
int SaveSourceText(const QString& fileName, const QString& text);

}  // namespace pm
