// The single run and the building-loads run: the input saved, the run deck
// written, the form's commands and the engine run, the run's files removed.
#include "shell/ui/simulationrun.h"

#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "shell/enginefolder.h"
#include "shell/opendispatch.h"
#include "shell/resultsreport.h"
#include "shell/rundeck.h"
#include "shell/runprogram.h"
#include "shell/ui/documents.h"
#include "shell/ui/editform.h"
#include "shell/ui/ostrelform.h"
#include "shell/ui/windowhelpers.h"

namespace pm {

namespace {

// The engine with its folder settled, or empty when the user cancelled.
QString FindEngine(TOSTRELFORM& main) {
  const Globals& g = G();
  return EnsureEngineFolder(&main, g.ProgramFolder, g.RuntimeMode == 1);
}

}  // namespace

bool RunInput::Take() {
  return Take(main_.MdiArea()->subWindowList().isEmpty() ? nullptr : main_.CurrentChild(), true);
}

bool RunInput::Take(QMdiSubWindow* child, bool checkFiles) {
  main_.InputModified = false;
  commands_.reset();
  Kind = child ? KindOfChild(child) : KindNone;
  if (Kind == KindTextEditor) {
    editor_ = qobject_cast<TEditForm*>(child->widget());
    if (editor_) {
      Deck = editor_->FileName();
      main_.InputModified = editor_->Modified();
      return true;
    }
  } else if (Kind == KindFormPages || Kind == KindFormSource) {
    form_ = qobject_cast<TPlenzoForm*>(child->widget());
    if (form_) {
      PlenzoFormInstance() = form_;
      Deck = form_->FileName();
      // A form whose parse failed is half built: only its Source may run.
      if (form_->Model().ParseFailed) {
        if (!form_->HasSourceTab()) return false;
        Kind = KindFormSource;
      }
      if (Kind == KindFormPages) {
        form_->CheckactiveInput();
        if (G().ParseErrorState != 0 || !form_ || (checkFiles && !form_->CheckAssigns())) return false;
        main_.InputModified = form_->DCKChanged() || (form_->HasSourceTab() && !form_->SourceSaved);
      } else {
        main_.InputModified = !form_->SourceSaved;
      }
      return true;
    }
  }
  // A results report, an output window or no window at all gives no input.
  Kind = KindNone;
  return false;
}

bool RunInput::Save() {
  if (!main_.InputModified) return true;
  switch (Kind) {
    case KindTextEditor:
      return editor_ && editor_->Save() == 0;
    case KindFormPages:
      return form_ && main_.Documents().SaveFormPages(form_);
    case KindFormSource:
      return form_ && main_.Documents().SaveFormSource(form_, form_->FileName());
    default:
      return false;
  }
}

namespace {

std::array<QString, 4> CommandTexts(const FormModel& model) {
  return {FromCp1252(model.Before), FromCp1252(model.After), FromCp1252(model.Before1), FromCp1252(model.After1)};
}

}  // namespace

void RunInput::KeepCommands() {
  if (form_ && (Kind == KindFormPages || Kind == KindFormSource)) commands_ = CommandTexts(form_->Model());
}

bool RunInput::RunFormCommand(FormCommand which) {
  if (Kind != KindFormPages && Kind != KindFormSource) return true;
  if (!form_) return false;
  const QString command = (commands_ ? *commands_ : CommandTexts(form_->Model()))[static_cast<size_t>(which)];
  if (command.size() <= 4) return true;
  return RunProgramOK(command, main_.Runs) && Alive();
}

bool RunInput::Alive() const {
  if (Kind == KindFormPages || Kind == KindFormSource) return !form_.isNull();
  return true;
}

void CloseReportBeforeRun(TOSTRELFORM& main) {
  if (!main.ResultsViewer) return;
  QMdiSubWindow* active = main.CurrentChild();
  const QPointer<QMdiSubWindow> form = KindOfChild(active) == KindFormPages ? active : nullptr;
  main.Documents().Host().CloseResultsReport();
  main.UpdateMenu();
  main.SetActiveChild(form ? form.data() : main.MdiArea()->activeSubWindow());
}

void ShowRunReport(TOSTRELFORM& main) {
  const QString results = ResultsFileOf(main.RunTarget, main.OptimizationMode);
  if (!FileExistsUnquoted(results)) ShowMessageKind(NoResultsMessage(results), 0, true);
  main.Results1Click();
}

void RemoveRunWarnings() { RemoveFile(ResolvePath(QStringLiteral("warnings.dat"))); }

QString EngineCommand(const QString& engine, const QString& deck, bool hide, const QString& firstSwitch) {
  return engine + QStringLiteral(" \"") + deck + QLatin1Char('"') + firstSwitch +
         (hide ? QStringLiteral(" /H") : QString());
}

bool HideEngine(TOSTRELFORM& main) { return main.Item(QStringLiteral("HideQuorvel1"))->isChecked(); }

namespace {

// The single run and the building-loads run differ in a few steps only.
void Run(TOSTRELFORM& main, bool buildingLoads) {
  if (RunBusy(main.Runs)) return;
  DocumentCommands& documents = main.Documents();
  DocumentCommands::Command command(documents);
  if (buildingLoads) {
    documents.Host().CloseResultsReport();
  } else {
    CloseReportBeforeRun(main);
  }
  RunInput input(main);
  if (!input.Take()) {
    if (input.Kind == KindNone) main.Open1Click();
    return;
  }
  RunGuard guard(main.Runs);
  // Plot windows close after the run: they are asked before anything is
  // written, so that Cancel leaves everything as it was.
  if (!command.Ask({KindPlot}) || !input.Save()) return;

  const RunDeckResult deck = buildingLoads ? MakeBuildingLoadsDeck(input.Deck) : MakeSingleRunDeck(input.Deck);
  if (deck.Target.isEmpty()) {
    ShowMessageKind(deck.Message, 0, true);
    return;
  }
  main.SavedFolder = QDir::currentPath();
  // The report reads these: they change together, once the run deck
  // exists. A building-loads run leaves them, and shows no report.
  if (!buildingLoads) {
    main.OptimizationMode = false;
    main.RunTarget = deck.Target;
    main.RunFolder = main.SavedFolder;
  }

  if (!input.RunFormCommand(RunInput::FormCommand::Before)) return;
  const QString engine = FindEngine(main);
  if (engine.isEmpty()) return;
  // A failed run must not leave the previous run's numbers to be shown.
  if (!buildingLoads) {
    RemoveFile(ResolvePath(RunResultsFile(deck.Target)));
    RemoveRunWarnings();
  }
  if (!RunProgramOK(EngineCommand(engine, deck.Target, HideEngine(main)), main.Runs)) return;
  if (!input.Alive()) return;
  documents.GetPLTFile(deck.Target, false);
  if (!input.RunFormCommand(RunInput::FormCommand::After)) return;

  main.UpdateMenu();
  QDir::setCurrent(main.SavedFolder);
  RemoveRunFiles(deck.Target);
  if (!buildingLoads) ShowRunReport(main);
}

}  // namespace

void RunSingleSimulation(TOSTRELFORM& main) { Run(main, false); }
void RunBuildingLoads(TOSTRELFORM& main) { Run(main, true); }

void TOSTRELFORM::SpecificSystemClick() { RunSingleSimulation(*this); }
void TOSTRELFORM::Calculate1Click() { RunBuildingLoads(*this); }

}  // namespace pm
