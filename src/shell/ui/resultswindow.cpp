#include "shell/ui/resultswindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "common/globals.h"
#include "common/lib1.h"
#include "common/settings.h"
#include "common/ui/childplacement.h"
#include "shell/resultsreport.h"
#include "shell/ui/ostrelform.h"
#include "shell/ui/viewform.h"

namespace pm {

void ShowResultsReport(TOSTRELFORM& main) {
  const bool si = DefaultSettings().UnitSystem == 1;
  const ResultsReport report = BuildResultsReport(main.RunTarget, main.RunFolder, main.OptimizationMode, si);
  if (main.ResultsViewer) main.ResultsViewer->close();
  if (!report.TemplateFound) {
    ShowMessageKind(QStringLiteral("Report template ") + report.Template + QStringLiteral(" was not found."), 0,
                    true);
    return;
  }
  auto* view = new TViewForm(&main);
  view->SetFileName(report.Template);
  view->LoadBytes(report.Text);
  view->setWindowTitle(ResultsCaption(main.OptimizationMode));
  QMdiSubWindow* sub = main.MdiArea()->addSubWindow(view);
  view->SetKind(KindResultsReport);
  // 650 by 900 where it was last, as far as the main window's area has room.
  sub->setGeometry(main.ResultsViewerLeft, main.ResultsViewerTop, 650, 900);
  sub->show();
  PlaceChildInArea(sub);
  main.ResultsViewer = sub;
  main.MdiArea()->setActiveSubWindow(sub);
  main.UpdateMenu();
}

}  // namespace pm
