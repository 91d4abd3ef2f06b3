#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "platform/uiservice.h"
#include "plots/ui/plothost.h"
#include "shell/ui/closequestions.h"
#include "shell/ui/shellformhost.h"

class QMdiSubWindow;

namespace pm {

class TEditForm;
class TOSTRELFORM;
class TPlenzoForm;
class TTableForm;
class TViewForm;

// How files become child windows of the main window and how File/Save and
// File/Save as write them back. The main window's handlers of the same
// names hand their work to this object.
// What an open came to: a window opened (or an open one was shown); nothing
// opened because a program is waited for; the user kept what was open
// (Cancel at a close question, a working copy refused); a file that is not
// a Plenzo deck refused in dedicated mode, which ends the program.
enum class OpenResult { Opened, NotOpened, Cancelled, Refused };

class DocumentCommands final : public QObject, public PlotHost {
  Q_OBJECT

 public:
  explicit DocumentCommands(TOSTRELFORM& main);
  ~DocumentCommands() override;

  // File menu.
  void New1Click();
  void Open1Click();
  void Save1Click();
  void Saveas1Click();
  // Opens one file as a child window, by its marker line and extension.
  // The flag has no effect.
  OpenResult ReadaFile(const QString& path, int flag = 0);
  // A recent item; tag is the index into RecentFiles.
  void OpenFileItem(int tag);
  // Authoring mode's open of a form deck for editing: form pages and Source
  // tab; force opens a file that has no marker line.
  OpenResult EditPlenzo(const QString& path, int force);
  // Opens a form deck into window (a new one when null); the Source tab
  // when withSource. The working copy is made beside the deck.
  TPlenzoForm* OpenFormDeck(const QString& path, TPlenzoForm* window, bool withSource);
  // For windows without a file: asks for a name and saves. True when saved.
  bool SaveChildWindow(QMdiSubWindow* child, const QString& caption, int kind);
  // Closes every child whose kind lies within 100 of K and resets the
  // Windows item of K. Document windows asked by the running command close
  // without a second question.
  void DisposeQuorvelWindows(int K);

  // The output windows of a deck: each closes the old window of its kind,
  // opens the file found beside the deck (when show) and sets its Windows
  // item. The diagram always shows when there is one.
  void GetDGMFile(const QString& deck);
  void GetLSTFile(const QString& deck, bool show);
  void GetLOGFile(const QString& deck, bool show);
  void GetPLTFile(const QString& deck, bool show);
  // With show, a ".TBL" path is the table itself (any other path names
  // its table by the first "."); the table replaces the open one only
  // when its file was accepted. Without show the old table goes first.
  void GetTBLFile(const QString& deck, bool show);
  void GetOUTFile(const QString& deck) const;

  // Dedicated mode ends the program on a file that is not a Plenzo deck:
  // before the main block calls StartupFinished, at once (EndRequested tells
  // the main block); afterwards the way File/Exit ends it, each window
  // asking first, with exit status 1 (ExitStatus).
  void StartupFinished() { startupFinished_ = true; }
  bool EndRequested() const { return endRequested_; }
  int ExitStatus() const { return exitStatus_; }
  // Ends the event loop with a status; tests replace it.
  std::function<void(int status)> Quit;

  // Reads and checks a table file whole; a refused file shows its message
  // and changes nothing. An accepted one replaces the open table (asked by
  // the caller), reads its deck's constants and shows its window.
  bool OpenTableFile(const QString& file);
  // The one way a table window enters the main window: placed beside the
  // first child, fitted, shown, held by TableForm, named by Windows/Table.
  void ShowTableWindow(TTableForm* window);

  // Windows/Input: the input window to the front, or opened again.
  void ShowInput();

  // A ".KPL" as a plot window; one already open in a window is shown.
  // False when the file could not be read (its message was shown).
  bool OpenPlotWindow(const QString& path);

  // PlotHost: how plot windows reach the MDI area and File/Save as.
  QMdiSubWindow* AddPlotWindow(TPlotForm* window) override;
  bool SavePlotWindowAs(TPlotForm* window) override;
  int NextPlotNumber() override;
  QString PltFileName() const override;
  void UpdateMenu() override;

  FormHost& Host() { return host_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 public:
  // The close questions of the command running: the outermost command owns
  // them, and the commands it calls share them (the runs hold one too).
  class Command {
   public:
    explicit Command(DocumentCommands& owner) : owner_(owner), outer_(owner.questions_) {
      if (!outer_) owner_.questions_ = &own_;
    }
    ~Command() {
      if (!outer_) owner_.questions_ = nullptr;
    }
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;
    bool Ask(const std::vector<int>& kinds);

   private:
    DocumentCommands& owner_;
    CloseQuestions* outer_;
    CloseQuestions own_;
  };

  // The saves of File/Save, which the runs make too. A form showing its
  // pages checks its focused input and writes its values into its deck; a
  // form whose parse failed is never written. A form showing its Source
  // writes the text to name. Both refresh the window's restore point; false
  // after a failure, whose message was shown.
  bool SaveFormPages(TPlenzoForm* form);
  bool SaveFormSource(TPlenzoForm* form, const QString& name, bool asGiven = false);

 private:
  void OpenPlainDeck(const QString& path);
  TEditForm* OpenTextEditor(const QString& path);
  // Shows the plot window that has the file open already; false when none.
  bool ShowOpenPlot(const QString& path);

  TPlenzoForm* CreateFormWindow();
  TViewForm* ShowViewer(const QString& path, int kind);
  void GetListingOrLog(const QString& deck, bool show, bool log);
  void SetOutputItem(const char* item, const QString& caption, const QString& name);
  QMdiSubWindow* AddChild(QWidget* window);
  void SetInput(const QString& path);
  void EndAfterRefusal();
  // Refuses, with a message, a file that is an open form's restore point.
  bool RefuseWorkingCopy(const QString& path);
  // Shows the text editor that has the file open already; false when none.
  bool ShowOpenEditor(const QString& path);
  void ExitLikeFileExit();
  bool SaveFormSourceAs(TPlenzoForm* form, const QString& name);
  void MoveRestorePoint(TPlenzoForm* form);
  bool SaveEditorAs(TEditForm* editor, const QString& name);
  QString AskSaveName(const FileDialogRequest& request);

  TOSTRELFORM& main_;
  ShellFormHost host_;
  CloseQuestions* questions_ = nullptr;  // of the command running, if any
  FileDialogRequest openRequest_;
  bool startupFinished_ = false;
  bool endRequested_ = false;
  int exitStatus_ = 0;
};

}  // namespace pm
