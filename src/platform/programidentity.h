#pragma once

#include <QString>

namespace pm {

// Who the program is, taken from how it was started. The path keeps the
// name it was started under (links are not resolved), because that name
// chooses the run mode and the start-up files.
struct ProgramIdentity {
  QString ProgramPath;    // absolute, links not resolved
  QString ProgramFolder;  // folder of ProgramPath, real case, no trailing "/"
  QString FileName;       // last component of ProgramPath
  int RuntimeMode = 1;    // 0: authoring mode, 1: dedicated application
};

// argv[0] made absolute against the current folder; a name without "/" was
// found through PATH by the shell, so it is looked up there the same way.
QString AbsoluteProgramPath(const QString& argv0, const QString& currentFolder, const QString& pathVariable);

// 0 when the upper-cased file name begins with "OSTREL" or "MIVARO", else 1.
int RuntimeModeForName(const QString& fileName);

ProgramIdentity IdentifyProgram(const QString& argv0, const QString& currentFolder,
                                const QString& pathVariable);

// The program path without a trailing ".exe" (any case); the start-up
// project index and deck are this base with ".IDX" and ".PZD".
QString StartupBase(const QString& programPath);

// The existing file base + extension, found without regard to case, or an
// empty string.
QString FindStartupFile(const QString& programPath, const QString& extension);

// A command-line file name made absolute against the folder the program was
// started in; quotes, "\" and a drive letter are cleaned first. Empty stays
// empty.
QString AbsoluteArgument(const QString& argument, const QString& startFolder);

}  // namespace pm
