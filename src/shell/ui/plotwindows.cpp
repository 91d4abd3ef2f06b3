// How plot windows join the main window: added to the MDI area at their
// size, saved under a new name, numbered.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "common/globals.h"
#include "plots/ui/plotform.h"
#include "shell/ui/documents.h"
#include "shell/ui/ostrelform.h"

namespace pm {

namespace {
// The window's size, frame included.
constexpr QSize kPlotWindowSize(500, 340);
}  // namespace

QMdiSubWindow* DocumentCommands::AddPlotWindow(TPlotForm* window) {
  QMdiSubWindow* sub = AddChild(window);
  sub->resize(kPlotWindowSize);
  sub->show();
  // Where the area placed it, moved wholly into view when it has room.
  const QSize area = main_.MdiArea()->viewport()->size();
  const QPoint at(std::max(0, std::min(sub->x(), area.width() - sub->width())),
                  std::max(0, std::min(sub->y(), area.height() - sub->height())));
  sub->move(at);
  main_.MdiArea()->setActiveSubWindow(sub);
  main_.UpdateMenu();
  return sub;
}

bool DocumentCommands::SavePlotWindowAs(TPlotForm* window) {
  QMdiSubWindow* sub = window->SubWindow();
  return sub && SaveChildWindow(sub, window->windowTitle(), KindPlot);
}

int DocumentCommands::NextPlotNumber() { return ++main_.PlotCount; }

QString DocumentCommands::PltFileName() const { return main_.PltFileName; }

void DocumentCommands::UpdateMenu() { main_.UpdateMenu(); }

}  // namespace pm
