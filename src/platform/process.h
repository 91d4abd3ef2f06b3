#pragma once

#include <sys/types.h>

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>

namespace pm {

// Splits a command line the Windows way: blanks (space, tab) separate words,
// double quotes group and are dropped, backslashes are plain characters. An
// unclosed quote runs to the end of the line.
QStringList SplitCommandLine(const QString& commandLine);

// The program of a command line and its arguments. The first word is looked
// up with FindProgram (a bare name: program folder, current folder, PATH; a
// path through the resolver, "X.exe" found as "X"). When an unquoted first
// word names nothing, longer and longer prefixes of the line joined at their
// blanks are tried, so "/opt/My Engine/Zantor deck" finds "/opt/My Engine/Zantor".
struct ProgramCall {
  QString program;  // existing file; empty when none was found
  QStringList arguments;
};
ProgramCall FindCommandProgram(const QString& commandLine, const QString& programFolder);

struct StartResult {
  bool started = false;
  int error = 0;  // errno of a failed start: ENOENT (2) when no program was found
  pid_t pid = -1;
};

// Starts the program of a command line without a shell, in the current
// folder, with the program's environment and stdin/stdout/stderr inherited
// (stderr into errorFile when one is given).
StartResult StartProgram(const QString& commandLine, const QString& programFolder,
                         const QString& errorFile = QString());
// The same for a program and arguments already apart, so no word needs
// quoting: call.program is started as given (no lookup); empty gives ENOENT.
// The program's stderr goes to errorFile (made anew) when one is given.
StartResult StartProgramCall(const ProgramCall& call, const QString& errorFile = QString());

struct WaitResult {
  bool ended = false;  // false: the wait was stopped and the program runs on
  int exitCode = -1;   // when it ended by itself
  int signal = 0;      // when a signal ended it
};

inline constexpr std::chrono::milliseconds kWaitPoll{10};

// Waits for a started program: calls pump, then looks for the end every
// kWaitPoll, until the program has ended or stopRequested() is true after a
// poll. A stopped wait leaves the program running; it is reaped later.
WaitResult WaitForProgram(pid_t pid, const std::function<void()>& pump,
                          const std::function<bool()>& stopRequested);

// Sends SIGTERM, waits up to grace for the end, then SIGKILL and waits.
// A wait on the same program that is in progress then sees it ended.
WaitResult TerminateProgram(pid_t pid, std::chrono::milliseconds grace = std::chrono::seconds(2));

// A program nobody waits for any more (a stopped wait, a start without a
// wait) is reaped in the background (a timer in the event loop) so that no
// zombie stays.
void AbandonProgram(pid_t pid);
// Reaps the abandoned programs that have ended; returns how many still run.
int ReapAbandonedPrograms();

}  // namespace pm
