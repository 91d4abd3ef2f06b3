#pragma once

#include "shell/recentfiles.h"
#include "shell/runstate.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QActionGroup;
class QCloseEvent;
class QKeySequence;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace pm {

class DocumentCommands;
class TTableForm;
class TAboutBox;
class TCompiling;
class TPrintDlg;
class TSetupDlg;
class TPlotSetup;

// The MDI frame whose menus drive the program. Handlers keep the names of
// the menu items they serve; the work of each lives with its subsystem.
class TOSTRELFORM final : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the menus and runs FormCreate. Reads ProgramFolder, ProgramPath
  // and RuntimeMode from the shared state, which must be set first.
  explicit TOSTRELFORM(QWidget* parent = nullptr);
  ~TOSTRELFORM() override;

  // False when creation stopped at a missing settings file: the program
  // must end (with a failure status) without using the window.
  bool Created() const { return created_; }

  QMdiArea* MdiArea() const { return mdiArea_; }
  // The menu item (or separator) with this objectName, or null.
  QAction* Item(const QString& name) const { return items_.value(name); }

  // Enables the menu items by the kind of the active child.
  void UpdateMenu();
  // Rebuilds the recent items of the File menu from RecentFiles.
  void FixFileNameList();
  // The one way to change the unit system (1 SI, 2 inch-pound): ticks,
  // conversion of windows showing form pages, rebuild of a visible results
  // report. Nothing happens when the system is already in use. The SI/IP
  // items and the Setup dialog's OK both come here.
  void SetUnitSystem(int system);
  // ActiveChild, or the MDI area's active sub-window when that is gone.
  QMdiSubWindow* CurrentChild() const;
  // File/Setup shows this dialog; its OK sets the unit system through
  // SetUnitSystem and its F1 shows help by context.
  void AttachSetupDialog(TSetupDlg* dialog);
  // Keeps the plot set-up and lets New Plot and Overlay Plot show it.
  void AttachPlotSetup(TPlotSetup* dialog);
  void SetActiveChild(QMdiSubWindow* child);

  // File menu.
  void New1Click();
  void Open1Click();
  void Save1Click();
  void Saveas1Click();
  void Print1Click();
  void PrintSetup1Click();
  void Setup1Click();
  void Exit1Click();
  // Edit menu.
  void Undo1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void Find1Click();
  void Replace1Click();
  void SearchAgain1Click();
  // Deletes the selection by the kinds of Cut; no menu item reaches it.
  void Clear1Click();
  // Calculate menu.
  void Quorvel1Click();
  void Calculate1Click();
  void SpecificSystemClick();
  void ExecuteCommand1Click();
  // Runs the open table, or asks the running table to stop; no menu item
  // reaches it.
  void RunTable1Click();
  // Tool commands that start a configured command line without waiting; no
  // menu item reaches them.
  void CompileModule1Click();
  void RebuildQuorvel1Click();
  // Launchers of the five outside tools (DefaultSettings().ToolPaths[1..5]):
  // a missing folder is asked for, the tool starts there without waiting.
  // No menu item reaches them.
  void Savrel1Click();
  void Tembril1Click();
  void Lomira1Click();
  void Dolvane1Click();
  void DEBUG1Click();
  void HideQuorvel1Click();
  void SIUnitsClick();
  void EngUnitsClick();
  // Plenzo menu.
  void Plenzo1Click();
  void Background1Click();
  void SimpleText1Click();
  void AddFigure1Click();
  void ValueInputClick();
  void DropdownInput1Click();
  void Assign1Click();
  void Group1Click();
  // The deck maker on the active text editor's deck; no menu item reaches it.
  void MakePlenzo1Click();
  // Parametrics and Plot menus.
  void NewTable1Click();
  void AlterTable1Click();
  void InsertDeleteRuns1Click();
  void InsertDeleteVars1Click();
  void Plot1Click();
  void NewPlot1Click();
  void OverlayPlot1Click();
  void ModifyPlot1Click();
  // Windows menu.
  void Input1Click();
  void Results1Click();
  void Listing1Click();
  void Log1Click();
  void Table1Click();
  void Diagram1Click();
  void Tile1Click();
  void Cascade1Click();
  // Help menu.
  void MivaroHelpClick();
  void QuorvelHelpClick();
  void AboutOstrel1Click();
  void WebSiteClick();

