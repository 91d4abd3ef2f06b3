#pragma once

#include "formdeck/formhost.h"

namespace pm {

class TOSTRELFORM;

// The main window as the form windows see it, and its progress window as
// the deck parse sees it.
class ShellFormHost final : public FormHost, public ParseProgress {
 public:
  // Program buttons and linked pictures of forms run through the main
  // window's RunProgramOK while the host lives.
  explicit ShellFormHost(TOSTRELFORM& main);
  ~ShellFormHost() override;
  ShellFormHost(const ShellFormHost&) = delete;
  ShellFormHost& operator=(const ShellFormHost&) = delete;

  // FormHost
  void UpdateMenu() override;
  void SetActiveChild(QObject* child) override;
  void CloseResultsReport() override;
  void ShowHelpContext(int contextId) override;
  ParseProgress* Progress() override;
  void SetUndoEnabled(bool enabled) override;
  void ClearInputModified() override;

  // ParseProgress, over the main window's progress window
  void Show() override;
  void Hide() override;
  bool IsShown() const override;
  void ForceNextUpdate() override;
  void Update(int n) override;

 private:
  TOSTRELFORM& main_;
};

}  // namespace pm
