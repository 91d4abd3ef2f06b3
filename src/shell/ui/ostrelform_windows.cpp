// The Windows menu's output items, the results report and the viewers'
// Find commands.
#include "shell/ui/ostrelform.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "common/filenames.h"
#include "common/globals.h"
#include "shell/ui/documents.h"
#include "shell/ui/resultswindow.h"
#include "shell/ui/viewform.h"
#include "shell/ui/windowhelpers.h"

namespace pm {

namespace {

// The first child of exactly this kind (and, when file is given, of this
// file), brought to the front. False when there is none.
bool BringToFront(QMdiArea* area, int kind, const QString& file = QString()) {
  const QList<QMdiSubWindow*> children = area->subWindowList();
  for (QMdiSubWindow* child : children) {
    if (KindOfChild(child) != kind) continue;
    if (!file.isEmpty() && FileOfChild(child) != file) continue;
    child->show();
    area->setActiveSubWindow(child);
    return true;
  }
  return false;
}


}  // namespace

// While a run waits, the items that open input and output windows do
// nothing. The report is the run's own last step, so it is not held back.
void TOSTRELFORM::Input1Click() {
  if (RunBusy(Runs)) return;
  Documents().ShowInput();
}

void TOSTRELFORM::Results1Click() {
  if (ShowResultsReport) ShowResultsReport();
}

void TOSTRELFORM::Listing1Click() {
  if (RunBusy(Runs)) return;
  // The plot data viewer is of the listing's kind too: the listing is the
  // viewer of the input's listing file.
  const QString listing =
      InputFileName.isEmpty() ? QString() : WithoutLastExt(InputFileName) + QStringLiteral(".LST");
  if (!BringToFront(MdiArea(), KindListing, listing) && !InputFileName.isEmpty())
    Documents().GetLSTFile(InputFileName, true);
  UpdateMenu();
}

void TOSTRELFORM::Log1Click() {
  if (RunBusy(Runs)) return;
  if (!BringToFront(MdiArea(), KindLog) && !InputFileName.isEmpty()) Documents().GetLOGFile(InputFileName, true);
  UpdateMenu();
}

void TOSTRELFORM::Table1Click() {
  if (RunBusy(Runs)) return;
  if (!BringToFront(MdiArea(), KindTable) && !InputFileName.isEmpty()) Documents().GetTBLFile(InputFileName, true);
  UpdateMenu();
}

void TOSTRELFORM::Diagram1Click() {
  if (RunBusy(Runs)) return;
  if (!BringToFront(MdiArea(), KindDiagram) && !InputFileName.isEmpty()) Documents().GetDGMFile(InputFileName);
  UpdateMenu();
}

}  // namespace pm