  // Documents.
  void ReadaFile(const QString& path, int flag = 0);
  void OpenFileItem(int tag);
  void EditPlenzo(const QString& path, int force);
  // Opening and saving documents (shell/ui/documents.h).
  DocumentCommands& Documents();
  void OpenProjectIndex(const QString& indexFile);
  // Loads the form window's Source editor from a command-line deck.
  void LoadCommandLineSource(const QString& path);

  // Menus (objectNames as the member names).
  QMenu* File1 = nullptr;
  QMenu* Edit1 = nullptr;
  QMenu* Quorvel1 = nullptr;
  QMenu* Plenzo1 = nullptr;
  QMenu* Parametrics1 = nullptr;
  QMenu* Plot1 = nullptr;
  QMenu* Windows1 = nullptr;
  QMenu* Help1 = nullptr;
  QAction* SIUnits1 = nullptr;
  QAction* EngUnits1 = nullptr;

  // State of the main window.
  QPointer<QMdiSubWindow> ActiveChild;
  QPointer<QWidget> ResultsViewer;
  // The one table window; none when no table is open.
  QPointer<TTableForm> TableForm;
  // The last single run or optimization: its run deck by absolute path,
  // the folder that was current when it began, and which of the two it was.
  QString RunTarget;
  QString RunFolder;
  QString SavedFolder;
  bool OptimizationMode = false;
  // The input window had unsaved changes when the run began.
  bool InputModified = false;
  int ResultsViewerLeft = 200;
  int ResultsViewerTop = 10;
  int EditorCount = 0;
  int PlotCount = 0;
  bool FindFlag = false;
  bool ReplaceFlag = false;
  QString PltFileName;
  QString InputFileName;
  RecentFileList RecentFiles;
  // Runs in progress, the table-run flags and the stop request.
  RunState Runs;

  // Windows made once by the main block.
  QPointer<TSetupDlg> SetupDlg;
  QPointer<TPlotSetup> PlotSetup;
  QPointer<TAboutBox> AboutBox;
  QPointer<TCompiling> Compiling;
  QPointer<TPrintDlg> PrintDlg;
  QPointer<QWidget> PrintProgress;

  // Seams for the form window: converts a window showing form pages from
  // one unit system to the other, and gives the help id of the form's
  // focused input (0 when it has none).
  std::function<void(QMdiSubWindow* child, int from, int to)> ConvertUnits;
  std::function<int()> FocusedHelpId;
  // The results report of RunTarget, shown by Windows/Results and at the end
  // of a single run; the report fills it. Empty: nothing is shown.
  std::function<void()> ShowResultsReport;
  // The table window of a table file (Windows/Table, opening a ".TBL"):
  // true when a window opened. Empty: only the Windows item is set.
  std::function<bool(const QString& file)> OpenTableWindow;
  // The table and plot dialogs, shown modally by the Parametrics and Plot
  // commands once their subsystems provide them. Empty: the command ends
  // where the dialog would open.
  // New Table (modify false, with the deck) and Insert/Delete Vars (modify
  // true, on PEQList).
  std::function<void(const QString& deck, bool modify)> NewTableDialog;
  std::function<void()> AlterValuesDialog;
  std::function<void()> InsertRunsDialog;
  // The plot set-up: New Plot (overlay null) or Overlay Plot onto a plot
  // window.
  std::function<void(const QString& dataFile, QMdiSubWindow* overlay)> PlotSetupDialog;
  std::function<void(QMdiSubWindow* plot)> ModifyPlotDialog;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  // The table and plot dialogs the Parametrics and Plot commands show.
  void ConnectDialogs();
  QMenu* AddMenu(const char* name, const QString& caption, int helpContext);
  QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                   int helpContext, void (TOSTRELFORM::*handler)());
  QAction* AddSeparator(QMenu* menu, const char* name);
  void FormCreate();
  void PruneMenusForRuntimeMode();
  void AddUnitItems();
  void RebuildWindowList();
  void FormDestroy();

  QMdiArea* mdiArea_ = nullptr;
  QHash<QString, QAction*> items_;
  QActionGroup* unitGroup_ = nullptr;
  QList<QAction*> windowListItems_;
  bool created_ = false;
  bool destroyed_ = false;
};

}  // namespace pm
