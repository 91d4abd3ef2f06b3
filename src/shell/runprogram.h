#pragma once

#include <QString>

#include "platform/process.h"
#include "shell/runstate.h"

namespace pm {

// The extension of a command line taken as a file name: from the last "."
// to the end, empty when a "\", "/" or ":" follows that ".".
QString CommandExtension(const QString& CommandLine);

// "File <command> was not found." for code 2 (ENOENT), otherwise
// "Error <code> encountered while trying to call <command>".
QString RunFailureMessage(const QString& CommandLine, int Code);

// Starts a command line and, for a program, waits for it while the event
// loop runs, until it ends or state.StopRequested is set. A command whose
// extension is not ".EXE" and that names an existing document or folder, or
// a web address, goes to the open action first (no wait). True when
// something was started, whatever its exit; false after the error message,
// or without a message once the user has chosen to stop and exit.
bool RunProgramOK(const QString& CommandLine, RunState& state);

// The same for a command that must run as a waited-for process, never
// through the open action (the optimizer and Optavin: what runs next needs
// their files complete). result gets how the program ended; a wait stopped
// by the user or by an exit leaves result.ended false. The program's stderr
// goes to errorFile when one is given.
bool RunProcessOK(const QString& CommandLine, RunState& state, WaitResult* result,
                  const QString& errorFile = QString());

// Starts a program without waiting (the tool launchers); no message. The
// program is reaped in the background when it ends.
StartResult StartProgramNoWait(const QString& CommandLine);

// For the main window's close handler. No program waited for: true unless a
// run command is in progress. Otherwise asks "A program is still running.
// Stop it and exit?": Yes terminates the waited-for programs, sets
// ExitRequested and gives true; No changes nothing and gives false.
bool ExitAllowedDuringRun(RunState& state);

}  // namespace pm
