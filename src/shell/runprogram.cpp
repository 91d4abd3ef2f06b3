#include "shell/runprogram.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>
#include <optional>

#include "common/globals.h"
#include "common/lib1.h"
#include "platform/openaction.h"
#include "platform/pathresolver.h"

namespace pm {

namespace {

// What the desktop's open action should get for a command that is no
// program: an existing document or folder, or a web address.
std::optional<QUrl> OpenTarget(const QString& CommandLine) {
  const QFileInfo info(ResolvePath(CommandLine));
  if (!CommandLine.isEmpty() && info.exists() && (info.isDir() || !info.isExecutable()))
    return QUrl::fromLocalFile(info.absoluteFilePath());
  const QUrl url(CommandLine.trimmed(), QUrl::StrictMode);
  static const QStringList webSchemes = {QStringLiteral("http"), QStringLiteral("https"),
                                         QStringLiteral("ftp"), QStringLiteral("mailto")};
  if (url.isValid() && webSchemes.contains(url.scheme(), Qt::CaseInsensitive)) return url;
  return std::nullopt;
}

}  // namespace

QString CommandExtension(const QString& CommandLine) {
  const qsizetype dot = CommandLine.lastIndexOf(QLatin1Char('.'));
  if (dot < 0) return {};
  for (qsizetype i = dot + 1; i < CommandLine.size(); ++i) {
    const QChar c = CommandLine.at(i);
    if (c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':')) return {};
  }
  return CommandLine.mid(dot);
}

QString RunFailureMessage(const QString& CommandLine, int Code) {
  if (Code == 2) return QStringLiteral("File ") + CommandLine + QStringLiteral(" was not found.");
  return QStringLiteral("Error ") + QString::number(Code) +
         QStringLiteral(" encountered while trying to call ") + CommandLine;
}

namespace {

bool runAndWait(const QString& CommandLine, RunState& state, WaitResult* result,
                const QString& errorFile = QString()) {
  const StartResult start = StartProgram(CommandLine, G().ProgramFolder, errorFile);
  if (!start.started) {
    ShowMessageKind(RunFailureMessage(CommandLine, start.error), 0, true);
    return false;
  }
  state.WaitedPrograms.push_back(start.pid);
  const WaitResult waited = WaitForProgram(
      start.pid, [] { QCoreApplication::processEvents(); }, [&state] { return state.StopRequested; });
  std::erase(state.WaitedPrograms, start.pid);
  if (result) *result = waited;
  return !state.ExitRequested;
}

}  // namespace

bool RunProgramOK(const QString& CommandLine, RunState& state) {
  if (state.ExitRequested) return false;
  RunGuard guard(state);
  if (CommandExtension(CommandLine).toUpper() != QLatin1String(".EXE")) {
    const std::optional<QUrl> target = OpenTarget(CommandLine);
    if (target && openAction().open(*target)) return true;
  }
  return runAndWait(CommandLine, state, nullptr);
}

bool RunProcessOK(const QString& CommandLine, RunState& state, WaitResult* result, const QString& errorFile) {
  *result = WaitResult{};
  if (state.ExitRequested) return false;
  RunGuard guard(state);
  return runAndWait(CommandLine, state, result, errorFile);
}

StartResult StartProgramNoWait(const QString& CommandLine) {
  const StartResult start = StartProgram(CommandLine, G().ProgramFolder);
  if (start.started) AbandonProgram(start.pid);
  return start;
}

bool ExitAllowedDuringRun(RunState& state) {
  if (state.WaitedPrograms.empty()) return !RunBusy(state);
  const ModalResult answer =
      ShowMessageKind(QStringLiteral("A program is still running. Stop it and exit?"), 5, true);
  if (answer != ModalResult::Yes) return false;
  state.ExitRequested = true;
  const std::vector<pid_t> programs = state.WaitedPrograms;
  for (const pid_t pid : programs) TerminateProgram(pid);
  return true;
}

}  // namespace pm
