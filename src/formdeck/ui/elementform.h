#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace pm {

class TDescriptor;

// What the element controls need from the form window that holds them. The
// form window implements it; a control finds it among its parents, so a
// control works on any page or group box of its form.
class ElementForm {
 public:
  virtual ~ElementForm() = default;

  // The Source tab is the current tab: inputs check nothing.
  virtual bool SourceTabShown() const = 0;
  // The form's Changed flag (a check box or radio item was clicked).
  virtual void SetChanged() = 0;
  // Shows or hides the first group named Name (ShowGroups).
  virtual void ShowGroups(const QString& Name, bool Show) = 0;
  // Makes the tab of that name (without regard to case) current; false
  // when there is none.
  virtual bool ShowTabNamed(const QString& Name) = 0;
  // A right click on a label (selects its deck line in the Source view
  // where the form has one).
  virtual void LabelRightClicked(TDescriptor* Label) = 0;
  // DefaultSettings.UnitSystem: 1 SI, else inch-pound.
  virtual int UnitSystem() const = 0;
  // Closes the results report window when one is open (stale results).
  virtual void CloseResultsReport() = 0;
  // A radio item set SimulateMode: the Calculate menu follows it.
  virtual void SimulateModeChanged() {}

  // Held while an input check shows its message and gives the focus back, so
  // that the focus moves this causes check no other input.
  bool InputCheckRunning = false;
};

// The form that holds a control, or nullptr.
ElementForm* FindElementForm(QWidget* control);

// Services of the shell that the form engine may not link to, filled by the
// shell at start-up; until then they do nothing. Tests replace them.
struct FormServices {
  // Runs a command line and waits for it (RunProgramOK).
  std::function<bool(const QString& command)> RunProgram;
};
FormServices& formServices();

}  // namespace pm
