#pragma once

#include <QString>

#include "platform/pathresolver.h"  // SameExistingFile

#include <string>
#include <string_view>
#include <vector>

namespace pm {

// The run-deck name a deck gives: the text after the first "**FILE " marker
// (upper case tested, the blank included), trimmed; empty when no line holds
// the marker. The name keeps its case.
std::string RunDeckName(const std::vector<std::string>& lines);

// The lines of a run deck: from a line beginning onMarker (this line too)
// up to a line beginning offMarker every line gets a leading "*"; a line
// beginning "**|INCLUDE" becomes "INCLUDE GHP.dck", never commented. The
// single run uses "*#2" / "*#3", the optimization "*#1" / "*#2".
std::vector<std::string> RunDeckLines(const std::vector<std::string>& lines, std::string_view onMarker,
                                      std::string_view offMarker);

// The building-loads copy: every line holding "**|INCLUDE" anywhere becomes
// "INCLUDE BL.dck", all others unchanged.
std::vector<std::string> BuildingLoadsLines(const std::vector<std::string>& lines);

// "SYS.DCK" gives "SYS_BL.DCK": "_BL" before the extension of the file name
// (a "." in a folder name does not count).
QString BuildingLoadsName(const QString& deck);

// A run deck written, or why not.
struct RunDeckResult {
  QString Target;   // the run deck by its absolute path; empty on failure
  QString Message;  // on failure: the error to show (kind 0, with a beep)
};

// Writes the run deck that deck names in its "**FILE " line, with the
// markers of RunDeckLines, in CR LF. The name is resolved like any name
// from a deck, relative to the current folder. Nothing is written when the
// deck cannot be read, has no "**FILE " line, or names itself.
RunDeckResult MakeRunDeck(const QString& deck, std::string_view onMarker, std::string_view offMarker);
RunDeckResult MakeSingleRunDeck(const QString& deck);
// Writes BuildingLoadsName(deck) from the deck.
RunDeckResult MakeBuildingLoadsDeck(const QString& deck);

// The engine's results file of a run deck: the name less its last 4
// characters, then "-RESULTS.TXT".
QString RunResultsFile(const QString& runDeck);

// The files a run leaves to remove afterwards: the run deck, then its
// listing and log (".LST", ".LOG" by the last "." of the file name).
std::vector<QString> RunCleanupFiles(const QString& runDeck);
// Removes each of them as the resolver finds it; missing files are no error.
void RemoveRunFiles(const QString& runDeck);

}  // namespace pm
