#pragma once

#include <QPointer>
#include <QString>

#include <array>
#include <optional>

class QMdiSubWindow;

namespace pm {

class TEditForm;
class TOSTRELFORM;
class TPlenzoForm;

// The input of a run: the deck of the active input window (a text editor,
// form pages or a form's Source), checked and saved before the run deck is
// made from it. The single run, the building-loads run and the
// optimization share it.
class RunInput {
 public:
  explicit RunInput(TOSTRELFORM& main) : main_(main) {}

  // Kind and Deck by the active child, and main.InputModified. Form pages
  // first check the focused input and the files the form names
  // (CheckAssigns); a form whose parse failed counts as its Source. False
  // when there is no input window (Kind is then 0, and the caller opens the
  // File/Open dialog) or a check failed (its message was shown).
  bool Take();
  // The same for a given child (null: none); checkFiles runs CheckAssigns
  // for form pages (the table run has no files check).
  bool Take(QMdiSubWindow* child, bool checkFiles);
  // Saves a modified input without a question, as File/Save does. False
  // when the save failed (its message was shown): the run must stop.
  bool Save();
  // The form's commands: BEFORE and AFTER around each engine run, BEFORE1
  // and AFTER1 around a whole table run.
  enum class FormCommand { Before, After, Before1, After1 };
  // Takes the four command texts now; later runs use these texts.
  void KeepCommands();
  // Runs the form's command when its text is longer than 4 characters.
  // False ends the run: the command could not start, the user chose to
  // exit, or the form window has gone during the wait.
  bool RunFormCommand(FormCommand which);
  // False when the form window of a form input has gone.
  bool Alive() const;

  int Kind = 0;
  QString Deck;

 private:
  TOSTRELFORM& main_;
  QPointer<TEditForm> editor_;
  QPointer<TPlenzoForm> form_;
  std::optional<std::array<QString, 4>> commands_;
};

// An open report would show the old results before a run: it closes, and
// the form pages that were active stay the input (else the window the
// report leaves in front).
void CloseReportBeforeRun(TOSTRELFORM& main);

// The engine's command line: the engine, a blank, the quoted run deck,
// firstSwitch as given, and " /H" when the engine is to hide.
QString EngineCommand(const QString& engine, const QString& deck, bool hide, const QString& firstSwitch = {});
// The Calculate menu's "Hide Quorvel" item is ticked.
bool HideEngine(TOSTRELFORM& main);

// The end of a run (single or optimization): "The engine wrote no results:
// <file> was not found." first when the run left no results file, then the
// report, its values empty in that case.
void ShowRunReport(TOSTRELFORM& main);

// "warnings.dat" of the run folder goes before the engine starts, so a run
// that dies never shows the last run's warnings.
void RemoveRunWarnings();

// Calculate/Run Single Simulation and Calculate Building Loads; the main
// window's handlers of the same names call them.
void RunSingleSimulation(TOSTRELFORM& main);
void RunBuildingLoads(TOSTRELFORM& main);

}  // namespace pm
