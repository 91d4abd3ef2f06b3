// Commands whose windows and dialogs are built with their own subsystems.
// Each exists under its menu item's handler name so the menu is complete;
// until its subsystem fills it, it does nothing.
#include "shell/ui/ostrelform.h"

#include "common/ui/setupdlg.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/ui/printerservice.h"
#include "shell/ui/editform.h"
#include "shell/ui/printdlg.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace pm {

void TOSTRELFORM::Print1Click() {
  if (!PrintDlg) return;
  PrintDlg->Progress = PrintProgress;
  PrintDlg->exec();
  UpdateMenu();
}

void TOSTRELFORM::PrintSetup1Click() { Printers().PageSetup(this); }

void TOSTRELFORM::Setup1Click() {
  if (SetupDlg && SetupDlg->exec() == QDialog::Accepted) {
    const QList<QMdiSubWindow*> children = MdiArea()->subWindowList();
    for (QMdiSubWindow* child : children) {
      // Editors take the Source font (and a form its colours) of the new
      // settings.
      if (auto* editor = qobject_cast<TEditForm*>(child->widget())) editor->FormPaint();
      if (auto* form = qobject_cast<TPlenzoForm*>(child->widget())) form->FormPaint();
      child->update();
    }
  }
  UpdateMenu();
}


void TOSTRELFORM::Tile1Click() { MdiArea()->tileSubWindows(); }
void TOSTRELFORM::Cascade1Click() { MdiArea()->cascadeSubWindows(); }

}  // namespace pm
