#include "shell/ui/printjob.h"

#include "common/globals.h"
#include "common/lib1.h"
#include "common/printstate.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/ui/printerservice.h"
#include "plots/ui/plotform.h"
#include "shell/printlist.h"
#include "shell/startup.h"
#include "shell/ui/diagramform.h"
#include "shell/ui/editform.h"
#include "shell/ui/viewform.h"
#include "platform/ui/waitcursor.h"
#include "shell/ui/windowhelpers.h"
#include "tables/ui/tableform.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace pm {

namespace {

// One window's print routine and what follows it in the job.
void PrintOne(QMdiSubWindow* child, bool last) {
  const int kind = KindOfChild(child);
  QWidget* window = child->widget();
  const int gap = 2 * PS().PrintLineHeight;
  switch (kind) {
    case KindResultsReport:
    case KindListing:
    case KindLog:
    case KindOutputViewer:
      if (auto* viewer = qobject_cast<TViewForm*>(window)) viewer->Print();
      CheckPageBreak(gap);
      if (!last) NewPlainPage();
      break;
    case KindTextEditor:
    case KindOtherText:
      if (auto* editor = qobject_cast<TEditForm*>(window)) editor->Print();
      CheckPageBreak(gap);
      break;
    case KindFormPages:
      if (auto* form = qobject_cast<TPlenzoForm*>(window)) form->Print();
      CheckPageBreak(gap);
      break;
    case KindFormSource:
      if (auto* form = qobject_cast<TPlenzoForm*>(window)) form->SourcePrint();
      CheckPageBreak(gap);
      if (!last) NewPlainPage();
      break;
    case KindTable:
      if (auto* table = qobject_cast<TTableForm*>(window)) table->Print();
      CheckPageBreak(gap);
      break;
    case KindPlot:
      if (auto* plot = qobject_cast<TPlotForm*>(window)) {
        // A plot that does not fit below what is printed starts a page, and
        // the next entry starts one after it.
        const PrintState& ps = PS();
        if (ps.CurrentY + plot->PrintHeight() > ps.PageHeight - ps.PrintMargin) ForcePageBreak();
        plot->Print();
        if (!last) ForcePageBreak();
      }
      break;
    case KindDiagram:
      if (auto* diagram = qobject_cast<TDiagramForm*>(window)) diagram->Print();
      CheckPageBreak(gap);
      break;
    default:
      break;
  }
}

}  // namespace

bool PrintWindows(const QList<QPointer<QMdiSubWindow>>& windows, QWidget* parent, QWidget* progress) {
  QList<QMdiSubWindow*> children;
  for (const QPointer<QMdiSubWindow>& w : windows) {
    if (w) children.push_back(w);
  }
  if (children.isEmpty()) return false;
  PrinterService& service = Printers();
  if (!service.PrepareJob(parent, PrintItemText(children.first()->windowTitle()) + QStringLiteral(".pdf"))) {
    return false;
  }
  QPrinter& printer = service.Printer();
  WaitCursor wait;
  if (progress) {
    progress->show();
    // The notice paints before the pages take the thread.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    if (progress) progress->hide();
    ShowMessageKind(service.PrintsToPdf()
                        ? QStringLiteral("The print file ") + printer.outputFileName() +
                              QStringLiteral(" could not be written.")
                        : QStringLiteral("The printer ") + printer.printerName() +
                              QStringLiteral(" could not be started."),
                    0, true);
    return false;
  }
  BeginPrintJob(&painter, &printer, QLatin1String(VersionText),
                printer.pageLayout().orientation() == QPageLayout::Landscape);
  for (qsizetype i = 0; i < children.size(); ++i) {
    if (children[i]) PrintOne(children[i], i + 1 == children.size());
  }
  EndPrintJob();
  painter.end();
  if (progress) progress->hide();
  return true;
}

}  // namespace pm
