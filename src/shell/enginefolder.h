#pragma once

#include <QString>

class QWidget;

namespace pm {

// Path less one trailing "\" or "/".
QString StripTrailingBackslash(const QString& Path);

// The engine program of a folder: "Zantor.exe" in it, as the resolver finds
// it ("Zantor" on this system).
QString EngineProgram(const QString& folder);

// The folder dialog under title, starting in startFolder, until it gives a
// folder whose name the settings file can hold (without a trailing
// separator); a refused name gets its message and the dialog comes again.
// Empty when the user cancelled.
QString PickSettingsFolder(QWidget* parent, const QString& title, const QString& startFolder);

// Settles DefaultSettings().EngineFolder for a run (in memory only) and gives
// the engine program, or an empty text when the user cancelled:
// - an EngineFolder that is no existing folder becomes ProgramFolder, and so
//   does every one when programFolderAlways (a single run in RuntimeMode);
// - when the engine is not there, the folder dialog asks for its folder,
//   starting in startFolder; a folder whose name the settings file cannot
//   hold is refused with a message and the dialog comes again.
// The single run and the optimization start in ProgramFolder with the
// RuntimeMode rule, table runs in their saved folder without it.
QString EnsureEngineFolder(QWidget* parent, const QString& startFolder, bool programFolderAlways);

}  // namespace pm
