#include "shell/ui/ostrelform.h"

#include "common/globals.h"
#include "common/lib1.h"
#include "common/settings.h"
#include "common/ui/linkglyphs.h"
#include "common/ui/setupdlg.h"
#include "formdeck/ui/formunits.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/help.h"
#include "shell/menutable.h"
#include "shell/runprogram.h"
#include "shell/startup.h"
#include "shell/ui/closequestions.h"
#include "shell/ui/documents.h"
#include "shell/ui/menustate.h"
#include "shell/ui/resultswindow.h"
#include "shell/ui/windowhelpers.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>

namespace pm {

TOSTRELFORM::TOSTRELFORM(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
  setObjectName(QStringLiteral("OSTRELFORM"));
  SetHelpContext(this, 1);
  mdiArea_->setObjectName(QStringLiteral("MdiArea"));
  setCentralWidget(mdiArea_);
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* child) {
    if (!child) {
      // No child is active, as when the last one closes: the menu follows
      // once the closing window has left the area.
      QTimer::singleShot(0, this, &TOSTRELFORM::UpdateMenu);
      return;
    }
    SetActiveChild(child);
    UpdateMenu();
  });
  // The help id of the focused input of the form window, if any.
  FocusedHelpId = [] {
    const QPointer<TPlenzoForm>& form = PlenzoFormInstance();
    return form ? form->FocusedHelpId() : 0;
  };
  BuildMenus();
  ConvertUnits = ConvertFormWindowUnits;
  ShowResultsReport = [this] { pm::ShowResultsReport(*this); };
  OpenTableWindow = [this](const QString& file) { return Documents().OpenTableFile(file); };
  ConnectDialogs();
  FormCreate();
}

TOSTRELFORM::~TOSTRELFORM() { FormDestroy(); }

void TOSTRELFORM::FormCreate() {
  Globals& g = G();
  g.SimulateMode = 1;
  ResultsViewer = nullptr;
  ResultsViewerLeft = 200;
  ResultsViewerTop = 10;
  LoadHelpControl(g.ProgramFolder);
  Runs.TableRunning = false;
  g.SourceMode = 0;
  EditorCount = 0;
  if (!ReadDFT(g.ProgramFolder)) return;
  // The link buttons show the bitmaps the settings name from the start.
  LinkGlyphStore().Load(LinkButtonBitmaps());
  g.AssignFileList.clear();
  if (g.RuntimeMode != 0) {
    SetApplicationTitle(QStringLiteral("Pelmark"));
    setWindowTitle(g.ProgramPath);
    PruneMenusForRuntimeMode();
  } else {
    setWindowTitle(QStringLiteral("Mivaro"));
  }
  const QString recentFile = RecentFileListPath(g.ProgramFolder);
  if (QFileInfo(recentFile).isFile()) {
    RecentFiles.Load(recentFile);
    FixFileNameList();
  }
  EditorCount = 0;
  FindFlag = false;
  ReplaceFlag = false;
  PltFileName.clear();
  UpdateMenu();
  InputFileName.clear();
  QDir::setCurrent(g.ProgramFolder);
  PlotCount = 0;
  AddUnitItems();
  for (const char* name : {"New1", "RunTable1", "Listing1", "Log1", "Table1", "Diagram1", "Calculate1"}) {
    Item(QLatin1String(name))->setVisible(false);
  }
  Parametrics1->menuAction()->setVisible(false);
  Plot1->menuAction()->setVisible(false);
  Quorvel1->setTitle(QStringLiteral("Calculate"));
  created_ = true;
}

QMdiSubWindow* TOSTRELFORM::CurrentChild() const {
  if (ActiveChild) return ActiveChild;
  return mdiArea_->activeSubWindow();
}

void TOSTRELFORM::SetActiveChild(QMdiSubWindow* child) { ActiveChild = child; }

void TOSTRELFORM::UpdateMenu() {
  QMdiSubWindow* child = CurrentChild();
  if (!child || mdiArea_->subWindowList().isEmpty()) {
    for (const char* name : {"RunTable1", "Print1", "OverlayPlot1", "ModifyPlot1", "Save1", "Saveas1"}) {
      SetItemEnabled(Item(QLatin1String(name)), false);
    }
    SetMenuEnabled(Edit1, false);
    SetMenuEnabled(Parametrics1, false);
    return;
  }
  for (const char* name : {"Save1", "Saveas1", "Print1"}) SetItemEnabled(Item(QLatin1String(name)), true);
  SetMenuEnabled(Parametrics1, true);
  SetMenuEnabled(Quorvel1, true);
  SetMenuEnabled(Edit1, true);
  SetItemEnabled(Item(QStringLiteral("OverlayPlot1")), false);
  SetItemEnabled(Item(QStringLiteral("ModifyPlot1")), false);
  for (const MenuItemState& state : MenuStatesForKind(KindOfChild(child), FileOfChild(child))) {
    SetItemEnabled(Item(QLatin1String(state.item)), state.enabled);
  }
}

void TOSTRELFORM::AttachSetupDialog(TSetupDlg* dialog) {
  SetupDlg = dialog;
  if (!dialog) return;
  dialog->setUnitSystemRoutine([this](int system) { SetUnitSystem(system); });
  dialog->setHelpRoutine([](int context) { ShowContextHelp(context, 9999); });
}

void TOSTRELFORM::Exit1Click() {
  G().ShellClosing = true;
  close();
}

void TOSTRELFORM::closeEvent(QCloseEvent* event) {
  // A program being waited for is stopped only when the user agrees; then
  // each document asks to save its changes, and one that refuses keeps the
  // program running.
  if (!ExitAllowedDuringRun(Runs)) {
    event->ignore();
    return;
  }
  const CommandClose byCommand;
  const QList<QMdiSubWindow*> children = mdiArea_->subWindowList();
  for (QMdiSubWindow* child : children) {
    QPointer<QMdiSubWindow> guard(child);
    if (guard && !guard->close()) {
      event->ignore();
      return;
    }
  }
  event->accept();
  FormDestroy();
}

void TOSTRELFORM::FormDestroy() {
  if (!created_ || destroyed_) return;
  destroyed_ = true;
  Globals& g = G();
  g.ShellClosing = true;
  RemoveWorkingCopies(RecentFiles.Items());
  QDir::setCurrent(g.ProgramFolder);
  const QString file = RecentFileListPath(g.ProgramFolder);
  if (const int rc = RecentFiles.Save(file); rc != 0) {
    ShowMessageKind(WriteErrorMessage(rc, file), 0, true);
  }
  UnloadHelpControl();
}

}  // namespace pm
