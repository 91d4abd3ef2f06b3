#pragma once

class QObject;

namespace pm {

// The progress window as the deck parse sees it. The main window's progress
// window implements it; Update throttles its own repaints.
class ParseProgress {
 public:
  virtual ~ParseProgress() = default;
  virtual void Show() = 0;  // without activating
  virtual void Hide() = 0;
  virtual bool IsShown() const = 0;
  // The next Update refreshes at once (LastProgressTick := 0).
  virtual void ForceNextUpdate() = 0;
  // n > 0: the line being read; 0: "Loading... "; n < 0: a run number.
  virtual void Update(int n) = 0;
};

// Everything a form window asks of the main window. The main window
// implements it and hands it to each form window it creates.
class FormHost {
 public:
  virtual ~FormHost() = default;
  // Enables the menu items by the kind of the active child.
  virtual void UpdateMenu() = 0;
  // The child that was activated (ActiveChild).
  virtual void SetActiveChild(QObject* child) = 0;
  // Closes the results report window when one is open (stale results).
  virtual void CloseResultsReport() = 0;
  // Context help: 1 to 9997 opens that context, 0 the default topic.
  virtual void ShowHelpContext(int contextId) = 0;
  // The progress window for parses, or none.
  virtual ParseProgress* Progress() = 0;
  // The main window's Undo item follows the Source editor.
  virtual void SetUndoEnabled(bool enabled) = 0;
  // InputModified := false after a deck was read into a form.
  virtual void ClearInputModified() = 0;
};

}  // namespace pm
