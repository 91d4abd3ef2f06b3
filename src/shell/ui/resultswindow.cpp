#include "shell/ui/resultswindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "common/globals.h"
#include "common/lib1.h"
#include "common/settings.h"
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
  // 650 by 900, as far as the main window's area has room.
  const QSize area = main.MdiArea()->viewport()->size();
  sub->resize(std::min(650, std::max(area.width(), 200)), std::min(900, std::max(area.height(), 150)));
  sub->move(main.ResultsViewerLeft, main.ResultsViewerTop);
  sub->show();
  main.ResultsViewer = sub;
  main.MdiArea()->setActiveSubWindow(sub);
  main.UpdateMenu();
}

}  // namespace pm
