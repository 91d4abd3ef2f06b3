// Calculate/Run Optimization: the input saved, the optimization's run deck
// written, the configuration's optimizer and then Optavin run and waited
// for, and the optimization's report shown. Also the two tool commands that
// start a configured program without waiting.
#include <QDir>
#include <QTemporaryFile>
#include <cstdio>
#include <optional>

#include "common/globals.h"
#include "common/lib1.h"
#include "common/settings.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "shell/optimization.h"
#include "shell/runprogram.h"
#include "shell/ui/documents.h"
#include "shell/ui/editform.h"
#include "shell/ui/ostrelform.h"
#include "shell/ui/simulationrun.h"
#include "shell/ui/windowhelpers.h"

namespace pm {

void TOSTRELFORM::ExecuteCommand1Click() {
  if (RunBusy(Runs)) return;
  DocumentCommands& documents = Documents();
  DocumentCommands::Command command(documents);
  CloseReportBeforeRun(*this);
  RunInput input(*this);
  RunDeckResult deck;
  if (!input.Take()) {
    if (input.Kind == KindNone) Open1Click();
    return;
  }
  std::optional<RunGuard> guard(std::in_place, Runs);
  if (!input.Save()) return;

  // A deck without a "**FILE" line, or one whose name holds no
  // configuration word, leads to the File/Open dialog.
  const QString fileText = RunDeckNameOf(input.Deck);
  QString word;
  if (!fileText.isEmpty()) {
    const RunDeckResult written = MakeOptimizationDeck(input.Deck);
    if (written.Target.isEmpty()) {
      ShowMessageKind(written.Message, 0, true);
      return;
    }
    deck = written;
    documents.Host().CloseResultsReport();
    word = ConfigurationWord(fileText, OptimizationWords());
  }
  if (word.isEmpty()) {
    guard.reset();
    Open1Click();
    return;
  }
  const QString commandFile = OptimizerCommandPath(G().ProgramFolder, OptimizerCommandFile(word));
  if (!ResolvedFileExists(commandFile)) {
    ShowMessageKind(QStringLiteral("File ") + commandFile + QStringLiteral(" was not found."), 0, true);
    return;
  }
  // The report reads these: they change together, once the run deck exists
  // and the configuration is known.
  SavedFolder = QDir::currentPath();
  OptimizationMode = true;
  RunTarget = deck.Target;
  RunFolder = SavedFolder;

  // A failed optimization must not leave the previous one's numbers to show.
  RemoveFile(ResolvePath(OptimizationResultsFile(deck.Target)));
  RemoveRunWarnings();
  WaitResult optimizer;
  if (!RunProcessOK(OptimizerCommandLine(G().ProgramFolder, OptimizerCommandFile(word)), Runs, &optimizer))
    return;
  if (!optimizer.ended) return;
  UpdateMenu();
  RemoveFile(ResolvePath(deck.Target));

  // Optavin says on stderr which file and line stopped it; the message passes it on.
  QTemporaryFile errors(QDir::tempPath() + QStringLiteral("/pelmark-optavin-XXXXXX"));
  const QString errorFile = errors.open() ? errors.fileName() : QString();
  WaitResult optavin;
  if (!RunProcessOK(QStringLiteral("Optavin.exe"), Runs, &optavin, errorFile) || !optavin.ended) return;
  const QByteArray errorOutput = errors.isOpen() ? errors.readAll() : QByteArray();
  // It still reaches the console Pelmark was started from.
  if (!errorOutput.isEmpty())
    std::fwrite(errorOutput.constData(), 1, static_cast<std::size_t>(errorOutput.size()), stderr);
  if (optavin.exitCode != 0 || optavin.signal != 0) {
    ShowMessageKind(OptavinFailureMessage(optavin.exitCode, optavin.signal, errorOutput), 0, true);
    return;
  }
  ShowRunReport(*this);
}

void TOSTRELFORM::CompileModule1Click() {
  const QPointer<TEditForm> editor = EditForm();
  if (!editor) return;
  const QString name = editor->FileName();
  const StartResult start =
      StartProgramNoWait((DefaultSettings().CompileCommand + QLatin1Char(' ') + name).left(255));
  if (!start.started)
    ShowMessageKind(QStringLiteral("Error ") + QString::number(start.error) +
                        QStringLiteral(" encountered while trying to compile ") + name,
                    0, true);
  UpdateMenu();
}

void TOSTRELFORM::RebuildQuorvel1Click() {
  const QString line = DefaultSettings().RebuildCommand;
  const StartResult start = StartProgramNoWait(line);
  if (!start.started)
    ShowMessageKind(QStringLiteral("Error ") + QString::number(start.error) +
                        QStringLiteral(" encountered while trying to execute ") + line,
                    0, true);
  UpdateMenu();
}

}  // namespace pm
