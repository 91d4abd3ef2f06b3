#pragma once

#include <QString>
#include <string_view>

namespace pm {

// The file name of an ASSIGN line as written (double quotes kept), with
// "***." standing for the deck's folder and base name; false when the line
// is no ASSIGN line.
bool AssignFileName(const QString& deckName, std::string_view line, QString* name);

// Adds the file name of an ASSIGN line to AssignFileList; other lines are
// ignored. Called for every deck line read, by the parse and by the shell.
void AddAssignFile(const QString& deckName, std::string_view line);

}  // namespace pm
