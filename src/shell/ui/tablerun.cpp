// The table run: the table window writes one deck per run, the engine runs
// on each with the form's table commands around it, and the decks go.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>

#include "common/globals.h"
#include "common/lib1.h"
#include "common/settings.h"
#include "formdeck/progresshidingui.h"
#include "platform/pathresolver.h"
#include "platform/process.h"
#include "platform/textfile.h"
#include "shell/enginefolder.h"
#include "shell/runprogram.h"
#include "shell/ui/compiling.h"
#include "shell/ui/documents.h"
#include "shell/ui/ostrelform.h"
#include "shell/ui/simulationrun.h"
#include "shell/ui/windowhelpers.h"
#include "tables/ui/tableform.h"

namespace pm {

namespace {

constexpr int kProgressTop = 120;

// The deck window: the first child showing the table's deck file, whatever
// the spelling of either name.
QMdiSubWindow* DeckWindow(TOSTRELFORM& main, const QString& deck) {
  const QString resolved = ResolveUnquoted(deck);
  for (QMdiSubWindow* child : main.MdiArea()->subWindowList()) {
    const QString file = FileOfChild(child);
    if (!file.isEmpty() && SameExistingFile(file, resolved)) return child;
  }
  return nullptr;
}

// The running state, from the menu caption on; every way out restores it.
class TableRunning {
 public:
  TableRunning(TOSTRELFORM& main, ParseProgress* progress) : main_(main), progress_(progress) {
    SetCaption(QStringLiteral("Stop table"));
    main_.Runs.TableRunning = true;
  }
  ~TableRunning() {
    if (progress_) progress_->Hide();
    SetCaption(QStringLiteral("Run Table"));
    main_.Runs.TableStopRequested = false;
    main_.Runs.TableEngineAt = -1;
    main_.Runs.TableRunning = false;
  }
  TableRunning(const TableRunning&) = delete;
  TableRunning& operator=(const TableRunning&) = delete;

 private:
  void SetCaption(const QString& caption) {
    if (QAction* item = main_.Item(QStringLiteral("RunTable1"))) item->setText(caption);
  }
  TOSTRELFORM& main_;
  ParseProgress* progress_;
};

// Shown from the first run on, near the top of the screen, centred.
void ShowProgress(TOSTRELFORM& main, ParseProgress* progress) {
  if (!progress) return;
  // The run number is in place before the window shows.
  progress->ForceNextUpdate();
  progress->Update(-1);
  progress->ForceNextUpdate();
  progress->Show();
  if (TCompiling* window = main.Compiling; window && window->screen()) {
    window->move(window->x(), window->screen()->availableGeometry().top() + kProgressTop);
  }
}

// The engine of each run, between the form's commands. True when the loop
// ran to its end, a stop included; false when a command or an engine run
// could not start, or the user chose to exit.
bool RunEachDeck(TOSTRELFORM& main, RunInput& input, const std::vector<QString>& decks,
                 ParseProgress* progress) {
  RunState& runs = main.Runs;
  const QString engine = EnsureEngineFolder(&main, main.SavedFolder, false);
  if (engine.isEmpty()) return false;
  ShowProgress(main, progress);
  if (!input.RunFormCommand(RunInput::FormCommand::Before1)) return false;
  const bool hide = HideEngine(main);
  for (size_t j = 0; j < decks.size() && !runs.TableStopRequested; ++j) {
    if (progress && !progress->IsShown()) ShowProgress(main, progress);
    if (progress) progress->Update(-static_cast<int>(j + 1));
    if (!input.RunFormCommand(RunInput::FormCommand::Before)) return false;
    if (runs.TableStopRequested) break;
    runs.TableEngineAt = static_cast<int>(runs.WaitedPrograms.size());
    const bool ran = RunProgramOK(EngineCommand(engine, decks[j], hide, QStringLiteral("  /N")), runs);
    runs.TableEngineAt = -1;
    if (!ran) return false;
    QCoreApplication::processEvents();
    if (!input.RunFormCommand(RunInput::FormCommand::After)) return false;
  }
  if (progress) progress->Hide();
  return input.RunFormCommand(RunInput::FormCommand::After1);
}

void RunTable(TOSTRELFORM& main, TTableForm& table) {
  RunState& runs = main.Runs;
  const RunGuard guard(runs);
  const QString deck = table.Table().DeckFileName;
  RunInput input(main);
  if (!input.Take(DeckWindow(main, deck), false) && input.Kind != KindNone) return;
  if (main.InputModified) {
    const ModalResult answer = ShowMessageKind(
        QStringLiteral("Do you wish to save file ") + deck + QStringLiteral(" before running the table?"), 7,
        true);
    if (answer == ModalResult::Cancel) return;
    if (answer == ModalResult::Yes && !input.Save()) return;
  }
  input.KeepCommands();
  ParseProgress* progress = main.Documents().Host().Progress();
  const ProgressHidingUi messages(progress);
  const TableRunning running(main, progress);

  bool failed = false;
  table.WriteTableDeck(failed);
  if (failed) {
    main.UpdateMenu();
    return;
  }
  const TableModel& written = table.Table();
  const std::vector<QString> decks(written.RunDeckNames.begin() + 1,
                                   written.RunDeckNames.begin() + 1 + written.RunCount());
  main.SavedFolder = QDir::currentPath();
  const bool toTheEnd = RunEachDeck(main, input, decks, progress);
  // After a failure the decks stay, to show what the engine was given.
  if (toTheEnd && DefaultSettings().SaveDeckNames == 0) {
    for (const QString& name : decks) RemoveFile(name);
  }
  if (toTheEnd) main.UpdateMenu();
  QDir::setCurrent(main.SavedFolder);
}

}  // namespace

void TOSTRELFORM::RunTable1Click() {
  if (Runs.TableRunning) {
    // The engine of the current run ends and is reaped before its deck can
    // be removed; the form's commands are never cut short.
    Runs.TableStopRequested = true;
    if (Runs.TableEngineAt >= 0 && Runs.TableEngineAt < static_cast<int>(Runs.WaitedPrograms.size())) {
      TerminateProgram(Runs.WaitedPrograms[static_cast<size_t>(Runs.TableEngineAt)]);
    }
    return;
  }
  if (RunBusy(Runs) || !TableForm) return;
  RunTable(*this, *TableForm);
}

}  // namespace pm
