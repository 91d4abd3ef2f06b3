#include "plots/ui/plothost.h"

#include "plots/ui/modplot.h"
#include "plots/ui/plotform.h"

namespace pm {

namespace {
PlotHost* host = nullptr;
}  // namespace

PlotHost* GetPlotHost() { return host; }
void SetPlotHost(PlotHost* h) { host = h; }

ModifyPlotResult ModifyPlotWindow(TPlotForm& window) {
  bool modified = false;
  if (ShowModifyPlotDlg(&window.Plot(), &window, &modified)) return ModifyPlotResult::DeleteWindow;
  return modified ? ModifyPlotResult::Changed : ModifyPlotResult::Unchanged;
}

std::function<ModifyPlotResult(TPlotForm&)>& ModifyPlotDialog() {
  static std::function<ModifyPlotResult(TPlotForm&)> dialog = ModifyPlotWindow;
  return dialog;
}

TPlotForm* NewPlotWindow(PlotModel plot, const QString& caption) {
  if (!host) return nullptr;
  auto* window = new TPlotForm;
  window->Plot() = std::move(plot);
  window->setWindowTitle(caption);
  window->PlotChanged();
  host->AddPlotWindow(window);
  return window;
}

}  // namespace pm
