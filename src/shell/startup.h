#pragma once

#include <QString>

namespace pm {

// What the program opens once its windows exist.
struct StartupOpen {
  enum Action {
    Nothing,       // authoring mode without a usable argument
    OpenFile,      // hand path to the file dispatcher
    OpenIndex,     // show the project index dialog for path
    OpenDialog,    // run File/Open
  };
  Action action = Nothing;
  QString path;
  bool sourceMode = false;  // SourceMode for the file (command line only)
};

// argument: the first command-line argument, already made absolute against
// the start-up folder (empty when there is none). A given argument that
// names no file falls back to File/Open in dedicated mode and to nothing in
// authoring mode; without one, dedicated mode looks for the program's own
// ".IDX", then ".PZD", then runs File/Open.
StartupOpen PlanStartupOpen(const QString& argument, int runtimeMode, const QString& programPath);

// Printed after "Pelmark Ver. " in the first page header.
inline constexpr char VersionText[] = "2.01";

// The application's title: "PELMARK", "Pelmark" in dedicated mode. A plain
// value, never appended to window captions.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

}  // namespace pm
