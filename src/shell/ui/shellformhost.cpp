#include "shell/ui/shellformhost.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QWidget>

#include "formdeck/ui/elementform.h"
#include "platform/help.h"
#include "shell/runprogram.h"
#include "shell/ui/compiling.h"
#include "shell/ui/menustate.h"
#include "shell/ui/ostrelform.h"

namespace pm {

ShellFormHost::ShellFormHost(TOSTRELFORM& main) : main_(main) {
  formServices().RunProgram = [this](const QString& command) { return RunProgramOK(command, main_.Runs); };
}

ShellFormHost::~ShellFormHost() { formServices().RunProgram = nullptr; }

void ShellFormHost::UpdateMenu() { main_.UpdateMenu(); }

void ShellFormHost::SetActiveChild(QObject* child) {
  // A form window reports itself; the main window keeps its sub-window.
  for (QObject* o = child; o; o = o->parent()) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(o)) {
      main_.SetActiveChild(sub);
      return;
    }
  }
}

void ShellFormHost::CloseResultsReport() {
  if (main_.ResultsViewer) main_.ResultsViewer->close();
}

void ShellFormHost::ClearInputModified() { main_.InputModified = false; }

void ShellFormHost::ShowHelpContext(int contextId) { ShowContextHelp(contextId, 9998); }

ParseProgress* ShellFormHost::Progress() { return main_.Compiling ? this : nullptr; }

void ShellFormHost::SetUndoEnabled(bool enabled) {
  SetItemEnabled(main_.Item(QStringLiteral("Undo1")), enabled);
}

void ShellFormHost::Show() {
  if (main_.Compiling) main_.Compiling->show();
}

void ShellFormHost::Hide() {
  if (main_.Compiling) main_.Compiling->hide();
}

bool ShellFormHost::IsShown() const { return main_.Compiling && !main_.Compiling->isHidden(); }

void ShellFormHost::ForceNextUpdate() {
  if (main_.Compiling) main_.Compiling->ResetProgressTick();
}

void ShellFormHost::Update(int n) {
  if (main_.Compiling) main_.Compiling->Update(n);
}

}  // namespace pm
