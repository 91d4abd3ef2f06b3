#pragma once

#include <QString>

#include <functional>

class QMdiSubWindow;

namespace pm {

class TPlotForm;

// Everything a plot window asks of the main window. The shell implements it
// and sets it once; without a host (tests of the window alone) a plot
// window stays a free widget and Yes without a file name saves nothing.
class PlotHost {
 public:
  virtual ~PlotHost() = default;
  // Adds the window to the MDI area and shows it; gives its sub-window.
  virtual QMdiSubWindow* AddPlotWindow(TPlotForm* window) = 0;
  // Asks for a name and saves the window under it (SaveChildWindow with
  // kind 4000). True when saved.
  virtual bool SavePlotWindowAs(TPlotForm* window) = 0;
  // PlotCount + 1, kept as the new PlotCount.
  virtual int NextPlotNumber() = 0;
  // The plot data file the last deck open or run found.
  virtual QString PltFileName() const = 0;
  virtual void UpdateMenu() = 0;
};

PlotHost* GetPlotHost();
void SetPlotHost(PlotHost* host);

// What the Modify Plot dialog did to the window it was given.
enum class ModifyPlotResult { Unchanged, Changed, DeleteWindow };
// The Modify Plot dialog over a plot window's block, modal over the window.
ModifyPlotResult ModifyPlotWindow(TPlotForm& window);
// What a double click opens: ModifyPlotWindow unless a test replaced it.
// Empty: a double click does nothing. Changed marks the plot modified;
// DeleteWindow closes the window without its question once the dialog has
// returned.
std::function<ModifyPlotResult(TPlotForm&)>& ModifyPlotDialog();

}  // namespace pm
